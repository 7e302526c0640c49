#!/usr/bin/env bash
# Starts the program in a virtual X server and checks it as a desktop user meets it: a window
# titled "Pictavo" appears with a 378x229 client area under its menu bar; "About" > "This Utility"
# opens "About Pictavo" as a window of its own that no other is kept below (no WM_TRANSIENT_FOR)
# and that asks to stay out of the task bar and pager; Escape closes the main window while the
# About window keeps the program running, and Escape there ends it with status 0. Without
# WINDOW_PROBE the size is not measured, which lets the check run where only the installed program
# is, as in the clean-root install check.
# Usage: real_window_check.sh PROGRAM [WINDOW_PROBE [SCREENSHOT.png]]
set -euo pipefail

program=$1
probe=${2:-}
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

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pictavo$' | head -n 1 || true)
[ -n "$window" ] || { echo "FAIL: no window titled Pictavo"; exit 1; }

# Names are matched as patterns; the title itself must be exactly the program's name.
title=$(xdotool getwindowname "$window")
[ "$title" = "Pictavo" ] || { echo "FAIL: title is '$title'"; exit 1; }

if [ -n "$probe" ]; then
    read -r _ size _ client_top < <("$probe" "$window" ${screenshot:+"$screenshot"})
    width=${size%x*}
    height=${size#*x}
    client_height=$((height - client_top))
    echo "window ${width}x${height}, client area ${width}x${client_height} from row ${client_top}"
    [ "$width" -eq 378 ] && [ "$client_height" -eq 229 ] || { echo "FAIL: client area is not 378x229"; exit 1; }
fi

# The menu's title sits at the window's top-left corner. Its popup, once shown, is a second visible
# window of the program's class; Down and Return then take its only item.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 20)) $((Y + 8)) click 1
timeout 20 sh -c "until [ \$(xdotool search --onlyvisible --class '^pictavo\$' | wc -l) -ge 2 ]; do sleep 0.1; done" ||
    { echo "FAIL: the About menu did not open"; exit 1; }
xdotool key Down Return
about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Pictavo$' | head -n 1 || true)
[ -n "$about" ] || { echo "FAIL: no window titled About Pictavo"; exit 1; }
hints=$(xprop -id "$about" WM_TRANSIENT_FOR _NET_WM_STATE)
echo "$hints"
grep -q 'WM_TRANSIENT_FOR:  not found' <<<"$hints" || { echo "FAIL: the About window is a transient"; exit 1; }
for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
    grep -q "$state" <<<"$hints" || { echo "FAIL: the About window lacks $state"; exit 1; }
done
# Escape in the main window closes it, and the About window keeps the program running alone.
xdotool windowfocus --sync "$window"
xdotool key Escape
timeout 20 sh -c "while xdotool search --onlyvisible --name '^Pictavo\$' >/dev/null; do sleep 0.2; done" ||
    { echo "FAIL: Escape did not close the main window"; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended while the About window was open"; exit 1; }
xdotool windowfocus --sync "$about"
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
echo "PASS: window shown${probe:+ at the right size}, About window independent, Escape ended the program with status 0"
