#!/usr/bin/env bash
# Configures the release build that users run and the Debian package ships, in the build folder
# given first; any further arguments are CMake options on top (the test command adds warnings as
# errors). tools/run.sh, tools/build-deb.sh and tools/test.sh all configure through here, so the
# tests build exactly what users build.
# Usage: tools/configure-release.sh BUILD_DIR [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$1
shift
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
