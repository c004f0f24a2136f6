#!/usr/bin/env bash
# Builds the four flavours, runs the native tests (64-bit, then 32-bit under qemu-i386), then
# the Windows tests under Wine on a virtual display; ends with one summary line per suite and
# fails if anything failed.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${1:-$root/build}
export VOCORIX_BUILD=$build_root
logs=$build_root/test-logs
mkdir -p "$logs"

for flavour in native native32 win64 win32; do
    echo "== building $flavour"
    "$root/scripts/build.sh" "$flavour" "$build_root" || { echo "build of $flavour failed"; exit 1; }
done

status=0
# Each test program stops a test that runs past its own limit and names it (tests/test_main.cpp).
# This bound on a whole suite is the last resort, for a hang outside any test (a program that
# never exits, Wine waiting for a window): the suite is stopped and reported as such.
suite_limit=${VOCORIX_SUITE_TIME_LIMIT:-3600}
run_suite() { # name, command...
    local name=$1
    shift
    echo "== $name"
    timeout --kill-after=30 "$suite_limit" "$@" 2>&1 | tee "$logs/$name.log"
    local code=${PIPESTATUS[0]}
    # 124: timeout stopped it; 137: it had to be killed.
    if [ "$code" -eq 124 ] || [ "$code" -eq 137 ]; then
        echo "[ TIMEOUT  ] the whole suite $name stopped after $suite_limit s" | tee -a "$logs/$name.log"
    fi
    [ "$code" -eq 0 ] || status=1
}

run_suite native-core "$build_root/native/tests/core_tests"
run_suite native32-core qemu-i386 "$build_root/native32/tests/core_tests"
run_windows_suites() {
    # A run stopped half-way may have left the prefix at another DPI.
    "$root/scripts/wine.sh" --dpi 96
    run_suite wine-core "$root/scripts/wine.sh" "$build_root/win64/tests/core_tests.exe"
    run_suite wine-win "$root/scripts/wine.sh" "$build_root/win64/tests/win_tests.exe"
    # The drill window and its progress window on screens of 150 % and 200 %: the prefix's DPI
    # is read as a program starts, so each is a run of its own; the prefix goes back to 96 DPI
    # after them.
    for dpi in 144 192; do
        "$root/scripts/wine.sh" --dpi "$dpi"
        run_suite "wine-dpi-$dpi" "$root/scripts/wine.sh" "$build_root/win64/tests/win_tests.exe" \
            --gtest_filter='DrillWindowDpi.OpensScaledToTheScreen:ProgressWindowDpi.OpensAtTheDrillWindowsScale'
    done
    "$root/scripts/wine.sh" --dpi 96
    # Wine's server holds the display open; end it before the display goes.
    WINEPREFIX="$build_root/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
}
export -f run_suite run_windows_suites
export root build_root logs suite_limit
VOCORIX_XVFB=1 "$root/scripts/with-display.sh" bash -c 'status=0; run_windows_suites; exit $status' || status=1
# The release archives of both flavours, built from what was just tested.
# The keys tables of the documents agree with their one source.
run_suite dist bash -c '"$root/scripts/keys_table.py" --check && "$root/scripts/dist.sh" "$build_root" >/dev/null && "$root/scripts/check_dist.sh" "$build_root"'
# The installer in a Wine prefix made fresh for it: install, a drill from the installed
# folder, an upgrade to a later version, uninstall.
VOCORIX_XVFB=1 "$root/scripts/with-display.sh" "$root/scripts/test_installer.sh" "$build_root" || status=1

echo
echo "== summary"
for log in native-core native32-core wine-core wine-win wine-dpi-144 wine-dpi-192 wine-msi; do
    passed=$(grep -ho '^\[  PASSED  \] [0-9]* test' "$logs/$log.log" | grep -o '[0-9]*' || echo 0)
    failed=$(grep -ho '^\[  FAILED  \] [0-9]* test' "$logs/$log.log" | grep -o '[0-9]*' || echo 0)
    grep -h -e '^\[==========\] [0-9]* tests* from' "$logs/$log.log" | tail -1
    [ -n "$passed" ] || passed=0
    [ -n "$failed" ] || failed=0
    if [ "$passed" -eq 0 ] && [ "$failed" -eq 0 ]; then status=1; fi
    echo "$log: $passed passed, $failed failed"
    grep -h '^\[ TIMEOUT  \]' "$logs/$log.log" && status=1
done
tail -1 "$logs/dist.log"
exit $status
