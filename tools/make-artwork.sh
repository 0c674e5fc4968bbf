#!/usr/bin/env bash
# Draws every picture and sound Quintarlow! ships, into data/ and resources/.
#   tools/make-artwork.sh
# The results are committed, so building the game never needs this; run it again after changing
# tools/make_artwork.py. Two runs give the same bytes.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

# Debian's own python3 is the one that sees python3-pil, whatever python3 comes first on PATH.
python=/usr/bin/python3
packages=(python3 python3-pil imagemagick sox librsvg2-bin
          fonts-dejavu-core fonts-liberation2 fonts-comic-neue fonts-urw-base35)
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Fixed hash seed and locale, so nothing in the drawing depends on the shell it runs from.
PYTHONHASHSEED=0 LC_ALL=C.UTF-8 "$python" "$top/tools/make_artwork.py" "$top"

# The icon in every size a desktop asks for, drawn from the one SVG.
icons="$top/resources/icons"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$icons/quintarlow-$size.png" "$icons/quintarlow.svg"
done

echo "Artwork written under $top/data and $top/resources"
