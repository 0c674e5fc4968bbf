#!/usr/bin/env bash
# Installs what is missing, builds Quintarlow! with its tests and runs the whole suite.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" --tests
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j"$(nproc)"
cd "$top/build"
# The 1,000-game soak runs only when asked for: ctest --test-dir build -L soak.
ctest --output-on-failure --timeout 300 -LE soak "$@"
