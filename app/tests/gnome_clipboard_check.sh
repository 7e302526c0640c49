#!/usr/bin/env bash
# Drops files on the program under GNOME's own compositor, as most Linux users meet it: a headless
# mutter with Xwayland, pointer and keys through mutter's remote-desktop interface, a Wayland-native
# drag source that keeps the keyboard focus as a file manager does (gtk_drag_source.py), and the
# clipboard read by a Wayland client (wl-paste). Mutter gives the clipboard only to the client
# that has the keyboard focus, and a drop leaves the focus with the drag source.
# - A GNOME login's environment, no platform chosen: two drops of two files; no error box, and
#   each tag on the clipboard.
# - Native Wayland forced (QT_QPA_PLATFORM=wayland): the refused clipboard shows the error box, and
#   once it is closed and the window clicked the tag is on the clipboard. Then one drop of two files,
#   whose boxes are closed through the accessibility bus, so that no input reaches the program
#   between its two publications: the second tag is on the clipboard.
# It fails, never skips, where mutter or Xwayland cannot start.
# Usage: gnome_clipboard_check.sh PROGRAM
set -euo pipefail

program=$(realpath "$1")
tests=$(dirname "$(realpath "$0")")
source "$tests/../../tests/support/check.sh"

# Outside: a session bus and mutter, which runs this script again as its session's program and ends
# with it, in an environment of their own.
if [ -z "${PICTAVO_INSIDE_MUTTER:-}" ]; then
    for tool in mutter Xwayland dbus-run-session wl-paste xdotool xdpyinfo; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps.sh --tests)"
    done
    work=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-gnome.XXXXXX")
    chmod 700 "$work"
    trap 'rm -rf "$work"' EXIT
    mkdir "$work/home"
    status=0
    env -i PATH="$PATH" HOME="$work/home" LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work" PICTAVO_INSIDE_MUTTER="$work" \
        timeout 200 dbus-run-session -- mutter --headless --wayland --virtual-monitor 1024x768 -- "$0" "$@" \
        >"$work/mutter.log" 2>&1 || status=$?
    [ -f "$work/check.log" ] || fail "mutter did not start; its log:"$'\n'"$(tail -n 30 "$work/mutter.log")"
    cat "$work/check.log"
    [ "$status" -eq 0 ] || fail "the end of mutter's log:"$'\n'"$(grep -v -e '^$' -e dbus-daemon "$work/mutter.log" | tail -n 20)"
    exit 0
fi

work=$PICTAVO_INSIDE_MUTTER
exec >"$work/check.log" 2>&1
[ -n "${DISPLAY:-}" ] && eventually xdpyinfo >/dev/null 2>&1 || fail "Xwayland did not start"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

coproc SESSION { /usr/bin/python3 "$tests/mutter_session.py" 2>"$work/session.log"; }
pids+=("$SESSION_PID")
# Sends one command to the session helper and leaves its answer in $answer.
ask() {
    echo "$*" >&"${SESSION[1]}"
    read -r answer <&"${SESSION[0]}" || fail "the session helper ended:"$'\n'"$(cat "$work/session.log")"
}
# The seat has no keyboard until a key is pressed, and wl-paste reads nothing without one.
ask key 42

# A GIF of the given size: its header, an empty palette and one pixel.
write_gif() {
    local byte
    printf 'GIF89a' >"$1"
    for byte in $(($2 & 255)) $(($2 >> 8)) $(($3 & 255)) $(($3 >> 8)); do printf "\\x$(printf %02x "$byte")" >>"$1"; done
    printf '\x80\0\0\0\0\0\xff\xff\xff\x2c\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0\x3b' >>"$1"
}
tag() {
    echo "<img src=\"$1\" width=\"$2\" height=\"$3\" border=\"0\">"
}
write_gif "$work/one.gif" 120 60
write_gif "$work/two.gif" 16 32
write_gif "$work/three.gif" 300 200

# Where the window that writes LOG last saw the pointer, in its own coordinates: Pictavo's Wayland
# protocol log, or the drag source's report.
pointer_in() {
    if [ "$1" = "$work/source.log" ]; then
        { grep -E '^enter ' "$1" || true; } | tail -n 1 | cut -d ' ' -f 2,3
    else
        { grep -E -o 'wl_pointer@[0-9]+\.(enter|motion)\(.*\)' "$1" || true; } | tail -n 1 |
            sed -E 's/.*, ([0-9]+)\.[0-9]+, ([0-9]+)\.[0-9]+\)$/\1 \2/'
    fi
}

# A Wayland window cannot be found by its position: the pointer sweeps the screen until the window
# writing LOG sees it enter, which gives the window's origin; a second visit to a point of the
# window confirms it (a late report would give a wrong one). Sets origin_x and origin_y.
locate() {
    local log=$1 seen x y local_x local_y
    seen=$(pointer_in "$log")
    for y in $(seq 40 90 740); do
        for x in $(seq 40 90 1000); do
            ask move "$x" "$y"
            sleep 0.02
            [ "$(pointer_in "$log")" != "$seen" ] || continue
            read -r local_x local_y <<<"$(pointer_in "$log")"
            ask move 0 0
            ask move "$x" "$y"
            sleep 0.2
            if [ "$(pointer_in "$log")" = "$local_x $local_y" ]; then
                origin_x=$((x - local_x)) origin_y=$((y - local_y))
                return 0
            fi
            seen=$(pointer_in "$log")
        done
    done
    fail "the pointer never met the window of $log"
}

x11_window() {
    xdotool search --onlyvisible --name '^Pictavo$' 2>/dev/null | head -n 1
}
# The last geometry that the main window, the first to show, gave its Wayland surface.
wayland_window() {
    grep -E -o 'xdg_surface@[0-9]+\.set_window_geometry\([0-9, ]+\)' "$1" | tail -n 1
}

window_shown() {
    [ -n "$(x11_window)$(wayland_window "$1")" ]
}

# Starts Pictavo with the environment given and finds its main window: on X11 by its title, on
# Wayland by the pointer. Sets pictavo, and left, top, width and height of the window.
start_pictavo() {
    local log=$work/pictavo-$1.log geometry_x geometry_y
    shift
    env "$@" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WAYLAND_DEBUG=client "$program" 2>"$log" &
    pictavo=$!
    pids+=("$pictavo")
    eventually window_shown "$log" || fail "Pictavo showed no window"
    if [ -n "$(x11_window)" ]; then
        eval "$(xdotool getwindowgeometry --shell "$(x11_window)")"
        left=$X top=$Y width=$WIDTH height=$HEIGHT
    else
        locate "$log"
        IFS=', ' read -r geometry_x geometry_y width height <<<"$(wayland_window "$log" | grep -E -o '[0-9]+(, [0-9]+){3}')"
        left=$((origin_x + geometry_x)) top=$((origin_y + geometry_y))
    fi
    echo "Pictavo's window: ${width}x${height} at $left,$top"
}

# Starts the drag source with one argument a drag and finds its drag area. Sets source_x and
# source_y, the area's origin, from_x and from_y, its centre, and drop_x and drop_y: a point of
# Pictavo's client area near its left edge, at the top or the bottom, whichever is farther from the
# source, which the message box (centred on the window) leaves free too.
start_source() {
    GDK_BACKEND=wayland /usr/bin/python3 "$tests/gtk_drag_source.py" "$@" >"$work/source.log" 2>"$work/source.err" &
    pids+=("$!")
    eventually grep -q '^area ' "$work/source.log" || fail "the drag source showed no window: $(cat "$work/source.err")"
    locate "$work/source.log"
    local area_width area_height
    read -r _ area_width area_height < <(grep '^area ' "$work/source.log" | tail -n 1)
    source_x=$origin_x source_y=$origin_y
    from_x=$((source_x + area_width / 2)) from_y=$((source_y + area_height / 2))
    drop_x=$((left + 30))
    if ((from_y > top + height / 2)); then drop_y=$((top + 60)); else drop_y=$((top + height - 40)); fi
    # The source's title bar lies above its area.
    if ((drop_x > source_x - 10 && drop_x < source_x + area_width + 10 && drop_y > source_y - 50 &&
        drop_y < source_y + area_height + 10)); then
        fail "the drag source, at $source_x,$source_y, covers Pictavo's drop point $drop_x,$drop_y"
    fi
}

count() {
    grep -c -x "$1" "$work/source.log" || true
}
# Whether the drag source has said WORD more than COUNT times.
source_said() {
    [ "$(count "$1")" -gt "$2" ]
}

# Presses on the source, drags to the drop point and lets go once Pictavo accepts the drag; then
# moves the pointer off Pictavo's window, so that it gives the program no input the check has not
# asked for.
drag() {
    local began accepted ended offered entered step
    began=$(count began) accepted=$(count accepted) ended=$(count ended) offered=$(count offered)
    entered=$(count "enter $((from_x - source_x)) $((from_y - source_y))")
    move_away
    ask move "$from_x" "$from_y"
    eventually source_said "enter $((from_x - source_x)) $((from_y - source_y))" "$entered" ||
        fail "the drag source never saw the pointer"
    ask press
    for step in 1 2 3 4; do
        ask move $((from_x + 4 * step)) $((from_y + 4 * step))
        sleep 0.03
    done
    eventually source_said began "$began" || fail "no drag began"
    for step in 1 2 3 4 5 6 7 8; do
        ask move $((from_x + (drop_x - from_x) * step / 8)) $((from_y + (drop_y - from_y) * step / 8))
        sleep 0.03
    done
    eventually source_said accepted "$accepted" || fail "Pictavo did not accept the drag"
    ask release
    eventually source_said ended "$ended" || fail "the drag never ended"
    [ "$(count offered)" -gt "$offered" ] || fail "the drop did not reach Pictavo"
    move_away
}

# Moves the pointer to a corner of the screen that Pictavo's window leaves free.
move_away() {
    if ((left + width < 1000 || top + height < 740)); then ask move 1020 764; else ask move 4 4; fi
}

clipboard() {
    timeout 10 wl-paste --no-newline 2>/dev/null || true
}

clipboard_holds() {
    [ "$(clipboard)" = "$1" ]
}

box_shown() {
    ask boxes
    [ "$answer" != - ]
}

clipboard_without_box() {
    ask boxes
    [ "$answer" = - ] || fail "an error box: $answer"
    [ "$(clipboard)" = "$1" ]
}

# Closes the message boxes as they come, until none is open and the clipboard holds the tag.
clipboard_after_boxes() {
    ask close-box
    [ "$answer" = none ] && [ "$(clipboard)" = "$1" ]
}

echo "GNOME login, no platform chosen:"
start_pictavo gnome -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
start_source "$work/one.gif" "$work/two.gif"
for drop in "one.gif 120 60" "two.gif 16 32"; do
    drag
    expected=$(tag $drop)
    eventually clipboard_without_box "$expected" || fail "the clipboard holds '$(clipboard)', not $expected"
    echo "  dropped ${drop%% *}: no error box, and the clipboard holds $expected"
done
kill -0 "$pictavo" 2>/dev/null || fail "Pictavo ended"
kill "${pids[@]:1}"
wait "${pids[@]:1}" 2>/dev/null || true
pids=("$SESSION_PID")
# The next Pictavo must not be taken for this one.
no_x11_window() {
    [ -z "$(x11_window)" ]
}
eventually no_x11_window || fail "Pictavo's X11 window stayed after it ended"

echo "Native Wayland (QT_QPA_PLATFORM=wayland):"
start_pictavo wayland QT_QPA_PLATFORM=wayland
start_source "$work/one.gif" "$work/two.gif,$work/three.gif"
drag
eventually box_shown || fail "no error box: the refused clipboard passed for a success"
[ "$answer" = "File Processing Error" ] || fail "a box that says $answer"
echo "  dropped one.gif: the error box says $answer"
ask close-box
ask move "$drop_x" "$drop_y"
ask press
ask release
expected=$(tag one.gif 120 60)
eventually clipboard_holds "$expected" || fail "after the box and a click the clipboard holds '$(clipboard)', not $expected"
echo "  box closed, window clicked: the clipboard holds $expected"
drag
expected=$(tag three.gif 300 200)
eventually clipboard_after_boxes "$expected" || fail "the clipboard holds '$(clipboard)', not $expected"
echo "  dropped two.gif and three.gif, boxes closed without input: the clipboard holds $expected"
kill -0 "$pictavo" 2>/dev/null || fail "Pictavo ended"
echo "PASS: under mutter the clipboard holds each dropped file's tag, and a refusal shows the error box"
