#!/usr/bin/env bash
# Runs one Windows program under wine64 with the project's Wine set-up: a prefix inside the
# build tree (made once, reused), no debug output, unmanaged X11 windows so that windows draw
# their own frames on a display without a window manager.
# Usage: scripts/wine.sh PROGRAM.exe [ARGS...]   (needs $DISPLAY: see with-display.sh)
#        scripts/wine.sh --prepare              (makes the prefix and nothing else)
#        scripts/wine.sh --dpi N                (the prefix's screen shows N dots per inch from
#                                                the next program on; 96 is the normal)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-${VOCORIX_BUILD:-$root/build}/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs when the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

if command -v wine64 >/dev/null; then
    wine=wine64
elif [ -x /usr/lib/wine/wine64 ]; then
    wine=/usr/lib/wine/wine64
else
    echo "wine64 not found" >&2
    exit 1
fi

if [ ! -f "$WINEPREFIX/.vocorix-ready" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1 || true
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver_cmd=$(dirname "$(command -v "$wine" || echo "$wine")")/wineserver
    [ -x "$wineserver_cmd" ] || wineserver_cmd=wineserver
    "$wineserver_cmd" -w 2>/dev/null || true
    touch "$WINEPREFIX/.vocorix-ready"
fi

# This Wine does not find the fonts it ships (the caption buttons need Marlett): give them to
# the prefix.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
fi

# --prepare: only make sure the prefix exists (its first set-up shows a dialog for a while).
[ "${1:-}" = "--prepare" ] && exit 0
if [ "${1:-}" = "--dpi" ]; then
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${2:?DPI}" /f \
        >/dev/null 2>&1
    # A fresh Wine session for the next program, started where it is started.
    wineserver_cmd=$(dirname "$(command -v "$wine" || echo "$wine")")/wineserver
    [ -x "$wineserver_cmd" ] || wineserver_cmd=wineserver
    "$wineserver_cmd" -w 2>/dev/null || true
    exit 0
fi

exec "$wine" "$@"
