#!/usr/bin/env bash
# Builds the program, puts the sample table and a settings file beside it, and starts it under
# Wine. Without $DISPLAY it runs on a virtual display for a few seconds and saves a screenshot.
# Usage: scripts/run.sh [BUILD_ROOT] [--first-start]
#   --first-start: a fresh folder as the release archive unpacks: the program, and the sample
#   table and settings in its first-start folder, which the program copies beside itself.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${1:-$root/build}
first_start=${2:-}
export VOCORIX_BUILD=$build_root
"$root/scripts/build.sh" win64 "$build_root"
"$root/scripts/build.sh" win32 "$build_root"

bin=$build_root/win64/app
if [ "$first_start" = --first-start ]; then
    bin=$build_root/first-start
    rm -rf "$bin"
    mkdir -p "$bin"
    mkdir -p "$bin/first-start"
    cp "$build_root/win64/app/vocorix.exe" "$build_root/win64/app/vocorix-help.html" "$bin/"
    cp "$root/examples/vocabulary.dbf" "$root/examples/vocorix.INI" "$bin/first-start/"
elif [ -f "$root/examples/vocabulary.dbf" ]; then
    # An existing table and settings file are the learner's own, with their progress: leave
    # them alone.
    [ -f "$bin/vocabulary.dbf" ] || cp "$root/examples/vocabulary.dbf" "$bin/"
    [ -f "$bin/vocorix.INI" ] || cp "$root/examples/vocorix.INI" "$bin/"
fi

if [ -n "${DISPLAY:-}" ]; then
    cd "$bin"
    exec "$root/scripts/wine.sh" ./vocorix.exe
fi

shot() {
    cd "$bin"
    "$root/scripts/wine.sh" --prepare
    "$root/scripts/wine.sh" ./vocorix.exe &
    local pid=$!
    sleep "${VOCORIX_RUN_SECONDS:-8}"
    import -window root "$build_root/screenshot.png"
    # The virtual display is black around the window: keep just the window.
    convert "$build_root/screenshot.png" -trim +repage "$build_root/screenshot.png"
    kill "$pid" 2>/dev/null || true
    WINEPREFIX="$build_root/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "screenshot: $build_root/screenshot.png"
}
export -f shot
export root build_root bin
"$root/scripts/with-display.sh" bash -c shot
