#!/usr/bin/env bash
# Starts the game, waits until it listens for shutdown signals, sends SIGNAL and expects the
# program to close its windows and end with status 0 within a few seconds.
#   exit_on_signal.sh GAME DATA_FOLDER SIGNAL [SECONDS_BEFORE_SIGNAL]
set -u
game=$1 data=$2 signal=$3 settle=${4:-0}
cd "$data" || exit 2
"$game" &
pid=$!
listening=no
for _ in $(seq 100); do
    if grep -qs '^sigmask' /proc/"$pid"/fdinfo/* 2>/dev/null; then listening=yes; break; fi
    sleep 0.1
done
[ "$listening" = yes ] || { echo "the game never listened for signals"; kill -KILL "$pid"; exit 1; }
sleep "$settle"
kill -s "$signal" "$pid"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "still running 10 s after SIG$signal"
    kill -KILL "$pid"
    exit 1
fi
wait "$pid"
status=$?
echo "SIG$signal after ${settle}s: exit status $status"
[ "$status" -eq 0 ]
