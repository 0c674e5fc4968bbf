#!/usr/bin/env bash
# Starts the game, waits until it listens for shutdown signals, sends SIGNAL and expects the
# program to end within a few seconds with STATUS: 0 when it closed its windows itself.
#   exit_on_signal.sh GAME DATA_FOLDER SIGNAL [SECONDS_BEFORE_SIGNAL [STATUS [OPTION]]]
# OPTION opens another window instead of a game (--progress).
set -u
. "$(dirname "$0")/gameprocess.sh"
game=$1 data=$2 signal=$3 settle=${4:-0} expected=${5:-0}
# A signal that dumps core must not leave a core file in the data folder.
ulimit -c 0
cd "$data" || exit 2
# A script's background command starts with SIGINT and SIGQUIT ignored; the game must get them as
# a terminal would send them.
env --default-signal=INT,QUIT "$game" ${6:+"$6"} &
pid=$!
wait_until_listening "$pid" || { echo "the game never listened for signals"; kill -KILL "$pid"; exit 1; }
sleep "$settle"
kill -s "$signal" "$pid"
if ! wait_for_exit "$pid" 100; then
    echo "still running 10 s after SIG$signal"
    kill -KILL "$pid"
    exit 1
fi
wait "$pid"
status=$?
echo "SIG$signal after ${settle}s: exit status $status (expected $expected)"
[ "$status" -eq "$expected" ]
