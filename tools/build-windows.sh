#!/usr/bin/env bash
# Builds the Windows program for users: a release cross build with MinGW-w64 that writes one
# statically linked, stripped build/windows-release/Pictavo.exe, which runs on Windows 10 and 11
# (64-bit) without an installer and without any DLL beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest

cmake -S . -B build/windows-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DPICTAVO_BUILD_GUI=OFF
cmake --build build/windows-release --target pictavo_win32
x86_64-w64-mingw32-strip build/windows-release/Pictavo.exe
ls -l build/windows-release/Pictavo.exe
