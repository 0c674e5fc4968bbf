#!/usr/bin/env bash
# Starts the game on an X server of its own, lets it load its screens, then kills the X server
# under it: the game must end by itself within 2 s, without crashing.
#   x_server_gone.sh GAME DATA_FOLDER
set -u
. "$(dirname "$0")/gameprocess.sh"
game=$1 data=$2
cd "$data" || exit 2
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
game_pid=
cleanup() {
    kill -KILL "$server" ${game_pid:+"$game_pid"} 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
DISPLAY=:$(head -n1 "$work/display") "$game" &
game_pid=$!
wait_until_listening "$game_pid"
# The splash loads every screen at its first tick.
sleep 2
kill -0 "$game_pid" 2>/dev/null || { echo "the game ended before the X server went away"; exit 1; }
kill -KILL "$server"
if ! wait_for_exit "$game_pid" 20; then
    echo "still running 2 s after the X server went away"
    exit 1
fi
wait "$game_pid"
status=$?
game_pid=
echo "exit status $status after the X server went away"
# Ending by a signal (status 128 and above) would be a crash.
[ "$status" -lt 128 ]
