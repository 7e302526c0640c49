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
