#!/usr/bin/env bash
# Meets the Windows release files as a user does, in a fresh Wine prefix on a virtual X server:
# the zip holds exactly the given Pictavo.exe, its licence and its read-me; `msiexec /i /qn`
# installs that same program into Program Files\Pictavo with a Start-menu shortcut through which
# it starts and shows its window, one uninstall entry with the name, version, publisher and
# icon, and "Open with" for GIF and JPEG files (a ProgID under each extension's OpenWithProgids,
# the application's key with its supported types, both opening one quoted file) without making
# itself any extension's default; the package of the next version, built here from the same
# program, replaces it, leaving one entry; `msiexec /x /qn` then removes it, "Open with" too, and
# the prefix's files and registry export show nothing new but Windows Installer's own empty folder
# and keys.
# Usage: windows_packages_check.sh PICTAVO.EXE PACKAGE_DIR VERSION WINDOW_TEXTS.EXE
set -euo pipefail

here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
packages=$(realpath "$2")
version=$3
window_texts=$(realpath "$4")
msi=$packages/Pictavo-$version-x64.msi
zip=$packages/Pictavo-$version-win64.zip
next_version=${version%.*}.$((${version##*.} + 1))

source "$here/../../../tests/support/check.sh"
for tool in xvfb-run wine unzip wixl; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (tools/install-deps.sh --tests --packaging)"
done
if [ -z "${PICTAVO_INSIDE_XVFB:-}" ]; then
    exec env PICTAVO_INSIDE_XVFB=1 xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-msi.XXXXXX")
# Wine would also copy the shortcut into the desktop menu of the user running the check.
throwaway_wine_prefix "$work" winemenubuilder.exe=d

# The zip, as unpacked by a user.
[ "$(unzip -Z1 "$zip" | tr '\n' ' ')" = "Pictavo.exe LICENSE.txt README.txt " ] ||
    fail "the zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"
unzip -p "$zip" Pictavo.exe | cmp -s - "$program" || fail "the zip's Pictavo.exe is not $program"
echo "zip: Pictavo.exe, LICENSE.txt, README.txt; the program is the one given"

"$here/../make-packages.sh" "$program" "$next_version" "$work"

# One server for the whole check: Wine records each new session's display in the registry, which
# would show up in the comparison.
wineserver --persistent
wineboot --init >/dev/null 2>&1

# Every file and folder of the prefix, and every registry key and value, one per line; but not the
# keys that Wine's own services rewrite as they come and go (device links, the service counter),
# nor those it writes when it first meets the display or the network cards, which can happen after
# the first snapshot on a busy machine.
wine_volatile='^\[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\(DeviceClasses\\.*\\Control\]|ServiceCurrent\]|Video\\)'
wine_volatile+='|^\[HKEY_LOCAL_MACHINE\\Software\\(Wow6432Node\\)?Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\'
wine_volatile+='|^\[HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters\\'
snapshot() {
    (cd "$WINEPREFIX" && find drive_c -printf '%y %p\n' | sort) >"$work/$1.files"
    for hive in HKLM HKCU; do
        wine reg export "$hive" "$work/$hive.reg" /y >/dev/null 2>&1 || fail "reg export $hive"
        iconv -f UTF-16 -t UTF-8 "$work/$hive.reg" | tr -d '\r' |
            sed -e ':joined' -e '/\\$/{N;s/\\\n *//;b joined' -e '}' |
            awk '/^\[/ { key = $0; print key; next } NF { print key " " $0 }'
    done | grep -v -E "$wine_volatile" | sort >"$work/$1.registry"
}
uninstall_entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'
}
# The uninstall entries that name Pictavo, one line each: version and publisher.
pictavo_entries() {
    uninstall_entries | awk '
        /^HKEY/ { if (name == "Pictavo") print version " " publisher; name = version = publisher = "" }
        $1 == "DisplayName" { name = $3 }
        $1 == "DisplayVersion" { version = $3 }
        $1 == "Publisher" { publisher = substr($0, index($0, "REG_SZ") + 10) }
        END { if (name == "Pictavo") print version " " publisher }'
}
msiexec() {
    wine msiexec "$@" /qn >/dev/null 2>&1 || fail "msiexec $* ended with status $?"
}
installed="$WINEPREFIX/drive_c/Program Files/Pictavo"

snapshot before
msiexec /i "$msi"
cmp -s "$installed/Pictavo.exe" "$program" || fail "no Program Files\\Pictavo\\Pictavo.exe, or not the given one"
[ -f "$installed/LICENSE.txt" ] || fail "no Program Files\\Pictavo\\LICENSE.txt"
[ "$(pictavo_entries)" = "$version the Pictavo authors" ] ||
    fail "uninstall entries of Pictavo: '$(pictavo_entries)', not one of $version by the Pictavo authors"
# Settings > Apps takes an installed package's icon from its product registration.
icon=$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | tr -d '\r' |
    awk '$1 == "ProductIcon" { print $3 }')
[ -n "$icon" ] && [ -f "$(winepath -u "$icon")" ] || fail "no product icon registered: '$icon'"
# Wine's Windows Installer puts the Start-menu shortcut of an all-users package in the user's
# Start menu (Windows puts it in the one of all users).
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Pictavo.lnk')
[ -n "$shortcut" ] || fail "no Start-menu shortcut Pictavo"
echo "installed $version: Program Files\\Pictavo\\Pictavo.exe, shortcut, one uninstall entry, icon $icon"

# "Open with", as reg reads it back: the ProgID and the application's key, each running one quoted
# file, and the extensions that list them, none of which has Pictavo as its default.
classes='HKLM\Software\Classes'
extensions=(.gif .jpg .jpeg .jpe .jfif)
has_value() { wine reg query "$1" /v "$2" >/dev/null 2>&1; }
data() { wine reg query "$1" "${@:2}" 2>/dev/null | tr -d '\r' | sed -n 's/^    .*    REG_SZ    //p'; }
open_command='"C:\Program Files\Pictavo\Pictavo.exe" "%1"'
for key in "$classes\Pictavo.Image" "$classes\Applications\Pictavo.exe"; do
    [ "$(data "$key\shell\open\command" /ve)" = "$open_command" ] ||
        fail "$key opens with '$(data "$key\shell\open\command" /ve)', not '$open_command'"
done
[ "$(data "$classes\Applications\Pictavo.exe" /v FriendlyAppName)" = Pictavo ] || fail "no FriendlyAppName Pictavo"
for extension in "${extensions[@]}"; do
    has_value "$classes\\$extension\\OpenWithProgids" Pictavo.Image || fail "Pictavo.Image is not under $extension's OpenWithProgids"
    has_value "$classes\Applications\Pictavo.exe\SupportedTypes" "$extension" || fail "$extension is not a supported type"
    ! data "$classes\\$extension" /ve | grep -q Pictavo || fail "the installer made Pictavo the default for $extension"
done
echo "Open with: Pictavo.Image under ${extensions[*]}, Applications\\Pictavo.exe, both run $open_command"

# Started from the Start menu, the installed program shows its window; asked to close, it ends.
wine start /unix "$shortcut"
shows_window() { wine "$window_texts" Pictavo 2>/dev/null | grep -qx 'client 378x229'; }
eventually shows_window || fail "the program started from the shortcut shows no window 'Pictavo'"
wine taskkill /im Pictavo.exe >/dev/null 2>&1 || fail "taskkill found no Pictavo.exe"
closed() { ! shows_window; }
eventually closed || fail "the program does not close"
echo "started from the shortcut: window Pictavo, client area 378x229, closed on request"

msiexec /i "$work/Pictavo-$next_version-x64.msi"
[ "$(pictavo_entries)" = "$next_version the Pictavo authors" ] ||
    fail "after the $next_version package, uninstall entries of Pictavo: '$(pictavo_entries)'"
[ -f "$installed/Pictavo.exe" ] || fail "the $next_version package left no Pictavo.exe"
echo "$next_version replaced $version: one uninstall entry, version $next_version"

msiexec /x "$work/Pictavo-$next_version-x64.msi"
for key in "$classes\Pictavo.Image" "$classes\Applications\Pictavo.exe"; do
    ! wine reg query "$key" >/dev/null 2>&1 || fail "msiexec /x left $key"
done
for extension in "${extensions[@]}"; do
    ! has_value "$classes\\$extension\\OpenWithProgids" Pictavo.Image || fail "msiexec /x left Pictavo.Image under $extension"
done
snapshot after
# What may stay: the folder and keys in which Windows Installer registers packages, empty.
bookkeeping='^(d drive_c/windows/Installer|\[HKEY_LOCAL_MACHINE\\Software\\(Classes|Microsoft\\Windows\\CurrentVersion)\\Installer(\\[^]]*)?\])$'
for kind in files registry; do
    gone=$(comm -23 "$work/before.$kind" "$work/after.$kind")
    [ -z "$gone" ] || fail "after msiexec /x these $kind are gone:"$'\n'"$gone"
    comm -13 "$work/before.$kind" "$work/after.$kind" >"$work/new.$kind"
    left=$(grep -v -E "$bookkeeping" "$work/new.$kind" || true)
    [ -z "$left" ] || fail "after msiexec /x these $kind are new:"$'\n'"$left"
    echo "after msiexec /x, new in the $kind (Windows Installer's own):"
    sed 's/^/    /' "$work/new.$kind"
done
echo "PASS: zip, install, shortcut, window, uninstall entry, upgrade to $next_version and clean removal under Wine"
