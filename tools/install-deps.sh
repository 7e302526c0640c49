#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Pictavo need, and any further
# packages named as arguments (the benchmarks name theirs), skipping those already present.
# Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    clang libclang-rt-14-dev          # sanitizer build and the fuzzer
    qt6-base-dev                      # Qt 6 Widgets and Qt Test
    libgtest-dev
    fonts-liberation2                 # the interface typeface
    xvfb xauth xdotool                # the real-window check
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest   # the Windows cross build
    wine wine64                       # running its tests
    desktop-file-utils appstream      # validation of the desktop entry and metainfo
    dpkg-dev file                     # the Debian package's computed dependencies
    debootstrap                       # the install check in a clean Debian root
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root, or install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
