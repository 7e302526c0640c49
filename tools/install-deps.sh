#!/usr/bin/env bash
# Installs the Debian packages that building and running Pictavo need; with --tests also those its
# tests need, with --packaging those of the Debian package, and any other argument names one more
# package (the benchmarks name theirs). Skips what is already present.
# Needs root (or sudo) only when something is missing.
set -euo pipefail

# What building and running the program needs.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev                      # Qt 6 Widgets and Qt Test
    qt6-base-private-dev              # Qt's Wayland display, for the clipboard's round trip to the compositor
    libxcb1-dev                       # the About window's task-bar hints and the clipboard's owner, through Qt's X11 connection
    libwayland-dev                    # the clipboard's round trip to the Wayland compositor
    libgtest-dev
    fonts-liberation2                 # the interface typeface
)
# What the tests need on top: tools/test.sh asks for these with --tests.
test_packages=(
    clang libclang-rt-14-dev          # sanitizer build and the fuzzer
    xvfb xauth xdotool x11-utils      # the real-window check (xprop reads the window hints)
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest   # the Windows cross build
    wine wine64                       # running its tests
    fonts-wine                        # Wine's Tahoma and MS Sans Serif, the faces the Windows windows are laid out in
    libx11-dev xclip                  # the Windows program's window check: an X drag source, the X clipboard
    openbox x11-apps netpbm           # a window manager for the access check; screenshots (xwd, to PNG) and their pixels
    desktop-file-utils appstream      # validation of the desktop entry and metainfo
    weston qt6-wayland                # the program as a native Wayland client, under a headless compositor
    mutter xwayland dbus-daemon wl-clipboard   # the clipboard under GNOME's compositor, read by a Wayland client
    python3-gi gir1.2-gtk-3.0 gir1.2-atspi-2.0 at-spi2-core   # its drag source, and its reading of the message boxes
    python3-pyatspi                   # what a screen reader hears: the accessibility bus, read through AT-SPI
)
# What the release files and their checks need: --packaging.
packaging_packages=(
    dpkg-dev file                     # the Debian package's computed dependencies
    debootstrap                       # the install check in a clean Debian root
    lintian                           # the Debian package's policy check
    wixl python3-olefile              # the Windows installer: its build, and its summary stream's codes and times
    zip                               # the portable Windows zip
)
for argument in "$@"; do
    case "$argument" in
    --tests) packages+=("${test_packages[@]}") ;;
    --packaging) packages+=("${packaging_packages[@]}") ;;
    *) packages+=("$argument") ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root, or install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
# Through env, since sudo clears the caller's environment.
as_root+=(env DEBIAN_FRONTEND=noninteractive)
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
