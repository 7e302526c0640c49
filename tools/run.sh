#!/usr/bin/env bash
# Installs what is missing, builds Pictavo in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target pictavo
exec build/release/app/pictavo
