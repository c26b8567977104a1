#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Wayland session test under Weston's headless backend, on a socket of its own.
# usage: wayland_session_test.sh TEST_EXECUTABLE
set -eu
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
socket=zantaro-test-$$
weston --backend=headless-backend.so --width=1920 --height=1080 --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"' EXIT
# The socket appears once the compositor listens; give up after about ten seconds.
tries=0
while [ ! -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.1
done
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$1"
