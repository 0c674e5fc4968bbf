#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as a package would, checks the files a desktop
# expects and validates the installed desktop entry and AppStream metadata.
#   check_install.sh BUILD_FOLDER DESTDIR
set -u
build=$1 root=$2 id=io.github.quintarlow.Quintarlow
rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || exit 1
cd "$root/usr" || exit 1
status=0
expect() { [[ -f "$1" ]] || { echo "not installed: $1"; status=1; }; }
expect share/applications/$id.desktop
expect share/metainfo/$id.metainfo.xml
for name in quintarlow_small free_ gameover fireworks dance q u i n t a r l o w; do
    expect share/quintarlow/gif/$name.gif
done
for name in ding error ring; do expect share/quintarlow/$name.WAV; done
# The entry and each of its actions must name what was installed.
icon=$(sed -n 's/^Icon=//p' share/applications/$id.desktop)
for program in $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' share/applications/$id.desktop); do
    [[ -x games/$program ]] || { echo "Exec names no installed program: '$program'"; status=1; }
done
for size in 16 32 48 64 128 256; do expect share/icons/hicolor/${size}x$size/apps/$icon.png; done
expect share/icons/hicolor/scalable/apps/$icon.svg
desktop-file-validate share/applications/$id.desktop || status=1
appstreamcli validate --no-net share/metainfo/$id.metainfo.xml >/dev/null ||
    { appstreamcli validate --no-net share/metainfo/$id.metainfo.xml; status=1; }
exit $status
