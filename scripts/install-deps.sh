#!/usr/bin/env bash
# Installs the Debian packages Quintarlow! needs that are not there yet.
#   install-deps.sh          what building and playing need
#   install-deps.sh --tests  and what the test suite needs as well
#   install-deps.sh --package  and what making the Debian package needs
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libxcb1-dev libasound2-dev flite1-dev
          fonts-liberation2 fonts-comic-neue fonts-urw-base35 fonts-dejavu-core
          libqt6sql6-sqlite libqt6sql6-psql)
case "${1:-}" in
    # postgresql: the record's server tests start a PostgreSQL server of their own.
    --tests) packages+=(xvfb xauth openbox libxcb-xtest0-dev desktop-file-utils appstream
                        postgresql) ;;
    --package) packages+=(dpkg-dev file) ;;
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
