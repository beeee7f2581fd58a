# A private virtual X display for the Windows programs that run under Wine: the Windows tests
# (scripts/test), scripts/run and the end-to-end harness (tests/e2e/harness.sh). Source it.
#
#   display_start [LOG]  starts Xvfb (1280x800, 24 bits, no TCP), waits until it accepts
#                        clients (at most VERBALO_XVFB_WAIT seconds, default 120), exports
#                        DISPLAY and keeps its PID in VERBALO_XVFB_PID.
#                        Xvfb's own output goes to LOG (default: nowhere). Fails, with a
#                        message on standard error, when no display could be started.
#   display_stop         ends the display that display_start started, if any.
#
# Xvfb chooses a free display number itself and writes it to a pipe once it is ready
# (-displayfd), so any number of displays can start at the same time, in any processes, without
# guessing numbers. One display per shell: a second display_start forgets the first.
# Every process display_start starts inherits the caller's open files; a caller that keeps a
# file open that Xvfb must not hold closes it for the call ("display_start LOG 8>&-").
# The functions work under "set -eu".

display_start() {
    local log=${1:-/dev/null} dir number=""
    dir=$(mktemp -d "${TMPDIR:-/tmp}/verbalo-display.XXXXXX") || return 1
    mkfifo "$dir/number" || { rm -rf "$dir"; return 1; }
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$dir/number" >"$log" 2>&1 &
    VERBALO_XVFB_PID=$!
    # Ends with the number once Xvfb is ready, or at once if Xvfb ended without one.
    read -r -t "${VERBALO_XVFB_WAIT:-120}" number <"$dir/number" || true
    rm -rf "$dir"
    if [[ ! $number =~ ^[0-9]+$ ]]; then
        display_stop
        echo "display: Xvfb did not start${1:+ (see $1)}" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

display_stop() {
    if [[ -n ${VERBALO_XVFB_PID:-} ]]; then
        kill "$VERBALO_XVFB_PID" 2>/dev/null || true
        wait "$VERBALO_XVFB_PID" 2>/dev/null || true
        VERBALO_XVFB_PID=
    fi
    return 0
}
