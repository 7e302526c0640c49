#!/usr/bin/env bash
# Builds the Windows program for users (tools/build-windows.sh: Release, stripped) and cross-builds
# everything it is made of for 64-bit Windows with MinGW-w64 in build/windows, then runs the tests
# under Wine in a throwaway prefix: the image reader, the drop logic, the launchers and the Windows
# services against a real registry, shell, processes and file system, and the user's Pictavo.exe
# itself in a real window on a virtual X server, with real drags from an X client. Arguments are
# CMake options for all three builds (tools/test.sh makes warnings errors).
# Usage: tools/test-windows.sh [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."

# The program as users get it, in a folder of its own so that it is not the test build's.
tools/build-windows.sh build/windows-release-strict "$@"

# That X client is a Linux program: built natively first, then handed to the cross build.
cmake -S app/win32/tests/xdnd -B build/windows-xdnd -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@"
cmake --build build/windows-xdnd

cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DPICTAVO_BUILD_GUI=OFF \
    -DPICTAVO_XDND_DRAG="$PWD/build/windows-xdnd/xdnd_drag" \
    -DPICTAVO_CHECKED_PROGRAM="$PWD/build/windows-release-strict/Pictavo.exe" "$@"
cmake --build build/windows -j 2

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-wine.XXXXXX")
export WINEPREFIX
# No debug chatter; no offer to install Mono or Gecko, which no test needs.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine stores Windows file names as Unix names in the locale's character set: without a UTF-8
# locale (as under a bare CI environment) a name outside ASCII cannot be created at all.
export LC_ALL=C.UTF-8
# The registry tests may rewrite HKEY_LOCAL_MACHINE: this prefix is thrown away.
export PICTAVO_SCRATCH_REGISTRY=1

stop_wine() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT

started=$SECONDS
# One wine server for the whole run, instead of one started and stopped per test program.
wineserver --persistent
wineboot --init >/dev/null 2>&1
# Wine's own faces (Tahoma, MS Sans Serif: Debian's fonts-wine), which this Wine looks for only
# in the prefix's font folder.
[ -d /usr/share/wine/fonts ] && ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
echo "Wine prefix ready in $((SECONDS - started)) s"

ctest --test-dir build/windows --output-on-failure -j 2
echo "Wine stage took $((SECONDS - started)) s"
