#!/usr/bin/env bash
# Runs the Windows program under Wine on a virtual X server and uses it as a user would: the
# window "Pictavo" appears with its 378x229 client area and the focus in the tag box; real XDND
# drags from an X client bring a GIF, two files at once onto the tag box, a BMP and a file whose
# name holds "&" and letters outside ASCII; after each accepted file the X clipboard holds the
# exact tag and the labels show the file's Wine path, while the BMP shows the refusal and leaves
# the clipboard as it was; a drag of text alone, which carries no file, shows two error boxes and
# the refusal; a missing file's error box takes Enter, and a drop made while it is up follows once
# it is closed; files pasted with Ctrl+V or Shift+Insert, in the tag box or on Quit, or with the
# tag box's menu are handled as a drop, and text pasted goes into the tag box;
# "About" > "This Utility" opens "About Pictavo", a dialog frame with a hidden owner, where "s"
# alone presses nothing and Enter on "System Info..." presses that button, which starts the
# program the registry names, or says it cannot; Escape closes the main window while the About
# window keeps the program running, and Escape there ends it with status 0. Started again at 144
# dpi with two files named on its command line, relative to its folder, the window's client area
# is 567x344 and it shows the second file by its full path. With PICTAVO_SCREENSHOTS naming a
# folder, the window is photographed there (xwd, netpbm) with a long path and a ten-digit size
# at 96 and at 144 dpi, and with the path's tool tip.
# Usage: wine_window_check.sh PICTAVO.EXE WINDOW_TEXTS.EXE XDND_DRAG
set -euo pipefail

program=$(realpath "$1")
window_texts=$(realpath "$2")
drag=${3:+$(realpath "$3")}

source "$(dirname "$(realpath "$0")")/../../../tests/support/check.sh"
[ -n "$drag" ] && [ -x "$drag" ] || skip "no X drag source given (tools/test-windows.sh builds it)"
for tool in xvfb-run wine xdotool xclip python3 ${PICTAVO_SCREENSHOTS:+xwd xwdtopnm pnmtopng}; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (tools/install-deps.sh --tests)"
done
if [ -z "${PICTAVO_INSIDE_XVFB:-}" ]; then
    exec env PICTAVO_INSIDE_XVFB=1 xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" "$0" "$@"
fi

# A prefix of its own: a Wine prefix keeps to the display it was first started on.
work=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-wine-window.XXXXXX")
throwaway_wine_prefix "$work"
wineboot --init >/dev/null 2>&1
link_wine_fonts

# A caption and close box without minimize or maximize box or sizing border; of the extended
# styles, the dialog frame (1) or not (0), never a tool window; and the window's owner.
frame_is() {
    local style extended owner
    read -r _ style extended owner < <(texts "$1" | grep '^frame ')
    (((style & 0xC80000) == 0xC80000 && (style & 0x70000) == 0 && (extended & 0x81) == $2)) && [ "$owner" = "$3" ]
}
expect_frame() { eventually frame_is "$@" || fail "'$1' has not the frame '${*:2}' but:"$'\n'"$(texts "$1")"; }
# Asked with a time limit: an owner of the clipboard that never answers would keep xclip waiting.
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }
holds() { [ "$(clipboard)" = "$1" ]; }
expect_clipboard() { eventually holds "$1" || fail "the clipboard holds '$(clipboard)', not '$1'"; }

mkdir "$work/drop"
cd "$work/drop"
printf 'GIF89a\x78\x00\x3c\x00\x00\x00\x00;' >logo.gif # 120 x 60
printf 'GIF89a\x2c\x01\x02\x00\x00\x00\x00;' >'Café & Crème.gif' # 300 x 2
# JFIF, then a baseline frame header of 480 rows and 640 columns.
printf '\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00' >photo.jpg
printf '\xff\xc0\x00\x11\x08\x01\xe0\x02\x80\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xff\xd9' >>photo.jpg
printf 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x64\x00\x00\x00\x32\x00\x00\x00' >picture.bmp
# A camera's picture deep in a folder whose path has spaces, and a GIF of 9,999,999,999 bytes (sparse).
long_path='home/alexandra/Pictures/Holidays 2024/Camera Roll/IMG_20240817_153012.jpg'
mkdir -p "$(dirname "$long_path")"
cp photo.jpg "$long_path"
cp logo.gif big.gif
truncate -s 9999999999 big.gif
# Wine shows the Unix file system as drive Z:.
wine_path() {
    local path="Z:$PWD/$1"
    echo "${path//\//\\}"
}

# The window photographed into PICTAVO_SCREENSHOTS, once it has drawn what it was just given.
screenshot() {
    [ -n "${PICTAVO_SCREENSHOTS:-}" ] || return 0
    sleep 1
    xwd -silent "${@:2}" | xwdtopnm 2>/dev/null | pnmtopng >"$PICTAVO_SCREENSHOTS/$1.png" || fail "no screenshot $1"
}
# The message box's X window, titled "Pictavo" as the main window is.
box_window() { xdotool search --onlyvisible --name '^Pictavo$' 2>/dev/null | grep -vx "$window" | head -n 1; }
box_shown() { [ -n "$(box_window)" ]; }
box_closed() { ! xdotool search --onlyvisible --name '^Pictavo$' 2>/dev/null | grep -qx "$1"; }
# Closes the message box that shows TEXT with Enter; another one may take its place at once.
close_box() {
    expect "Pictavo|#32770" "$1"
    eventually box_shown || fail "the message box '$1' has no X window"
    local box
    box=$(box_window)
    xdotool key Return
    eventually box_closed "$box" || fail "the message box '$1' is still open after Enter"
}
# Puts files on the X clipboard as a file manager's Copy does, as a text/uri-list, which Wine hands
# its programs as CF_HDROP; or text. Wine sees the new owner of the clipboard a moment later.
copy_files() {
    python3 -c 'import pathlib, sys; sys.stdout.write("".join(pathlib.Path(a).absolute().as_uri() + "\r\n" for a in sys.argv[1:]))' \
        "$@" | xclip -selection clipboard -t text/uri-list
    sleep 1
}
copy_text() {
    printf %s "$1" | xclip -selection clipboard
    sleep 1
}

wine "$program" &
pid=$!
window=$(x_window Pictavo)
expect Pictavo "client 378x229"
expect_frame Pictavo 0 unowned
expect Pictavo "focus The text in this area will be automatically sent to your clipboard."
expect Pictavo "           Enjoy!"

# The X window holds the menu bar over the client area.
eval "$(xdotool getwindowgeometry --shell "$window")"
top=$((HEIGHT - 229))
# Drags the files onto the client area point (x, y).
drop() { "$drag" "$window" "$1" $((top + $2)) "${@:3}" || fail "the drag of ${*:3} was refused"; }

drop 250 136 logo.gif
expect_clipboard '<img src="logo.gif" width="120" height="60" border="0">'
expect Pictavo "File: $(wine_path logo.gif)"
expect Pictavo "File Size: 14 bytes"
expect Pictavo "File Type: GIF"

# On the tag box, in list order: the last file's tag stays.
drop 100 207 logo.gif photo.jpg
expect_clipboard '<img src="photo.jpg" width="640" height="480" border="0">'
expect Pictavo "File: $(wine_path photo.jpg)"
expect Pictavo "File Type: Jpeg"

drop 250 136 picture.bmp
expect Pictavo "Sorry, but BitMaps are not used for HTML display."
expect Pictavo "Try dropping in a GIF,"
expect Pictavo "...or a Jpeg."
holds '<img src="photo.jpg" width="640" height="480" border="0">' || fail "the BMP changed the clipboard to '$(clipboard)'"

# A drop that carries no file (text, a browser's picture, a file that lives only inside another
# program) fails taking the file list, then the length of the empty path that runs in its place:
# two error boxes, then the refusal; the clipboard keeps its tag.
drop 250 136 --text 'https://pictavo.example/logo.gif'
close_box "File Processing Error"
close_box "File Processing Error"
expect Pictavo "What kind of file is this?"
gone "Pictavo|#32770" || fail "a third message box came up after a drop without a file"
holds '<img src="photo.jpg" width="640" height="480" border="0">' || fail "a drop without a file changed the clipboard"

# A step that fails in the middle of a drop: a file that is not there has no length. The source
# is answered at once, not when the "File Processing Error" box is closed (the drag fails
# otherwise). A drop made while the box is up waits for this one to end: Enter closes the box,
# this drop ends in its refusal, and then the waiting one publishes its file.
drop 250 136 gone.gif
expect "Pictavo|#32770" "File Processing Error"
drop 250 136 logo.gif
xdotool key Return
eventually gone "Pictavo|#32770" || fail "the message box is still open after Enter"
expect_clipboard '<img src="logo.gif" width="120" height="60" border="0">'
expect Pictavo "File: $(wine_path logo.gif)"

# The drop logic writes the "&" of a name as an HTML entity; the label shows the name as it is.
tag='<img src="Café &amp; Crème.gif" width="300" height="2" border="0">'
drop 250 136 'Café & Crème.gif'
expect_clipboard "$tag"
expect Pictavo "File: $(wine_path 'Café & Crème.gif')"

# One line each: the long path keeps "File: " and the file's name, the size shows whole.
drop 250 136 "$long_path"
expect Pictavo "File: $(wine_path "$long_path")"
screenshot long-path-96 -id "$window"
xdotool mousemove --window "$window" 100 $((top + 24))
screenshot long-path-tool-tip-96 -root
xdotool mousemove --window "$window" 5 $((top + 41))
drop 250 136 big.gif
expect Pictavo "File Size: 9999999999 bytes"
screenshot size-96 -id "$window"

# Every paste in the window is a drop when the clipboard holds files, and otherwise the tag box's
# text paste: Ctrl+V and Shift+Insert in the tag box (which pastes the second without WM_PASTE)
# and on Quit, and Paste in the tag box's menu, which offers it for files alone.
logo='<img src="logo.gif" width="120" height="60" border="0">'
xdotool mousemove --window "$window" 5 $((top + 41)) click 1
copy_files logo.gif
xdotool key ctrl+v
expect_clipboard "$logo"
expect Pictavo "focus $logo"
copy_files photo.jpg
xdotool key shift+Insert
expect_clipboard '<img src="photo.jpg" width="640" height="480" border="0">'
copy_files logo.gif
xdotool key Tab
expect Pictavo "focus Quit"
xdotool key ctrl+v
expect_clipboard "$logo"
expect Pictavo "File: $(wine_path logo.gif)"
copy_files photo.jpg
xdotool key shift+Insert
expect_clipboard '<img src="photo.jpg" width="640" height="480" border="0">'
expect Pictavo "focus Quit"
copy_text 'alt="" '
xdotool key ctrl+v
expect Pictavo 'alt="" <img src="photo.jpg" width="640" height="480" border="0">'
copy_files 'Café & Crème.gif'
xdotool mousemove --window "$window" 100 $((top + 207)) click 3
sleep 1
xdotool key p
expect_clipboard "$tag"

# Without a window manager Wine gives the keyboard to the window last clicked. (5, 41) is bare
# client area, left of where the About window appears.
xdotool mousemove --window "$window" 5 $((top + 41)) click 1
expect Pictavo "focus $tag"
xdotool key F10 Down Return
about=$(x_window "About Pictavo")
expect "About Pictavo" "Version 1.0.7"
expect "About Pictavo" "focus OK"
# A dialog frame, kept out of the task bar by an owner that is not the main window.
expect_frame "About Pictavo" 1 hidden-owner
# Access keys need Alt: "s" alone presses nothing, so the Tab after it moves on to the icon.
xdotool key s Tab
expect "About Pictavo" "focus Pictavo icon"
gone "Pictavo|#32770" || fail "s alone pressed System Info..."
# Enter presses the focused button: past the icon to "System Info...", which finds no System
# Information program in a fresh Wine prefix and says so; Enter closes that message.
xdotool key Tab Return
expect "Pictavo|#32770" "System Information Is Unavailable At This Time"
xdotool key Return
eventually gone "Pictavo|#32770" || fail "the message box is still open after Enter"
expect "About Pictavo" "focus &System Info..."

# Where the registry names the program, the button starts it through the real registry, file
# test and process start: the first location's path as it stands (a copy of Wine's Notepad, in a
# folder whose name has a space and a letter outside ASCII: the path is the program, so the
# C:\Común.exe planted beside it never runs, and it is read in the ANSI code page); without it,
# the MSINFO32.EXE in the second location's folder (a copy of this program), unless that file is
# hidden.
reg() { wine reg "$@" /f >/dev/null 2>&1 || fail "reg $*"; }
press_system_info() {
    xdotool mousemove --window "$about" 30 260 click 1
    expect "About Pictavo" "focus &System Info..."
    xdotool key Return
}
windows() { [ "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l)" -eq "$2" ]; }
expect_started() {
    press_system_info
    eventually windows "$2" "$3" || fail "System Info... started nothing from the $1 location"
    wine taskkill /f /im "$4" >/dev/null 2>&1
    eventually windows "$2" $(($3 - 1)) || fail "the started program does not end"
}
mkdir "$WINEPREFIX/drive_c/Común Files"
cp "$WINEPREFIX/drive_c/windows/notepad.exe" "$WINEPREFIX/drive_c/Común Files/"
cp "$program" "$WINEPREFIX/drive_c/Común.exe"
reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /d 'C:\Común Files\notepad.exe'
expect_started first "Untitled - Notepad" 1 notepad.exe
reg delete 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
mkdir "$WINEPREFIX/drive_c/msinfo"
cp "$program" "$WINEPREFIX/drive_c/msinfo/MSINFO32.EXE"
reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools Location' /v MSINFO /d 'C:\msinfo'
expect_started second Pictavo 2 MSINFO32.EXE
wine attrib +h 'C:\msinfo\MSINFO32.EXE' >/dev/null 2>&1
press_system_info
expect "Pictavo|#32770" "System Information Is Unavailable At This Time"
xdotool key Return
eventually gone "Pictavo|#32770" || fail "the message box is still open after Enter"

xdotool mousemove --window "$window" 5 $((top + 41)) click 1
expect Pictavo "focus $tag"
xdotool key Escape
eventually gone Pictavo || fail "the main window is still open after Escape"
kill -0 "$pid" 2>/dev/null || fail "the program ended while the About window was open"

xdotool mousemove --window "$about" 30 260 click 1
xdotool key Escape
timeout 20 tail --pid="$pid" -f /dev/null || fail "still running after Escape in the About window"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"

# At 144 dpi (display scaling 150 %) the window lays out its 96-dpi description scaled by 1.5. The
# files named on the command line, made absolute, are one drop: the last one's tag stays.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
wine "$program" big.gif "$long_path" &
window=$(x_window Pictavo)
expect Pictavo "client 567x344"
expect_clipboard '<img src="IMG_20240817_153012.jpg" width="640" height="480" border="0">'
expect Pictavo "File: $(wine_path "$long_path")"
screenshot long-path-144 -id "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
"$drag" "$window" 375 $((HEIGHT - 344 + 204)) big.gif || fail "the drag of big.gif was refused at 144 dpi"
expect Pictavo "File Size: 9999999999 bytes"
screenshot size-144 -id "$window"
echo "PASS: window, drops, pastes, clipboard, labels, About window, both Escapes, command line and 144 dpi under Wine"
