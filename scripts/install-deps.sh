#!/usr/bin/env bash
# Installs the Debian packages Quintarlow! needs that are not there yet.
#   install-deps.sh          what building and playing need
#   install-deps.sh --tests  and what the test suite needs as well
#   install-deps.sh --package  and what making the Debian package needs
#   install-deps.sh --screenreader  and what tools/screenreader-check.sh needs
#   install-deps.sh --speechcheck  and what tools/speech-clarity-check.sh needs
set -euo pipefail

# Debian's qt6-charts-dev needs Qt OpenGL's CMake files but does not depend on them.
packages=(cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libxcb1-dev
          libasound2-dev flite1-dev qt6-charts-dev libqt6opengl6-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libespeak-ng-dev espeak-ng-data
          fonts-liberation2 fonts-comic-neue fonts-urw-base35 fonts-dejavu-core)
case "${1:-}" in
    # A headless Weston with XWayland is the Wayland desktop of the tests; with qt6-wayland
    # there, Qt itself would start natively on Wayland, which the game must avoid.
    # postgresql: the record's server tests start a PostgreSQL server of their own.
    --tests) packages+=(xvfb xauth openbox libxcb-xtest0-dev desktop-file-utils appstream
                        weston xwayland qt6-wayland dpkg-dev file lintian poppler-utils
                        xdotool postgresql sqlite3) ;;
    --package) packages+=(dpkg-dev file) ;;
    --screenreader) packages+=(xvfb xauth openbox dbus at-spi2-core orca python3-pyatspi
                               speech-dispatcher xdotool) ;;
    --speechcheck) packages+=(sox flite pocketsphinx pocketsphinx-en-us) ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
