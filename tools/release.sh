#!/usr/bin/env bash
# Makes every file of a release of the current commit in dist/: the Windows installer
# Pictavo-VERSION-x64.msi, the portable Pictavo-VERSION-win64.zip, the Debian package
# pictavo_VERSION_amd64.deb and SHA256SUMS over the three. Installs what is missing on the way.
#
# It builds the commit itself (git archive HEAD: uncommitted changes stay out) in a folder of its
# own, build/release-files, and gives the same files byte for byte wherever and whenever it runs:
# every time stamp is the commit's (SOURCE_DATE_EPOCH, which the compilers' tools, Qt's resource
# compiler, cpack and the Windows packaging all take), and no path of the checkout reaches a
# binary. tools/check-reproducible.sh shows it by building twice.
set -euo pipefail
cd "$(dirname "$0")/.."

started=$SECONDS
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "Note: the release is made of commit $(git rev-parse --short HEAD), without the uncommitted changes"
fi

work=$PWD/build/release-files
rm -rf "$work"
mkdir -p "$work/source"
git archive HEAD | tar -x -C "$work/source"

SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
path_map=("-DPICTAVO_FILE_PREFIX_MAP=$work")

"$work/source/tools/build-deb.sh" "$work/linux" "${path_map[@]}"
"$work/source/tools/build-windows.sh" "$work/windows" "${path_map[@]}"

rm -rf dist
mkdir dist
cp "$work"/windows/packaging/windows/Pictavo-*-x64.msi "$work"/windows/packaging/windows/Pictavo-*-win64.zip \
    "$work"/linux/pictavo_*.deb dist/
(cd dist && sha256sum -- * >SHA256SUMS)
ls -l dist
echo "Release of commit $(git rev-parse --short HEAD) in dist/, made in $((SECONDS - started)) s"
