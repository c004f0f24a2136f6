#!/usr/bin/env bash
# Builds the 32-bit Windows programs and packs the release archive:
# build/dist/vocorix-1.0-win32.zip with vocorix.exe, vocorix-table.exe, the sample table, a
# settings file that names it, and README.txt.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${1:-$root/build}
version=1.0
"$root/scripts/build.sh" win32 "$build_root"

stage=$build_root/dist/vocorix-$version
archive=$build_root/dist/vocorix-$version-win32.zip
rm -rf "$stage" "$archive"
mkdir -p "$stage"
cp "$build_root/win32/app/vocorix.exe" "$build_root/win32/table_tool/vocorix-table.exe" \
    "$root/examples/vocabulary.dbf" "$stage/"
# Windows text files: CRLF line ends.
sed 's/$/\r/' "$root/docs/README-windows.txt" >"$stage/README.txt"
printf '[Database]\r\nFile Name=vocabulary.dbf\r\n' >"$stage/vocorix.INI"
(cd "$build_root/dist" && zip -q -r -X "$archive" "vocorix-$version")
echo "archive: $archive"
unzip -l "$archive"
