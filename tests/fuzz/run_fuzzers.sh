#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target of a built fuzz directory for a bounded time on its seed corpus; prints the
# executions of each and stops with the crash log when one finds a failure.
# Usage: run_fuzzers.sh FUZZ_BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
build_dir=$1
seconds=$2
source_dir=$(cd "$(dirname "$0")" && pwd)

for target in ini_document saved_game history_file; do
    corpus="$build_dir/corpus/$target"
    log="$build_dir/$target.log"
    mkdir -p "$corpus" "$build_dir/crashes"
    dict="$source_dir/$target.dict"
    [ -f "$dict" ] || dict="$source_dir/ini.dict"
    echo "Fuzzing $target for $seconds s"
    if ! "$build_dir/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -dict="$dict" -artifact_prefix="$build_dir/crashes/$target-" \
        "$corpus" "$source_dir/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target: failure found; the input is in $build_dir/crashes/" >&2
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$log"
done
