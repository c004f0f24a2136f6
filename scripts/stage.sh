#!/usr/bin/env bash
# Puts the release's files of one built flavour into a folder: vocorix.exe, vocorix-table.exe,
# the help page, README.txt, and in first-start the sample table and a settings file that names
# it (copied beside the program at a first start, so that a newer release, unpacked or
# installed over an older one, never replaces the learner's own).
# Usage: scripts/stage.sh FLAVOUR BUILD_ROOT FOLDER
set -euo pipefail

flavour=$1
build_root=$2
stage=$3
root=$(cd "$(dirname "$0")/.." && pwd)

rm -rf "$stage"
mkdir -p "$stage/first-start"
cp "$build_root/$flavour/app/vocorix.exe" "$build_root/$flavour/table_tool/vocorix-table.exe" \
    "$build_root/$flavour/app/vocorix-help.html" "$stage/"
cp "$root/examples/vocabulary.dbf" "$root/examples/vocorix.INI" "$stage/first-start/"
# Windows text files: CRLF line ends; without the marks of the generated keys tables.
grep -v '^\[/\?keys' "$root/docs/README-windows.txt" | sed 's/$/\r/' >"$stage/README.txt"
