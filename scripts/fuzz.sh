#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds; any finding fails the run.
set -euo pipefail
build_root=$1
seconds=${2:-60}
for f in "$build_root"/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] && [ -f "$f" ] || continue
    name=$(basename "$f")
    corpus=$build_root/fuzz/corpus/$name
    mkdir -p "$corpus"
    echo "== $name ($seconds s)"
    "$f" -max_total_time="$seconds" -print_final_stats=1 "$corpus" 2>&1 | tail -5
done
