#!/usr/bin/env bash
# Runs every benchmark: the native programs of the bench build, then the drill window's under
# Wine on a virtual display. Prints the machine first, since the figures are its.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=$(cd "$1" && pwd)
export VOCORIX_BUILD=$build_root

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo "== machine: $(nproc) cores, $cpu, load average $(cut -d' ' -f1-3 /proc/loadavg)"
for b in "$build_root"/bench/bench/*; do
    [ -x "$b" ] && [ -f "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_color=false
done

drill=$build_root/win64/bench/win/bench_drill_window.exe
progress=$build_root/win64/bench/win/bench_progress_window.exe
run_drill_bench() {
    echo "== $(basename "$drill") (under Wine)"
    "$root/scripts/wine.sh" "$drill"
    echo "== $(basename "$progress") (under Wine)"
    "$root/scripts/wine.sh" "$progress"
    # Wine's server holds the display open; end it before the display goes.
    WINEPREFIX="$build_root/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
}
export -f run_drill_bench
export root drill progress build_root
VOCORIX_XVFB=1 "$root/scripts/with-display.sh" bash -c run_drill_bench
