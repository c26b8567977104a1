#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb: a second copy on the same settings folder brings the first copy's
# window forward and exits; SIGTERM, SIGHUP and SIGINT each close the game as its close box does,
# storing a bet changed since the last spin, without asking anything.
set -euo pipefail

. "$(dirname "$0")/real_program.sh"
# An update reminder long overdue: a close that asked would hang on its question.
printf '[Zantaro]\nUses=5\nVer=1.0\nUpdate=01/01/2000\n' > "$XDG_CONFIG_HOME/zantaro/qxupdate.ini"

start_game() {
    "$program" 2>/dev/null &
    pid=$!
    window=$(timeout 60 xdotool search --sync --name '^Zantaro Slots$' | head -n 1) || fail "the game's window did not appear"
    sleep 1
}

# Waits up to 20 s for the process to end; fails if it does not.
expect_exit() {
    for _ in $(seq 200); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "$2"
}

passed=0

start_game
"$program" 2>/dev/null &
second=$!
expect_exit "$second" "a second copy did not exit"
wait "$second" || fail "a second copy reported a failure"
kill -0 "$pid" 2>/dev/null || fail "the first copy ended when the second started"
passed=$((passed + 1))

coins=1
for signal in TERM HUP INT; do
    coins=$((coins + 1))
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --window "$window" c
    sleep 0.5
    kill -s "$signal" "$pid"
    expect_exit "$pid" "SIG$signal did not close the game"
    wait "$pid" 2>/dev/null || true
    [ "$(value_of CoinsPerLine)" = "$coins" ] || fail "SIG$signal did not store the bet of $coins coins a line"
    passed=$((passed + 1))
    [ "$signal" = INT ] || start_game
done

# A lock left by the killed copy does not block the next start.
start_game
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
start_game
kill -s TERM "$pid"
expect_exit "$pid" "the copy started after a killed one did not close"
passed=$((passed + 1))
echo "one copy and signals: $passed passed, 0 failed"
