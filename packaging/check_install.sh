#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks the tree a desktop game needs: the program
# with all its files in one directory, bin/zantaro leading to it, the icons, a valid desktop entry
# and valid AppStream metadata.
# Usage: check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1
app_id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
count() { find "$1" -maxdepth 1 -name "$2" | wc -l; }

for tool in desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (make deps installs it)"; exit 77; }
done

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
program_dir="$prefix/lib/zantaro"

[ -x "$program_dir/zantaro" ] || fail "lib/zantaro/zantaro is missing"
[ "$(count "$program_dir" '*.bmp')" -eq 78 ] || fail "lib/zantaro holds $(count "$program_dir" '*.bmp') bitmaps, not 78 (26 pictures at 1x, 2x and 3x)"
[ "$(count "$program_dir" '*.wav')" -eq 11 ] || fail "lib/zantaro holds $(count "$program_dir" '*.wav') sounds, not 11"
if [ -f "$build_dir/Zantaro.hlp" ]; then
    [ -f "$program_dir/Zantaro.hlp" ] || fail "the manual Zantaro.hlp was not installed"
fi

# A relative link, so the tree can move; the program it reaches finds its files beside itself.
[ "$(readlink "$prefix/bin/zantaro")" = "../lib/zantaro/zantaro" ] || fail "bin/zantaro is not a link to ../lib/zantaro/zantaro"
[ "$(readlink -f "$prefix/bin/zantaro")" = "$(readlink -f "$program_dir/zantaro")" ] || fail "bin/zantaro does not resolve"

for size in 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a $size x $size PNG"
done

grep -q "^License: GPL-3.0-or-later" "$prefix/share/doc/zantaro/copyright" || fail "share/doc/zantaro/copyright does not give the licence"

desktop="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
grep -qx "Exec=zantaro" "$desktop" || fail "the desktop entry does not start zantaro"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"

appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli refused the metadata"
echo "install layout ok"
