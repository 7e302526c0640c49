#!/usr/bin/env bash
# Runs lintian, Debian's policy checker, on the package that cpack made in the build folder and
# fails on any error or warning, then checks that the package asks for the very Qt it was built
# with, as this system's Qt provides it. The folder's package is made by tools/build-deb.sh (the
# test command does so before it runs the tests); where there is none, the check is skipped.
# Usage: debian_package_check.sh BUILD_DIR VERSION QT_VERSION
set -euo pipefail

packages=("$1"/pictavo_"$2"_*.deb)
[ -f "${packages[0]}" ] || { echo "SKIP: no pictavo_$2_*.deb in $1 (tools/build-deb.sh makes it)"; exit 77; }
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed (tools/install-deps.sh --packaging)"; exit 77; }

# Informational tags are shown too, but only errors and warnings fail.
lintian --display-info --fail-on error,warning "${packages[@]}"

# The program uses Qt's private platform API, which holds for one Qt version only.
qt_abi="qt6-base-abi (= $3)"
for package in "${packages[@]}"; do
    dpkg-deb --field "$package" Depends | grep -qF "$qt_abi" \
        || { echo "FAIL: ${package##*/} does not depend on $qt_abi"; exit 1; }
done
dpkg-query --show --showformat='${Provides}' libqt6core6 | grep -qF "$qt_abi" \
    || { echo "FAIL: this system's libqt6core6 does not provide $qt_abi"; exit 1; }
echo "PASS: lintian finds no error and no warning in ${packages[*]##*/}, which depend on $qt_abi"
