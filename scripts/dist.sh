#!/usr/bin/env bash
# Builds both Windows flavours and packs the release archives in build/dist:
# vocorix-1.0-win64.zip and vocorix-1.0-win32.zip, each a folder vocorix-1.0 with vocorix.exe,
# vocorix-table.exe, the help page and README.txt, and in its folder first-start the sample
# table and a settings file that names it (copied beside the program at a first start, so that
# unpacking a newer release never replaces the learner's own); and SHA256SUMS of both archives
# beside them.
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
    mkdir -p "$stage/first-start"
    cp "$build_root/$flavour/app/vocorix.exe" "$build_root/$flavour/table_tool/vocorix-table.exe" \
        "$build_root/$flavour/app/vocorix-help.html" "$stage/"
    cp "$root/examples/vocabulary.dbf" "$root/examples/vocorix.INI" "$stage/first-start/"
    # Windows text files: CRLF line ends; without the marks of the generated keys tables.
    grep -v '^\[/\?keys' "$root/docs/README-windows.txt" | sed 's/$/\r/' >"$stage/README.txt"
    find "$stage" -exec touch -d "@$stamp" {} +
    (cd "$work" && zip -q -r -X "$archive" "vocorix-$version")
    rm -rf "$work"
    echo "archive: $archive"
    unzip -l "$archive"
done
(cd "$dist" && sha256sum "vocorix-$version-win64.zip" "vocorix-$version-win32.zip" >SHA256SUMS)
echo "sums: $dist/SHA256SUMS"
cat "$dist/SHA256SUMS"
