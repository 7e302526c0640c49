#!/usr/bin/env bash
# Starts the program in a virtual X server and checks it as a desktop user meets it: a window
# titled "Pictavo" appears with a 378x229 client area under its menu bar, and Escape ends the
# program with status 0.
# Usage: real_window_check.sh PROGRAM WINDOW_PROBE [SCREENSHOT.png]
set -euo pipefail

program=$1
probe=$2
screenshot=${3:-}

if [ -z "${PICTAVO_INSIDE_XVFB:-}" ]; then
    if ! command -v xvfb-run >/dev/null; then
        echo "SKIP: xvfb-run is not installed (Debian package xvfb)"
        exit 77
    fi
    exec env PICTAVO_INSIDE_XVFB=1 QT_QPA_PLATFORM=xcb \
        xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" "$0" "$@"
fi

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pictavo$' | head -n 1)
[ -n "$window" ] || { echo "FAIL: no window titled Pictavo"; exit 1; }

# Names are matched as patterns; the title itself must be exactly the program's name.
title=$(xdotool getwindowname "$window")
[ "$title" = "Pictavo" ] || { echo "FAIL: title is '$title'"; exit 1; }

read -r _ size _ client_top < <("$probe" "$window" ${screenshot:+"$screenshot"})
width=${size%x*}
height=${size#*x}
client_height=$((height - client_top))
echo "window ${width}x${height}, client area ${width}x${client_height} from row ${client_top}"
[ "$width" -eq 378 ] && [ "$client_height" -eq 229 ] || { echo "FAIL: client area is not 378x229"; exit 1; }

xdotool windowfocus --sync "$window"
xdotool key Escape
# The program must end by itself; bound the wait so a missed key cannot hang the test run.
if ! timeout 20 tail --pid="$pid" -f /dev/null; then
    echo "FAIL: still running after Escape"
    exit 1
fi
trap - EXIT
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "PASS: window shown at the right size and Escape ended the program with status 0"
