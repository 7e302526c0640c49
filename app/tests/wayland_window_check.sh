#!/usr/bin/env bash
# Starts the program as a native Wayland client, without X: under a headless Weston, with DISPLAY
# unset and Qt's Wayland platform, the protocol log (WAYLAND_DEBUG=1) shows its main window as an
# xdg_toplevel titled "Pictavo" with the application id example.pictavo.Pictavo, the id that ties
# the window to its desktop entry and icon.
# Usage: wayland_window_check.sh PROGRAM
set -euo pipefail

program=$(realpath "$1")

source "$(dirname "$(realpath "$0")")/../../tests/support/check.sh"
command -v weston >/dev/null || skip "weston is not installed (tools/install-deps.sh --tests)"
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    skip "Qt's Wayland plugin is not installed (Debian package qt6-wayland)"

work=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-wayland.XXXXXX")
chmod 700 "$work"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=pictavo-check
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
eventually test -S "$work/$WAYLAND_DISPLAY" || fail "weston did not start:"$'\n'"$(cat "$work/weston.log")"

env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$work/protocol.log" &
pids+=($!)
# The requests on the toplevel that the client creates for its main window.
toplevel_request() {
    grep -E -o "xdg_toplevel@[0-9]+\.$1\(\"[^\"]*\"\)" "$work/protocol.log" | grep -F ".$1(\"$2\")"
}
eventually toplevel_request set_title Pictavo >/dev/null ||
    fail "no xdg_toplevel titled Pictavo; the client's requests:"$'\n'"$(grep -F ' -> ' "$work/protocol.log" | head -n 40)"
titled=$(toplevel_request set_title Pictavo | head -n 1)
eventually toplevel_request set_app_id example.pictavo.Pictavo >/dev/null || fail "no application id example.pictavo.Pictavo"
identified=$(toplevel_request set_app_id example.pictavo.Pictavo | head -n 1)
[ "${titled%%.*}" = "${identified%%.*}" ] || fail "the title is on ${titled%%.*}, the application id on ${identified%%.*}"
echo "PASS: ${titled%%.*} titled Pictavo, application id example.pictavo.Pictavo, on Weston without X"
