#!/usr/bin/env bash
# The Windows program as a keyboard user and a screen reader meet it, under Wine on a virtual X
# server with a window manager: each window's controls are created in reading order, each label
# just before the control it describes (a screen reader names a control after the text created
# before it); Tab and Shift+Tab go round the tab stops by tab index, in the About window on to
# the two links after its buttons; the picture box shows when it has the focus; Enter, Space and
# a click on a link open its address through the shell, once each, and leave the window open.
# Then both windows as a high-contrast theme shows them: a screenshot, saved as SCREENSHOT, in
# which the theme's colours stand where the described ones were, except on the links: Wine's link
# control draws them in its own colour whatever it is told, so their colour shows only on Windows.
# Usage: wine_access_check.sh PICTAVO.EXE WINDOW_TEXTS.EXE HIGH_CONTRAST_WINDOWS.EXE SCREENSHOT
set -euo pipefail

program=$(realpath "$1")
window_texts=$(realpath "$2")
high_contrast=$(realpath "$3")
screenshot=$(realpath "$4")

source "$(dirname "$(realpath "$0")")/../../../tests/support/check.sh"
need_tools xvfb-run wine xdotool xprop xwininfo openbox xwd xwdtopnm
on_virtual_screen 1024x768 "$0" "$@"

work=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-wine-access.XXXXXX")
throwaway_wine_prefix "$work"
# A window manager activates the windows that open and gives them the keyboard, as on a desktop.
openbox --sm-disable >/dev/null 2>&1 &
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
eventually wm_running || fail "the window manager did not start"
wineboot --init >/dev/null 2>&1
link_wine_fonts

# Wine's shell opens web and mail addresses with xdg-open and xdg-email: here they only write down
# what they were asked to open.
mkdir "$work/bin"
for opener in xdg-open xdg-email; do
    printf '#!/bin/sh\necho "%s $*" >>"%s/opened"\n' "$opener" "$work" >"$work/bin/$opener"
    chmod +x "$work/bin/$opener"
done
export PATH="$work/bin:$PATH"
opened() { [ "$(cat "$work/opened" 2>/dev/null)" = "$1" ]; }
expect_opened() {
    eventually opened "$1" || fail "the shell was asked to open"$'\n'"$(cat "$work/opened" 2>/dev/null)"$'\n'"not"$'\n'"$1"
}

# The screen position of a window's client area, CLIENT_HEIGHT high, as "LEFT TOP" (xdotool adds
# the window manager's frame offset to it).
client_corner() {
    xwininfo -id "$1" | awk -v client="$2" '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Height/ { height = $NF } END { print x, y + height - client }'
}
screen() { xwd -root -silent | xwdtopnm 2>/dev/null | pamdepth 255; }

# The controls' texts in the order they were created, after the lines on the window itself.
expect_controls() {
    local title=$1 expected
    shift
    expected=$(printf '%s\n' "$@")
    [ "$(texts "$title" | tail -n +4)" = "$expected" ] ||
        fail "'$title' has not its controls in reading order but:"$'\n'"$(texts "$title")"
}
# Presses the key once for each text and expects the focus on that control.
expect_focus_cycle() {
    local title=$1 key=$2 focused
    shift 2
    for focused in "$@"; do
        xdotool key "$key"
        expect "$title" "focus $focused"
    done
}

wine "$program" &
pid=$!
window=$(x_window Pictavo)
expect Pictavo "focus The text in this area will be automatically sent to your clipboard."
# "Item on Clipboard:" names the tag box.
expect_controls Pictavo "I always wanted one of these, now I have one... and so do you." \
    "Drag and drop a GIF or a Jpeg below to get image information and an HTML tag." "" "           Enjoy!" \
    "Quit" "Item on Clipboard:" "The text in this area will be automatically sent to your clipboard."
expect_focus_cycle Pictavo Tab "Quit" "The text in this area will be automatically sent to your clipboard."
expect_focus_cycle Pictavo shift+Tab "Quit" "The text in this area will be automatically sent to your clipboard."

xdotool key F10 Down Return
about=$(x_window "About Pictavo")
expect "About Pictavo" "focus OK"
# A SysLink's text is the markup of its one link.
home='<a>pictavo.example</a>'
mail='<a>mail@pictavo.example</a>'
expect_controls "About Pictavo" "Pictavo icon" "Pictavo" "Version 1.0.7" \
    "Description: A little bit of OLE and a Class File and away we go. With its compact size, it is first on my list to go on my coming text editor." \
    "HOMEPAGE:" "$home" "Email Address:" "$mail" "© 2026 Pictavo authors" \
    "Disclaimer: This software is distributed as freeware, without any warranties or liabilities. You may redistribute as you wish, so long as the original file remains intact... hope it comes in handy." \
    "OK" "&System Info..."

# The picture box's look, focused and not: its focus mark is the difference.
read -r about_left about_top < <(client_corner "$about" 278)
picture_box() { screen | pamcut -left $((about_left + 8)) -top $((about_top + 16)) -width 41 -height 39 | md5sum; }
unfocused=$(picture_box)
expect_focus_cycle "About Pictavo" Tab "Pictavo icon"
marked() { [ "$(picture_box)" != "$unfocused" ]; }
eventually marked || fail "the picture box looks the same with the focus"
expect_focus_cycle "About Pictavo" Tab "&System Info..." "$home" "$mail" "OK" "Pictavo icon"
expect_focus_cycle "About Pictavo" shift+Tab "OK" "$mail" "$home" "&System Info..." "Pictavo icon" "OK"

# Enter on a link opens it, not OK's window; so do Space and a click. Wine's browser launcher
# writes a web address in its full form, with the slash after the host.
expect_focus_cycle "About Pictavo" shift+Tab "$mail" "$home"
xdotool key Return
expect_opened "xdg-open http://pictavo.example/"
expect_focus_cycle "About Pictavo" Tab "$mail"
xdotool key space
expect_opened "xdg-open http://pictavo.example/"$'\n'"xdg-email mailto:mail@pictavo.example"
xdotool mousemove $((about_left + 190)) $((about_top + 126)) click 1
expect_opened "xdg-open http://pictavo.example/"$'\n'"xdg-email mailto:mail@pictavo.example"$'\n'"xdg-open http://pictavo.example/"
expect "About Pictavo" "focus $home"
# Escape still closes the window from a link.
xdotool key Escape
eventually gone "About Pictavo" || fail "the About window is still open after Escape on a link"
xdotool windowactivate --sync "$window" key Escape
timeout 20 tail --pid="$pid" -f /dev/null || fail "still running after Escape"

# High contrast: the windows side by side, repainted in the theme's colours once they are told
# the theme is on; then their pixels where the described colours would show. The theme is white
# on black, with grey text green.
wine "$high_contrast" &
main=$(x_window Pictavo)
about=$(x_window "About Pictavo")
xdotool windowmove --sync "$about" 560 121
read -r main_left main_top < <(client_corner "$main" 229)
read -r about_left about_top < <(client_corner "$about" 278)
# Whether the screen's rectangle LEFT TOP WIDTH HEIGHT holds a pixel of the colour "R G B". (grep
# reads to the end: under pipefail, the pipe it closed early would fail the test.)
holds_colour() {
    screen | pamcut -left "$1" -top "$2" -width "$3" -height "$4" | pamtopnm -plain | tail -n +4 |
        tr -s ' \n' '\n\n' | grep . | paste -d ' ' - - - | grep -xF -- "$5" >/dev/null
}
expect_colour() {
    eventually holds_colour "${@:2}" || { screen | pnmtopng >"$screenshot" && fail "$1 is not in $6 (see $screenshot)"; }
}
white='255 255 255' green='63 242 63' black='0 0 0'
expect_colour "the background" $((main_left + 370)) $((main_top + 100)) 1 1 "$black"
expect_colour "the dark-blue rule" $((main_left + 100)) "$main_top" 1 1 "$white"
expect_colour "the grey plus" $((main_left + 250)) $((main_top + 120)) 1 1 "$green"
expect_colour "the grey separator" $((about_left + 100)) $((about_top + 203)) 1 1 "$green"
expect_colour "the black title" $((about_left + 72)) $((about_top + 16)) 259 24 "$white"
expect_colour "the dark-green caption" $((about_left + 72)) $((about_top + 120)) 89 17 "$white"
screen | pnmtopng >"$screenshot"
echo "PASS: reading order, tab cycles, links by keyboard and mouse, high contrast (screenshot: $screenshot)"
