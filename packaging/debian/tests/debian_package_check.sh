#!/usr/bin/env bash
# Runs lintian, Debian's policy checker, on the package that cpack made in the build folder and
# fails on any error or warning. The folder's package is made by tools/build-deb.sh (the test
# command does so before it runs the tests); where there is none, the check is skipped.
# Usage: debian_package_check.sh BUILD_DIR VERSION
set -euo pipefail

packages=("$1"/pictavo_"$2"_*.deb)
[ -f "${packages[0]}" ] || { echo "SKIP: no pictavo_$2_*.deb in $1 (tools/build-deb.sh makes it)"; exit 77; }
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed (tools/install-deps.sh --packaging)"; exit 77; }

# Informational tags are shown too, but only errors and warnings fail.
lintian --display-info --fail-on error,warning "${packages[@]}"
echo "PASS: lintian finds no error and no warning in ${packages[*]##*/}"
