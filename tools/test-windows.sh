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

# A check whose tools are missing is skipped, not failed: run alone, this must install them itself.
tools/install-deps.sh --tests --packaging

# The Windows suites make windows, which Wine can only make with an X display: a virtual one of
# their own. The checks that drive the program start their own beside it.
if [ -z "${PICTAVO_WINDOWS_DISPLAY:-}" ]; then
    exec env PICTAVO_WINDOWS_DISPLAY=1 xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" \
        "$PWD/tools/test-windows.sh" "$@"
fi

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

source tests/support/check.sh
throwaway_wine_prefix "$(mktemp -d "${TMPDIR:-/tmp}/pictavo-wine.XXXXXX")"
# The registry tests may rewrite HKEY_LOCAL_MACHINE: this prefix is thrown away.
export PICTAVO_SCRATCH_REGISTRY=1

started=$SECONDS
# One wine server for the whole run, instead of one started and stopped per test program.
wineserver --persistent
wineboot --init >/dev/null 2>&1
link_wine_fonts
echo "Wine prefix ready in $((SECONDS - started)) s"

ctest --test-dir build/windows --output-on-failure -j 2
echo "Wine stage took $((SECONDS - started)) s"
