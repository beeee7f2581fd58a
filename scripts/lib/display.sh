# A private virtual X display for the Windows programs that the tests run under Wine.
# Source it; then display_start (exports DISPLAY) and display_stop.

display_start() {
    local number
    for number in $(seq 90 140); do
        if [[ ! -e /tmp/.X11-unix/X$number && ! -e /tmp/.X$number-lock ]]; then
            Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
            VERBALO_XVFB_PID=$!
            export DISPLAY=":$number"
            local waited
            for waited in $(seq 1 50); do
                if xdpyinfo >/dev/null 2>&1; then
                    return 0
                fi
                sleep 0.1
            done
            kill "$VERBALO_XVFB_PID" 2>/dev/null
        fi
    done
    echo "display: no virtual display could be started" >&2
    return 1
}

display_stop() {
    if [[ -n ${VERBALO_XVFB_PID:-} ]]; then
        kill "$VERBALO_XVFB_PID" 2>/dev/null || true
        wait "$VERBALO_XVFB_PID" 2>/dev/null || true
        VERBALO_XVFB_PID=
    fi
}
