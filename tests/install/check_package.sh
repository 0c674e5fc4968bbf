#!/usr/bin/env bash
# Makes the Debian package from the build with CPack, as scripts/package.sh does, and runs
# lintian on it with its informational, pedantic and experimental checks too: whatever tag it
# prints is a complaint to fix.
#   check_package.sh BUILD_FOLDER WORK_FOLDER
set -u
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work" || exit 1
cd "$build" || exit 1
cpack -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
package=$(ls "$work"/quintarlow_*.deb) || exit 1
# Tags come on stdout; stderr carries lintian's own notes (it warns when run as root).
complaints=$(lintian --tag-display-limit 0 --display-info --display-experimental --pedantic \
    "$package")
status=$?
echo "${complaints:-lintian has no complaints about ${package##*/}}"
[ $status -eq 0 ] && [ -z "$complaints" ]
