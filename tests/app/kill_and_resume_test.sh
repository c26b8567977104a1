#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills the real program with SIGKILL in the middle of a spin and in the middle of counting off a
# win, and starts it again: the stored running game must be whole and as it was before the spin
# that was cut off, so the wager comes back. Runs under Xvfb at 1280 x 1024.
#
# The time of day is frozen (libfaketime), so every reseed reads 10:00:00.000 and the spin is
# known: it wins 18 credits on line 5, counted off in 18 steps of 0.1 s after the wheels stop.
# The history of the game ("History.json") must hold exactly the spins that were paid, across the
# kills and restarts.
set -euo pipefail

. "$(dirname "$0")/real_program.sh"
history=$XDG_CONFIG_HOME/zantaro/History.json
printf '[CurrentGame]\nCredits=500\nDouble=0\nSound=0\n' > "$ini"

# The spin button's centre in the 1280-pixel layout, in the window at the original pixel size.
spin_x=1085
spin_y=534

# Starts the game, clicks the spin button and kills the game the given seconds later.
spin_and_kill_after() {
    FAKETIME='2026-12-08 10:00:00' FAKETIME_DONT_FAKE_MONOTONIC=1 \
        LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 "$program" --zoom 1 2>/dev/null &
    pid=$!
    window=$(timeout 60 xdotool search --sync --name 'Zantaro Slots' | head -n 1) || fail "the game's window did not appear"
    sleep 1
    xdotool mousemove --window "$window" "$spin_x" "$spin_y" click 1
    sleep "$1"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
}

# How many recalled spins the history holds, and their credits after, oldest first.
recalled_spins() { grep -o '"clock":' "$history" | wc -l; }
recalled_credits() { grep -o '"creditsAfter":[0-9]*' "$history" | cut -d: -f2 | tr '\n' ' '; }

before=$(cat "$ini")
spin_and_kill_after 1.0 # the wheels are turning
[ "$(cat "$ini")" = "$before" ] || fail "a kill mid-spin changed the stored game"

spin_and_kill_after 3.3 # the win is being counted off
[ "$(cat "$ini")" = "$before" ] || fail "a kill mid-count-off changed the stored game"
[ ! -e "$history" ] || fail "a spin cut off before it was paid was recalled"

spin_and_kill_after 8 # the spin has been paid and stored
[ "$(value_of Credits)" = 510 ] || fail "the resumed game did not keep its 500 credits and pay 18 on a bet of 8"
[ "$(value_of Spins)" = 1 ] || fail "the resumed game counted the cut-off spins"
[ "$(value_of TotalBets)" = 8 ] || fail "the resumed game kept the wagers of the cut-off spins"
[ "$(recalled_spins)" = 1 ] || fail "the history does not hold exactly the one paid spin"
[ "$(recalled_credits)" = "510 " ] || fail "the recalled spin does not show the 510 credits after it"

spin_and_kill_after 8 # a second paid spin after a restart
[ "$(recalled_spins)" = 2 ] || fail "the history of the first run did not survive the restart"
[ "$(recalled_credits)" = "510 520 " ] || fail "the recalled spins are not the two paid ones, oldest first"
echo "kill and resume: 5 passed, 0 failed"
