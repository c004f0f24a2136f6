#!/usr/bin/env bash
# Runs the installer's test (tests/win/installer_test.cpp) in a Wine prefix of its own, made
# fresh each time: the release's installer, and one of a later version to upgrade to.
# Usage: scripts/test_installer.sh BUILD_ROOT   (needs $DISPLAY: see with-display.sh)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_root=$1
logs=$build_root/test-logs
msi=$build_root/dist/vocorix-1.0-x64.msi
next=$build_root/msi-test/vocorix-1.0.1-x64.msi
"$root/scripts/installer.sh" "$build_root" 1.0.1 "$next" 2>/dev/null
export WINEPREFIX=$build_root/wineprefix-msi
rm -rf "$WINEPREFIX"
"$root/scripts/wine.sh" --prepare
windows_path() { echo "Z:$(realpath "$1" | tr / '\\\\')"; }
export VOCORIX_MSI VOCORIX_MSI_NEXT WINEDEBUG=-all
VOCORIX_MSI=$(windows_path "$msi")
VOCORIX_MSI_NEXT=$(windows_path "$next")
# Wine passes the environment on to the Windows program.
echo "== wine-msi"
timeout --kill-after=30 900 "$root/scripts/wine.sh" "$build_root/win64/tests/win_tests.exe" \
    --gtest_filter='Installer.*' 2>&1 | tee "$logs/wine-msi.log"
code=${PIPESTATUS[0]}
/usr/lib/wine/wineserver -k 2>/dev/null || true
exit "$code"
