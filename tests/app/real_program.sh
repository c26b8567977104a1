# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests of the real program under Xvfb: a scratch settings folder and runtime
# directory of their own, the real X11 window whatever platform the other tests use, and `fail`.
program=$1
work=$(mktemp -d)
trap 'kill -9 "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/zantaro" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
ini=$XDG_CONFIG_HOME/zantaro/Zantaro.ini

fail() {
    echo "FAILED: $1"
    cat "$ini" 2>/dev/null || true
    exit 1
}

value_of() { sed -n "s/^$1=//p" "$ini" | tr -d '\r'; }
