#!/usr/bin/env bash
# Installs what is missing, builds Pictavo in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

tools/configure-release.sh build/release
cmake --build build/release --target pictavo
exec build/release/app/pictavo
