#!/usr/bin/env bash
# Builds the Windows program for users: a release cross build with MinGW-w64 that writes one
# statically linked, stripped BUILD_DIR/Pictavo.exe (BUILD_DIR is build/windows-release unless
# given), which runs on Windows 10 and 11 (64-bit) without an installer and without any DLL beside
# it; from the same program its installer and portable zip in BUILD_DIR/packaging/windows
# (Pictavo-VERSION-x64.msi, Pictavo-VERSION-win64.zip). Further arguments are CMake options on
# top (the test command adds warnings as errors).
# Usage: tools/build-windows.sh [BUILD_DIR [CMAKE_OPTION...]]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/windows-release}
shift $(($# > 0 ? 1 : 0))

tools/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest \
    wixl python3-olefile zip

# The linker and strip write the time into the program's header: the commit's, not the clock's, so
# that the program stripped here and the one in the packages, stripped on its own, are the same.
# Outside a git checkout (an unpacked source archive) there is no commit: the time of the build.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
    export SOURCE_DATE_EPOCH
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DPICTAVO_BUILD_GUI=OFF "$@"
cmake --build "$build_dir" --target pictavo_win32 pictavo_windows_packages
x86_64-w64-mingw32-strip "$build_dir/Pictavo.exe"
ls -l "$build_dir/Pictavo.exe" "$build_dir"/packaging/windows/Pictavo-*
