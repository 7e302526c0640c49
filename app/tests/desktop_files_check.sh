#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what desktops and software centres read
# there: the desktop entry and the AppStream metainfo pass their validators, the entry starts an
# installed program, handing it the GIF and JPEG files it is asked to open, and the icon it names is
# in the hicolor theme at the sizes desktops ask for, each image as large as its folder says.
# Usage: desktop_files_check.sh CMAKE BUILD_DIR SCRATCH_DIR
set -euo pipefail

cmake=$1
build=$2
root=$3

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages desktop-file-utils and appstream)"
        exit 77
    fi
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$root"
"$cmake" --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
desktop=$share/applications/example.pictavo.Pictavo.desktop
metainfo=$share/metainfo/example.pictavo.Pictavo.metainfo.xml

# The validator's exit status only counts errors; a warning means a desktop may ignore a key.
echo "desktop-file-validate $desktop"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate reports errors"
[ -z "$report" ] || echo "$report"
! grep -q ': warning:' <<<"$report" || fail "desktop-file-validate warns"

echo "appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
# The tree check also finds the desktop entry that the metainfo names as its launchable.
echo "appstreamcli validate-tree --no-net $root"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

read -r program files < <(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/usr/bin/$program" ] || fail "Exec=$program is not an installed program"
# "Open with" hands the chosen files over as paths, any number of them.
[ "$files" = "%F" ] || fail "Exec= takes '$files' after the program, not %F"
grep -qx 'MimeType=image/gif;image/jpeg;' "$desktop" || fail "the entry does not offer to open GIF and JPEG files"

# Width and height of a PNG, from its header chunk.
png_size() {
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 24 32 48 64 128 256; do
    image=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    if [ ! -f "$image" ]; then
        fail "no ${size}x${size} icon $icon.png"
    elif [ "$(png_size "$image")" != "${size}x${size}" ]; then
        fail "the ${size}x${size} icon is $(png_size "$image")"
    fi
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$icon.svg" 2>/dev/null || fail "no scalable icon $icon.svg"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "PASS: desktop entry, metainfo and icons of the installed program are valid"
