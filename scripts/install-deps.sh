#!/usr/bin/env bash
# Installs the Debian packages the builds and tests use; on a machine that has them all it
# installs nothing.
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev clang-format libcli11-dev zip
    libgtest-dev googletest libgmock-dev libbenchmark-dev
    g++-mingw-w64-x86-64 g++-mingw-w64-i686
    g++-multilib qemu-user
    wine64 xvfb xauth x11-apps imagemagick
    python3 python3-dbf shapelib wixl msitools
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# With recommends: Wine's X11 driver loads the X extension libraries and fonts they bring.
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
