#!/usr/bin/env bash
# Builds the per-user Windows installer of the 64-bit build with wixl (msitools) from
# installer/vocorix.wxs. VERSION is the installer's three-part version; a higher one with the
# same upgrade code replaces an installed lower one.
# Usage: scripts/installer.sh BUILD_ROOT VERSION OUTPUT.msi
set -euo pipefail

build_root=$1
version=$2
output=$3
root=$(cd "$(dirname "$0")/.." && pwd)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
"$root/scripts/stage.sh" win64 "$build_root" "$stage/files"
mkdir -p "$(dirname "$output")"
# wixl takes the sources' paths relative to where it runs.
(cd "$stage" && cp "$root/resources/vocorix.ico" . &&
    wixl -a x64 -D Version="$version" -D Stage=files -D Icon=vocorix.ico -o installer.msi \
        "$root/installer/vocorix.wxs")
mv "$stage/installer.msi" "$output"
