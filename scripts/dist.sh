#!/usr/bin/env bash
# Builds both Windows flavours and packs the release archives in build/dist:
# vocorix-1.0-win64.zip and vocorix-1.0-win32.zip, each a folder vocorix-1.0 with vocorix.exe,
# vocorix-table.exe, the help page, the sample table, a settings file that names it and
# README.txt; and SHA256SUMS of both archives beside them.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${1:-$root/build}
version=1.0
dist=$build_root/dist
# The files' times in the archives: the last commit's, so that a rebuild of the same commit
# gives the same archives.
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 946684800)

mkdir -p "$dist"
rm -f "$dist/SHA256SUMS"
for flavour in win64 win32; do
    "$root/scripts/build.sh" "$flavour" "$build_root"
    work=$dist/$flavour
    stage=$work/vocorix-$version
    archive=$dist/vocorix-$version-$flavour.zip
    rm -rf "$work" "$archive"
    mkdir -p "$stage"
    cp "$build_root/$flavour/app/vocorix.exe" "$build_root/$flavour/table_tool/vocorix-table.exe" \
        "$build_root/$flavour/app/vocorix-help.html" "$root/examples/vocabulary.dbf" "$stage/"
    # Windows text files: CRLF line ends.
    sed 's/$/\r/' "$root/docs/README-windows.txt" >"$stage/README.txt"
    printf '[Database]\r\nFile Name=vocabulary.dbf\r\n' >"$stage/vocorix.INI"
    find "$stage" -exec touch -d "@$stamp" {} +
    (cd "$work" && zip -q -r -X "$archive" "vocorix-$version")
    rm -rf "$work"
    echo "archive: $archive"
    unzip -l "$archive"
done
(cd "$dist" && sha256sum "vocorix-$version-win64.zip" "vocorix-$version-win32.zip" >SHA256SUMS)
echo "sums: $dist/SHA256SUMS"
cat "$dist/SHA256SUMS"
