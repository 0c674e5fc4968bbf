#!/usr/bin/env bash
# Starts the game as a Wayland desktop would (a headless Weston with XWayland, no platform
# chosen) and expects its first frame drawn through XWayland, Qt's platform "xcb".
#   on_wayland.sh GAME DATA_FOLDER
set -u
game=$1 data=$2
cd "$data" || exit 2
session=$(mktemp -d)
weston_pid= game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill -TERM "$game_pid" 2>/dev/null && wait "$game_pid"
    # Weston ends its XWayland with it, which removes its X display's lock.
    [ -n "$weston_pid" ] && kill -TERM "$weston_pid" 2>/dev/null && wait "$weston_pid"
    rm -rf "$session"
}
trap cleanup EXIT
XDG_RUNTIME_DIR=$session weston --backend=headless-backend.so --xwayland --socket=wayland-game \
    --idle-time=0 >"$session/weston.log" 2>&1 &
weston_pid=$!
display=
for _ in $(seq 100); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$session/weston.log")
    [ -n "$display" ] || ! kill -0 "$weston_pid" 2>/dev/null && break
    sleep 0.1
done
if [ -z "$display" ]; then
    echo "Weston did not start with XWayland:"
    cat "$session/weston.log"
    exit 1
fi
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$session" XDG_SESSION_TYPE=wayland \
    WAYLAND_DISPLAY=wayland-game DISPLAY="$display" QUINTARLOW_TRACE_STARTUP=1 \
    "$game" 2>"$session/game.log" &
game_pid=$!
for _ in $(seq 200); do
    grep -qs '^startup painted_ns=' "$session/game.log" || ! kill -0 "$game_pid" 2>/dev/null &&
        break
    sleep 0.1
done
drawn=$(grep '^startup painted_ns=' "$session/game.log")
echo "${drawn:-no frame drawn within 20 s}"
[[ "$drawn" == *" platform=xcb" ]] || { cat "$session/game.log"; exit 1; }
