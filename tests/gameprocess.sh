# Shared by the scripts that start the real game and watch it end. Source it.

# Waits up to 10 s until the game reads its shutdown signals, which it does once it has started.
wait_until_listening() {
    for _ in $(seq 100); do
        grep -qs '^sigmask' /proc/"$1"/fdinfo/* && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to TENTHS tenths of a second for the game to end; fails while it still runs.
wait_for_exit() {
    for _ in $(seq "$2"); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$1" 2>/dev/null
}
