#!/usr/bin/env bash
# Packs the Windows program, stripped, into its two release files, written to OUTDIR: the
# installer Pictavo-VERSION-x64.msi (wixl, from Pictavo.wxs) and the portable
# Pictavo-VERSION-win64.zip. Both come out byte for byte the same from the same program and
# version: every time in them, also the one strip writes into the program's header, is
# SOURCE_DATE_EPOCH (else the last commit's time), and the installer's product and package codes
# are derived from the version.
# Usage: make-packages.sh PICTAVO.EXE VERSION OUTDIR
set -euo pipefail

here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
version=$2
outdir=$(realpath "$3")
: "${SOURCE_DATE_EPOCH:=$(git -C "$here" log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH TZ=UTC

stage=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-packages.XXXXXX")
trap 'rm -rf "$stage"' EXIT
# The files as Windows users get them: text with CRLF line ends, and one time and mode for all,
# since the cabinet and the zip record both.
x86_64-w64-mingw32-strip -o "$stage/Pictavo.exe" "$program"
cp "$here/../../app/icons/pictavo.ico" "$stage/Pictavo.ico"
sed 's/$/\r/' "$here/../../LICENSE" >"$stage/LICENSE.txt"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$here/README.txt" >"$stage/README.txt"
chmod 644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

# A name-based (SHA-1) GUID, the same for the same version and kind of code.
derived_code() {
    /usr/bin/python3 -c 'import sys, uuid; print("{%s}" % str(uuid.uuid5(uuid.NAMESPACE_URL, sys.argv[1])).upper())' \
        "https://pictavo.example/windows-installer/$1/$version"
}
package_code=$(derived_code package)
msi="$outdir/Pictavo-$version-x64.msi"
# wixl takes the files by names relative to the current folder.
(cd "$stage" && wixl --arch x64 --output "$msi" \
    -D Version="$version" -D ProductCode="$(derived_code product)" -D PackageCode="$package_code" \
    -D Program=Pictavo.exe -D Licence=LICENSE.txt -D Icon=Pictavo.ico "$here/Pictavo.wxs")
# wixl ignores the package code given and stamps the summary with the time of its run.
"$here/set-summary.py" "$msi" "$package_code" "$SOURCE_DATE_EPOCH"

zip="$outdir/Pictavo-$version-win64.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X -9 "$zip" Pictavo.exe LICENSE.txt README.txt)
