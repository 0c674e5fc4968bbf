#!/usr/bin/env bash
# Installs what is missing, builds Quintarlow! and starts it. The game reads its pictures and
# sounds from the folder it runs in, so it starts in data/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build" --target quintarlow -j"$(nproc)"
cd "$top/data"
exec "$top/build/quintarlow" "$@"
