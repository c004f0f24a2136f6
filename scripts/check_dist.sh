#!/usr/bin/env bash
# Checks what scripts/dist.sh made: both archives and the installer hold exactly the release's
# files, the archives' programs each of its own flavour, and SHA256SUMS matches them. Ends with "N passed, N failed".
# Usage: scripts/check_dist.sh [BUILD_ROOT]
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dist=${1:-$root/build}/dist
passed=0
failed=0
check() { # description, command...
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
    fi
}
# The machine a PE file is built for, from its header: 8664 (x64) or 014c (x86).
pe_machine() {
    python3 -c 'import struct,sys
d=open(sys.argv[1],"rb").read(4096)
o=struct.unpack_from("<I",d,0x3c)[0]
assert d[o:o+4]==b"PE\0\0"
print("%04x"%struct.unpack_from("<H",d,o+4)[0])' "$1"
}

expected="README.txt first-start/vocabulary.dbf first-start/vocorix.INI vocorix-help.html vocorix-table.exe vocorix.exe"
for flavour in win64 win32; do
    archive=$dist/vocorix-1.0-$flavour.zip
    check "$flavour archive exists" test -f "$archive"
    files=$(unzip -Z1 "$archive" 2>/dev/null | grep -v '/$' | sed 's|^vocorix-1.0/||' | sort | xargs)
    check "$flavour archive holds: $expected (has: $files)" test "$files" = "$(echo "$expected" | tr ' ' '\n' | sort | xargs)"
    machine=$([ "$flavour" = win64 ] && echo 8664 || echo 014c)
    unpacked=$(mktemp -d)
    unzip -q "$archive" -d "$unpacked" 2>/dev/null
    for program in vocorix.exe vocorix-table.exe; do
        check "$flavour $program is built for machine $machine" \
            test "$(pe_machine "$unpacked/vocorix-1.0/$program" 2>/dev/null)" = "$machine"
    done
    check "$flavour first start rests the words it knows" grep -q 'Age8=9:256' "$unpacked/vocorix-1.0/first-start/vocorix.INI"
    check "$flavour help page has its sections" grep -q 'id="function-keys"' "$unpacked/vocorix-1.0/vocorix-help.html"
    rm -rf "$unpacked"
done
msi=$dist/vocorix-1.0-x64.msi
check "the installer exists" test -f "$msi"
installed=$(msiextract -l "$msi" 2>/dev/null | sed 's|^Programs/Vocorix/||' | sort | xargs)
check "the installer holds: $expected (has: $installed)" test "$installed" = "$(echo "$expected" | tr ' ' '\n' | sort | xargs)"
check "the installer is version 1.0.0" bash -c "msiinfo export '$msi' Property | grep -q '^ProductVersion	1.0.0'"
check "the installer installs per user" bash -c "! msiinfo export '$msi' Property | grep -q '^ALLUSERS'"
check "SHA256SUMS names the installer and both archives" test "$(awk '{print $2}' "$dist/SHA256SUMS" 2>/dev/null | xargs)" = "vocorix-1.0-x64.msi vocorix-1.0-win64.zip vocorix-1.0-win32.zip"
check "SHA256SUMS matches the files" bash -c "cd '$dist' && sha256sum -c SHA256SUMS"
echo "dist: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
