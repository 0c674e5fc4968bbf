#!/usr/bin/env bash
# Installs what is missing, builds Quintarlow! for /usr and makes quintarlow_<version>_amd64.deb
# in the top folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" --package
cmake -S "$top" -B "$top/build-package" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$top/build-package" --target quintarlow -j"$(nproc)"
cd "$top/build-package"
cpack -B "$top" >/dev/null
rm -rf "$top/_CPack_Packages"
ls "$top"/quintarlow_*.deb
