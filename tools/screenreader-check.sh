#!/usr/bin/env bash
# Plays one game of the built program under the Orca screen reader, headless, and prints what
# Orca said, with the moves and the accessibility events in between. For a developer: it takes
# about a minute and a half and depends on Orca's wording, so the suite does not run it.
#   tools/screenreader-check.sh [BUILD_DIR]      (default: build)
# Orca speaks through speech-dispatcher, whose output module writes every text into a file
# instead of a sound card; sounds go to ALSA's null device.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)

if [[ -z "${SCREENREADER_CHECK_SESSION:-}" ]]; then
    "$top/scripts/install-deps.sh" --screenreader
    export SCREENREADER_CHECK_SESSION=1
    exec xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- "$0" "$build"
fi

work=$(mktemp -d)
spoken=$work/spoken.txt
touch "$spoken"
pids=()
finish() {
    echo "== what Orca said"
    cat "$spoken"
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules"
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
LogDir "$work"
AudioOutputMethod "alsa"
AddModule "textfile" "sd_generic" "textfile.conf"
DefaultModule textfile
EOF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/textfile.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $spoken"
AddVoice "en" "MALE1" "en"
GenericLanguage "en" "en" "utf-8"
EOF

openbox >/dev/null 2>&1 &
pids+=($!)
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" &
pids+=($!)
sleep 1
orca --replace --user-prefs "$work/orca" >"$work/orca.out" 2>&1 &
pids+=($!)
sleep 5

cd "$top/data"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$build/quintarlow" >"$work/game.out" 2>&1 &
pids+=($!)
echo "== moves and accessibility events"
/usr/bin/python3 "$top/tools/screenreader_check.py" "$spoken"
sleep 2
