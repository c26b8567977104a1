#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the project does not match its .clang-format, naming each such file.
# Usage: check_format.sh SOURCE_DIR
set -euo pipefail
cd "$1"
formatter=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$formatter" ] || { echo "SKIP: clang-format-14 is not installed (make deps installs it)"; exit 77; }
mapfile -t files < <(find src tools tests benchmarks \( -name '*.cpp' -o -name '*.h' \) -not -path '*/corpus/*' | sort)
bad=0
for file in "${files[@]}"; do
    if ! "$formatter" --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file"
        bad=$((bad + 1))
    fi
done
echo "${#files[@]} files checked, $bad not formatted"
[ "$bad" -eq 0 ]
