# What the checks that drive a real program share; sourced by them, not run.

# Ends the check as skipped (CTest's SKIP_RETURN_CODE 77) where something it needs is missing.
skip() {
    echo "SKIP: $*"
    exit 77
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Skips the check unless each of the named tools is installed.
need_tools() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (tools/install-deps.sh --tests)"
    done
}

# Runs the check (SCRIPT ARGUMENT...) again on a virtual X server with a screen of SIZE, unless it
# runs on one already.
on_virtual_screen() {
    [ -z "${PICTAVO_INSIDE_XVFB:-}" ] || return 0
    exec env PICTAVO_INSIDE_XVFB=1 xvfb-run --auto-servernum --server-args="-screen 0 ${1}x24" "${@:2}"
}

# A program under a virtual display, Wine's above all (a window without a window manager takes two
# seconds to go), acts on input after delays of its own, so every expectation is polled, for 30
# seconds.
eventually() {
    for _ in $(seq 150); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

# Gives the check a throwaway Wine prefix in DIR/prefix, and removes DIR, Wine's server stopped,
# when the check ends. The server keeps its socket folder under TMPDIR and never removes it: so
# that nothing stays behind in /tmp, TMPDIR is DIR/tmp. Wine's debug chatter is off; a second
# argument adds to the DLL overrides every check has, which keep Wine from offering to install
# Mono or Gecko (no test needs them).
throwaway_wine_prefix() {
    wine_work=$1
    mkdir -p "$wine_work/tmp" "$wine_work/prefix"
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$wine_work"' EXIT
    export WINEPREFIX=$wine_work/prefix TMPDIR=$wine_work/tmp WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=${2:+;$2}"
    # Wine stores Windows file names as Unix names in the locale's character set: without a UTF-8
    # locale (as under a bare CI environment) a name outside ASCII cannot be created at all.
    export LC_ALL=C.UTF-8
}

# Wine's own faces (Tahoma, MS Sans Serif: Debian's fonts-wine), which this Wine looks for only
# in the prefix's font folder.
link_wine_fonts() {
    [ ! -d /usr/share/wine/fonts ] || ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# The Windows program's windows, for the checks that drive it under Wine. A window's client size,
# frame, focused control and control texts in creation order, as a Win32 program reads them with
# the window_texts program that $window_texts names. A message box is named by its title and its
# class, "Pictavo|#32770".
texts() {
    local class=
    [[ $1 == *"|"* ]] && class=${1#*|}
    wine "$window_texts" "${1%%|*}" ${class:+"$class"} 2>/dev/null
}
shows() { texts "$1" | grep -qxF -- "$2"; }
gone() { ! texts "$1" >/dev/null; }
expect() { eventually shows "$1" "$2" || fail "'$1' does not show '$2' but:"$'\n'"$(texts "$1")"; }
# The X window of that title. xdotool gives up when a window vanishes while it searches, as
# Wine's short-lived ones do, so it is asked again until it answers.
shown() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
x_window() {
    eventually shown "$1" || fail "no window titled '$1'"
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
