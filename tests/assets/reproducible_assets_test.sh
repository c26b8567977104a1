#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The asset generator writes the same files, byte for byte, every time it runs, so builds of the
# same source give the same package.
# usage: reproducible_assets_test.sh ASSET_GENERATOR
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for run in first second; do
    mkdir -p "$work/$run/files" "$work/$run/resources"
    QT_QPA_PLATFORM=offscreen "$1" "$work/$run/files" "$work/$run/resources" >/dev/null
done
diff -r "$work/first" "$work/second"
