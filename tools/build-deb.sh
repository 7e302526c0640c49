#!/usr/bin/env bash
# Installs what is missing, builds Pictavo in release mode and makes its Debian package,
# BUILD_DIR/pictavo_VERSION_ARCH.deb (BUILD_DIR is build/package unless given), whose library
# dependencies dpkg-shlibdeps computes. Further arguments are CMake options on top of the release
# configuration.
# Usage: tools/build-deb.sh [BUILD_DIR [CMAKE_OPTION...]]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/package}
shift $(($# > 0 ? 1 : 0))

tools/install-deps.sh --packaging

# The package records the modes of the folders the install step creates, and those follow the
# umask: one that lets the group write (002, common on desktops) gives folders Debian refuses.
umask 022

tools/configure-release.sh "$build_dir" "$@"
# The package holds only what the program target installs, so the tests need not be built.
cmake --build "$build_dir" --target pictavo
(cd "$build_dir" && cpack -G DEB)
