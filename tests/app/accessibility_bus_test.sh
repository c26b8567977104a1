#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb on a real accessibility bus: an assistive client finds the main
# window's controls by name, presses "Stats" through its action and sees the statistics window open.
set -euo pipefail

. "$(dirname "$0")/real_program.sh"
here=$(dirname "$0")

# A session bus of its own, with the accessibility bus beside it, as a desktop session has them.
exec_in_session() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap 'kill "$launcher" 2>/dev/null || true; kill -9 "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
    # Qt registers with the bus when an assistive client might be listening.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
    pid=$!
    timeout 60 xdotool search --sync --name '^Zantaro Slots$' >/dev/null || fail "the game's window did not appear"
    timeout 60 /usr/bin/python3 "$here/press_stats_by_action.py" || fail "the assistive client did not open the statistics"
    echo "1 passed, 0 failed"
}

if [ -z "${ZANTARO_IN_SESSION:-}" ]; then
    ZANTARO_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
exec_in_session
