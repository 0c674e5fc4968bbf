#!/usr/bin/env bash
# The real program's command line is judged before anything needs a display: a mistyped option,
# a missing value or a stray word is one line on stderr that names it and points to --help,
# with exit status 2; Qt's own options are left to Qt.
#   command_line.sh GAME [nodisplay]
set -u
game=$1
[[ ${2:-} == nodisplay ]] && unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
# As a desktop session has it: Qt says on stderr when it is missing.
export XDG_RUNTIME_DIR=$XDG_DATA_HOME/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
err=$XDG_DATA_HOME/err
failed() { echo "FAIL: $*"; exit 1; }

# refused WORD ARGUMENTS...: refused with one line naming WORD.
refused() {
    local word=$1
    shift
    "$game" "$@" >/dev/null 2>"$err"
    local status=$?
    cat "$err"
    [[ $status -eq 2 && $(wc -l <"$err") -eq 1 ]] || failed "$*: status $status"
    grep -q -- "$word" "$err" && grep -q -- "--help" "$err" || failed "$*: not said"
}
refused bogus --bogus
refused export-record --export-record
refused bogus -platform offscreen --bogus
refused stray --no-record stray
refused report --report
refused dayz --report x.pdf --dayz 3
"$game" -platform offscreen -style=fusion --reverse -qwindowtitle Q --version >/dev/null ||
    failed "Qt's own options refused"
# In another language Qt's own words of the help are in it too, beside the game's.
"$game" --language de --help | grep -c "Zeigt Hilfe zu den Kommandozeilenoptionen\|Einmaleins" |
    grep -qx 2 || failed "--help not in German"
echo "passed"
