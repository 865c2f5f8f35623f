#!/usr/bin/env bash
# Installs what building and testing need on Debian (run as root, or with
# sudo available). Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ python3
    googletest libgtest-dev libgmock-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
    wine wine64 wine32:i386
    fonts-wine xvfb xdotool x11-utils imagemagick fonts-wqy-microhei
    clang libclang-rt-14-dev clang-tidy cppcheck git
    nsis
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "== setup: everything needed is installed"
    exit 0
fi

echo "== setup: installing ${missing[*]}"
# wine32 comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
