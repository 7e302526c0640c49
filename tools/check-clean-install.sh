#!/usr/bin/env bash
# Installs the Debian package into a Debian 12 root made fresh with debootstrap, the way a user
# would (apt-get install ./pictavo_*.deb), and starts the installed program in a virtual X server.
# Slow (minutes), so it is not part of tools/test.sh. Needs root, debootstrap and the Debian
# mirror that apt uses here. The packages debootstrap downloads are kept in
# build/debootstrap-bookworm.tgz for the next run; the root itself is built anew every time and
# removed afterwards unless PICTAVO_KEEP_ROOT=1.
# Usage: tools/check-clean-install.sh [PACKAGE.deb]   (default: the newest build/package/pictavo_*.deb)
set -euo pipefail
cd "$(dirname "$0")/.."

suite=bookworm
root=$PWD/build/clean-root
cache=$PWD/build/debootstrap-$suite.tgz

if [ $# -ge 1 ]; then
    package=$(realpath "$1")
else
    package=$(ls -t "$PWD"/build/package/pictavo_*.deb 2>/dev/null | head -n 1 || true)
fi
[ -f "$package" ] || { echo "No package: run tools/build-deb.sh first, or name one" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "debootstrap and chroot need root" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "debootstrap is missing: run tools/install-deps.sh --packaging" >&2; exit 1; }

# The mirror apt uses here for the suite, from one-line or deb822 source lists.
debian_mirror() {
    {
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk -v suite="$suite" '$1 == "deb" {
                i = 2
                if ($2 ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                if ($(i + 1) == suite) print $i }'
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
            awk -v suite="$suite" -v RS= '{
                uri = ""; found = 0
                for (i = 1; i <= NF; i++) {
                    if ($i == "URIs:") uri = $(i + 1)
                    if ($i == suite && $0 ~ "Suites:") found = 1
                }
                if (found && uri != "") print uri }'
    } | head -n 1
}
mirror=${PICTAVO_DEBIAN_MIRROR:-$(debian_mirror)}
[ -n "$mirror" ] || { echo "No $suite mirror in apt's sources; set PICTAVO_DEBIAN_MIRROR" >&2; exit 1; }

# Removing the root while a file system is still mounted in it would reach into the host's.
remove_root() {
    # /proc/mounts writes a space in a path as \040.
    if grep -qF " ${root// /\\040}/" /proc/mounts; then
        echo "Still mounted in $root; not removing it" >&2
        return 1
    fi
    rm -rf "$root"
}

cleanup() {
    for mounted in "$root/dev/pts" "$root/proc"; do
        if mountpoint -q "$mounted"; then umount "$mounted"; fi
    done
    [ "${PICTAVO_KEEP_ROOT:-}" = 1 ] || remove_root
}
trap cleanup EXIT

in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

echo "== Debian $suite root from $mirror in $root"
remove_root
mkdir -p "$(dirname "$cache")"
[ -f "$cache" ] || debootstrap --variant=minbase --make-tarball="$cache" "$suite" "$root.download" "$mirror"
rm -rf "$root.download"
debootstrap --variant=minbase --unpack-tarball="$cache" "$suite" "$root" "$mirror"
echo "deb $mirror $suite-updates main" >>"$root/etc/apt/sources.list"
mount -t proc proc "$root/proc"
# apt keeps its terminal log through a pseudo-terminal.
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
in_root apt-get update -qq
in_root dpkg-query -W pictavo 2>/dev/null && { echo "FAIL: the fresh root already has pictavo"; exit 1; }

echo "== apt-get install ./$(basename "$package")"
cp "$package" "$root/tmp/"
in_root sh -c 'cd /tmp && apt-get install -y ./pictavo_*.deb'

# Before anything else is installed, every library the program and Qt's X11 platform plugin load
# must already be there, brought in by the package as apt installs it (with its Recommends, none of
# which is a library of the program's).
echo "== libraries of /usr/bin/pictavo and the xcb platform plugin"
plugin=$(in_root dpkg -L libqt6gui6 | grep '/platforms/libqxcb\.so$')
missing=$(in_root ldd /usr/bin/pictavo "$plugin" | grep 'not found' || true)
[ -z "$missing" ] || { echo "FAIL: missing libraries:"; echo "$missing"; exit 1; }
echo "all found"

echo "== start /usr/bin/pictavo under Xvfb"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth xdotool x11-utils >/dev/null
cp app/tests/real_window_check.sh "$root/tmp/"
in_root /tmp/real_window_check.sh /usr/bin/pictavo
