#!/usr/bin/env bash
# Configures (once) and builds one flavour: native | native32 | win64 | win32 | bench | fuzz.
# Usage: scripts/build.sh FLAVOUR [BUILD_ROOT [TARGET...]]   (no target: everything)
set -euo pipefail

flavour=$1
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${2:-$root/build}
targets=("${@:3}")
dir=$build_root/$flavour
jobs=${JOBS:-$(nproc)}
# Run from make, the outer make's flags would make the inner build chatty.
unset MAKEFLAGS MFLAGS MAKELEVEL

case $flavour in
native) args=(-DCMAKE_BUILD_TYPE=Debug -DVOCORIX_SANITIZE=ON) ;;
native32) args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-linux32.cmake") ;;
win64) args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw64.cmake") ;;
win32) args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" -DVOCORIX_TESTS=OFF) ;;
bench) args=(-DCMAKE_BUILD_TYPE=Release -DVOCORIX_BENCH=ON -DVOCORIX_TESTS=OFF) ;;
fuzz) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOCORIX_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
*) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac

if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
fi
# Progress lines are hidden; warnings and errors show, and the build's exit code decides.
cmake --build "$dir" -j "$jobs" ${targets[@]+--target "${targets[@]}"} 2>&1 | { grep -v -e '^\[ *[0-9]*%\]' -e '^Consolidate compiler' -e '^-- ' || true; }
