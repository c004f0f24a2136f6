#!/usr/bin/env bash
# Makes the pictures of the README: runs the end-to-end drill test and a test of each settings
# dialog on a fresh virtual display with VOCORIX_SCREENSHOTS set, crops each screen picture to the
# windows on it (the display is black around them) and writes docs/NAME.png and NAME-2x.png.
# Usage: scripts/screenshots.sh [BUILD_ROOT]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${1:-$root/build}
export VOCORIX_BUILD=$build_root
"$root/scripts/build.sh" win64 "$build_root"

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
# Wine shows the build machine's root as drive Z:.
# The drill window and the progress window at 100 % and at 200 % (a screen of 192 DPI) come from
# the tests of their scaling, run once at each DPI of the Wine prefix's screen.
export root build_root
VOCORIX_SCREENSHOTS="Z:$shots" VOCORIX_XVFB=1 "$root/scripts/with-display.sh" bash -c '
    wine=$root/scripts/wine.sh
    tests=$build_root/win64/tests/win_tests.exe
    status=0
    "$wine" --dpi 96
    "$wine" "$tests" --gtest_filter="DrillToTheEnd.AnsweredWordsChangeOnlyTheirStatistics:KeysDialogScene.ASwitchClearedAndAcceptedIsThereOnReopeningAndStoredWithTheOptions:OptionsDialogScene.TheResourceHoldsTheControlsInTabOrder:DrillWindowDpi.OpensScaledToTheScreen:ProgressWindowDpi.OpensAtTheDrillWindowsScale" || status=1
    "$wine" --dpi 192
    "$wine" "$tests" --gtest_filter=DrillWindowDpi.OpensScaledToTheScreen:ProgressWindowDpi.OpensAtTheDrillWindowsScale || status=1
    "$wine" --dpi 96
    exit $status'

# No time stamps in the files: a picture that did not change stays byte for byte the same.
png=(-strip -define png:exclude-chunks=date,time)
for bmp in "$shots"/*.bmp; do
    name=$(basename "$bmp" .bmp)
    convert "$bmp" -trim +repage "${png[@]}" "$root/docs/$name.png"
    case $name in
    *pct) echo "docs/$name.png" ;; # drawn at its size already
    *)
        convert "$root/docs/$name.png" -scale 200% "${png[@]}" "$root/docs/$name-2x.png"
        echo "docs/$name.png docs/$name-2x.png"
        ;;
    esac
done
