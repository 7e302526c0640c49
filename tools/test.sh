#!/usr/bin/env bash
# Installs what is missing, then builds and tests what users run, with every warning an error:
# - the release build of tools/run.sh, in a folder of its own, with the whole suite and the
#   real-window check on that release program, and the Debian package made from it;
# - a debug build with clang under AddressSanitizer and UndefinedBehaviorSanitizer, where the
#   image-header fuzzer also runs for a short fixed time;
# - the Windows program of tools/build-windows.sh and everything it is made of, under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh --tests --packaging

strict=(-DPICTAVO_WARNINGS_AS_ERRORS=ON)

tools/build-deb.sh build/release-strict "${strict[@]}"
cmake --build build/release-strict
ctest --test-dir build/release-strict --output-on-failure

CC=clang CXX=clang++ cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DPICTAVO_SANITIZE=ON -DPICTAVO_FUZZ=ON "${strict[@]}"
cmake --build build/sanitize
ctest --test-dir build/sanitize --output-on-failure

tools/test-windows.sh "${strict[@]}"
