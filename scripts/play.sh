#!/usr/bin/env bash
# Installs what is missing, builds Quintarlow! and starts it. Plays from its own build folder,
# so playing and testing never rebuild each other's work.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
[[ -f "$top/build-play/CMakeCache.txt" ]] ||
    cmake -S "$top" -B "$top/build-play" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build-play" --target quintarlow -j"$(nproc)"
exec "$top/build-play/quintarlow" "$@"
