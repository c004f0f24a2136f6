#!/usr/bin/env bash
# Builds both Windows flavours and packs the release in build/dist: the installer
# vocorix-1.0-x64.msi (64-bit, per user), and vocorix-1.0-win64.zip and vocorix-1.0-win32.zip,
# each a folder vocorix-1.0 with the files scripts/stage.sh puts there; and SHA256SUMS of all
# three beside them.
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
    "$root/scripts/stage.sh" "$flavour" "$build_root" "$stage"
    find "$stage" -exec touch -d "@$stamp" {} +
    (cd "$work" && zip -q -r -X "$archive" "vocorix-$version")
    rm -rf "$work"
    echo "archive: $archive"
    unzip -l "$archive"
done
"$root/scripts/installer.sh" "$build_root" "$version.0" "$dist/vocorix-$version-x64.msi"
echo "installer: $dist/vocorix-$version-x64.msi"
(cd "$dist" && sha256sum "vocorix-$version-x64.msi" "vocorix-$version-win64.zip" \
    "vocorix-$version-win32.zip" >SHA256SUMS)
echo "sums: $dist/SHA256SUMS"
cat "$dist/SHA256SUMS"
