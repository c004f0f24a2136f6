#!/usr/bin/env bash
# Runs every benchmark program of the bench build.
set -euo pipefail
build_root=$1
for b in "$build_root"/bench/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    echo "== $(basename "$b")"
    "$b"
done
