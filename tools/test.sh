#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once in a plain debug build
# with GCC, once with clang under AddressSanitizer and UndefinedBehaviorSanitizer, where the
# image-header fuzzer also runs for a short fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh --tests

cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug
ctest --test-dir build/debug --output-on-failure

CC=clang CXX=clang++ cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DPICTAVO_SANITIZE=ON -DPICTAVO_FUZZ=ON
cmake --build build/sanitize
ctest --test-dir build/sanitize --output-on-failure

# The Windows program and everything it is made of, cross-built with MinGW-w64 and run under Wine.
tools/test-windows.sh
