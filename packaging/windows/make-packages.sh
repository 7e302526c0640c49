#!/usr/bin/env bash
# Packs the Windows program, stripped, into its two release files, written to OUTDIR: the
# installer Pictavo-VERSION-x64.msi (wixl, from Pictavo.wxs) and the portable
# Pictavo-VERSION-win64.zip. Both come out byte for byte the same from the same program and
# version: every time in them, also the one strip writes into the program's header, is
# SOURCE_DATE_EPOCH (else the last commit's time), the installer's product code is derived from
# the version and its package code from the version and the files.
# Usage: make-packages.sh PICTAVO.EXE VERSION OUTDIR
set -euo pipefail

here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
version=$2
outdir=$(realpath "$3")
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    # Outside a git checkout (an unpacked source archive) there is no commit to take it from.
    SOURCE_DATE_EPOCH=$(git -C "$here" log -1 --format=%ct 2>/dev/null || date +%s)
fi
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
# Windows Installer takes a package whose code it knows for the one it has cached: two builds of
# the same version with different files must not share it.
package_code=$(derived_code "package/$(cd "$stage" && sha256sum -- * | sha256sum | cut -d ' ' -f 1)")
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
