#!/usr/bin/env bash
# Installs what is missing, builds Pictavo in release mode and makes its Debian package,
# build/package/pictavo_VERSION_ARCH.deb, whose library dependencies dpkg-shlibdeps computes.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh --packaging

cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release
# The package holds only what the program target installs, so the tests need not be built.
cmake --build build/package --target pictavo
(cd build/package && cpack -G DEB)
