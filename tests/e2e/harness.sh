# End-to-end harness: runs a Windows program under Wine on a private X display and drives it
# with the keyboard and mouse, as a person would. Source it from a test script:
#
#   source "$(dirname "$0")/harness.sh"
#   e2e_begin                                   # display, Wine prefix, wineserver, clean-up traps
#   e2e_locale it_IT.UTF-8                      # decimal comma for what is started from now on
#   e2e_launch 'CAPTION REGEX' "$VERBALO_EXE" || e2e_abort "no main window"
#   e2e_clipboard_mark; e2e_type '1234,5'; e2e_key Return
#   assert_eq "wording on the clipboard" "..." "$(e2e_clipboard_wait)"
#
# The summary line and the exit status (0 all passed, 1 otherwise) come from the EXIT trap.
# Assertions return 1 on failure and the test goes on: don't "set -e".
# Everything that can wait has a timeout. A wait for something that should happen ends as soon
# as it happens, so its limit is a guard against a hang, far above the time it takes on a busy
# machine: E2E_WAIT seconds unless a caller gives another. The display, the choice of Wine, the prefix and the
# wineserver come from scripts/lib/display.sh and scripts/lib/wine.sh, as for the other Windows
# tests. Settings (environment):
#   VERBALO_EXE          the program (default build/win32/Verbalo.exe where 32-bit Wine runs,
#                        else build/win64/Verbalo.exe)
#   VERBALO_E2E_PROBE    the Windows helper for e2e_probe and the clipboard marks (default
#                        build/ARCH/tests/e2e/probe/verbalo-e2e-probe.exe, beside VERBALO_EXE's build)
#   VERBALO_WINE         the Wine loader (default /usr/lib/wine/wine if it runs, else wine64:
#                        wine_select); a name ending in 64 makes the test run 64-bit programs
#   VERBALO_WINESERVER   the wineserver (default wineserver64 beside the loaders)
#   VERBALO_E2E_DIR      output: prefix, logs, screenshots (default build/e2e)
#   VERBALO_E2E_DEADLINE seconds after which the test stops itself (default 885)
#   VERBALO_E2E_VERBOSE  1: print each step (e2e_step) with its time

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$E2E_ROOT/scripts/lib/display.sh"
source "$E2E_ROOT/scripts/lib/wine.sh"
E2E_NAME=$(basename "$0" .sh)
E2E_DIR=${VERBALO_E2E_DIR:-$E2E_ROOT/build/e2e}
E2E_TYPE_DELAY=${E2E_TYPE_DELAY:-20}  # ms between typed characters
E2E_X_TIMEOUT=60                      # seconds for one X tool call
E2E_WAIT=60                           # seconds for an awaited window, text or exit
E2E_LOCALE=en_US.UTF-8
E2E_PASSED=0
E2E_FAILED=0
E2E_PID=""           # the program started by e2e_start / e2e_launch
E2E_WINDOW=""        # its main window, found by e2e_launch
E2E_EXIT_CODE=""     # set by e2e_wait_exit
E2E_WATCHDOG_PID=""
E2E_CLIPBOARD_MARK=""
E2E_OTHER_PID=""
E2E_PROBE_PID=""     # the probe that e2e_probe talks to
E2E_STEP=""
E2E_DPI=96           # set by e2e_dpi

wine_select
E2E_ARCH=$VERBALO_WINE_ARCH
VERBALO_EXE=${VERBALO_EXE:-$E2E_ROOT/build/$E2E_ARCH/Verbalo.exe}
VERBALO_E2E_PROBE=${VERBALO_E2E_PROBE:-$E2E_ROOT/build/$E2E_ARCH/tests/e2e/probe/verbalo-e2e-probe.exe}

# The tests share a few prefixes, each used by one test at a time (fd 9 holds its lock), so that
# two tests can run at once: the first free one of VERBALO_E2E_PREFIXES (default 2) is taken,
# else the test waits until one is free, at most 600 s. The first keeps the plain name.
_e2e_take_prefix() {
    local slots=${VERBALO_E2E_PREFIXES:-2} slot end=$((SECONDS + 600))
    mkdir -p "$E2E_DIR"
    while ((SECONDS < end)); do
        for ((slot = 0; slot < slots; slot++)); do
            WINEPREFIX=$E2E_DIR/wineprefix-$E2E_ARCH
            ((slot == 0)) || WINEPREFIX+=-$slot
            exec 9>"$WINEPREFIX.lock"
            flock -n 9 && E2E_SLOT=$slot && return 0
            exec 9>&-
        done
        sleep 0.5
    done
    return 1
}
_e2e_take_prefix || { echo "$E2E_NAME: every Wine prefix stayed locked for 600 s" >&2; exit 1; }
export WINEPREFIX
# Each prefix's test runs on a processor of its own, with everything it starts: its Xvfb, its
# wineserver and the programs. A Wine program waits for its wineserver at every call, and when
# the two run on different processors each wait wakes the other one (bench/startup measured
# half the speed that way); two tests at once would also take each other's processors.
taskset -p -c $((E2E_SLOT % $(nproc))) $$ >/dev/null 2>&1 || true

_e2e_now() { date +%s.%N; }
_e2e_since() { awk -v a="$1" -v b="$(_e2e_now)" 'BEGIN { printf "%.1f", b - a }'; }
_e2e_log() { printf '%s: %s\n' "$E2E_NAME" "$*" >&8; }

# The harness reports on fd 8, a copy of the test's standard output: a failure or a timeout in
# the middle of "e2e_screenshot ... >/dev/null" is still reported. Fd 9 locks the prefix. Every
# child closes both: a process left behind must keep neither the prefix locked nor ctest's
# output pipe open.
exec 8>&1
_e2e_x() { timeout "$E2E_X_TIMEOUT" "$@" 8>&- 9>&-; }

# ---------------------------------------------------------------------------------------------
# Set-up and clean-up

# e2e_begin: starts the display, prepares the prefix, starts the wineserver; installs the traps.
# Where the programs of E2E_ARCH cannot run, the test ends as skipped (status 77), with the reason.
e2e_begin() {
    if [[ $E2E_ARCH == win32 ]] && ! can_run_32bit; then
        echo "skipped: $(no_32bit_reason)"
        exit 77
    fi
    E2E_START_TIME=$(_e2e_now)
    mkdir -p "$E2E_DIR"
    trap _e2e_finish EXIT
    trap '_e2e_fail "interrupted"; exit 130' INT
    trap '_e2e_fail "stopped (deadline ${VERBALO_E2E_DEADLINE:-885} s, or TERM)"; exit 143' TERM
    _e2e_start_watchdog "${VERBALO_E2E_DEADLINE:-885}"
    # The prefix is this test's alone (_e2e_take_prefix): it runs its own wineserver.
    _e2e_end_leftovers
    _e2e_start_display || e2e_abort "no X display could be started"
    _e2e_prepare_prefix || e2e_abort "Wine prefix could not be prepared (see $WINEPREFIX.wineboot.log)"
    _e2e_start_wineserver || e2e_abort "wineserver did not start"
    _e2e_start_probe || e2e_abort "the probe did not start"
    _e2e_log "ready on $DISPLAY, $E2E_ARCH, in $(_e2e_since "$E2E_START_TIME") s"
}

# Sends TERM to the test after SECONDS; ends by itself when the test is gone.
_e2e_start_watchdog() {  # seconds
    local main=$$ end=$((SECONDS + $1))
    (
        while ((SECONDS < end)); do
            sleep 1
            kill -0 "$main" 2>/dev/null || exit 0
        done
        kill -TERM "$main"
    ) >/dev/null 2>&1 8>&- 9>&- &
    E2E_WATCHDOG_PID=$!
}

# The processes a test starts besides Wine's are listed in NAME.pids: a test that was killed
# (SIGKILL) cannot end them, so the next run of the same test does.
_e2e_remember() {  # pid
    printf '%s %s\n' "$1" "$(cat "/proc/$1/comm" 2>/dev/null)" >>"$E2E_DIR/$E2E_NAME.pids"
}

_e2e_end_leftovers() {
    local list=$E2E_DIR/$E2E_NAME.pids pid comm
    [[ -f $list ]] || return 0
    while read -r pid comm; do
        [[ -n $comm && $(cat "/proc/$pid/comm" 2>/dev/null) == "$comm" ]] && kill "$pid" 2>/dev/null
    done <"$list"
    rm -f "$list"
}

# Xvfb's output goes to build/e2e/NAME.xvfb.log.
_e2e_start_display() {
    display_start "$E2E_DIR/$E2E_NAME.xvfb.log" 8>&- 9>&- || return 1
    _e2e_remember "$VERBALO_XVFB_PID"
}

# Once per prefix (wine_prepare_prefix): wineboot, then the settings, windows unmanaged. Wine's
# output goes to build/e2e/wineprefix-ARCH[-N].wineboot.log.
_e2e_prepare_prefix() {
    wine_prefix_ready unmanaged && return 0
    local t0
    t0=$(_e2e_now)
    wine_prepare_prefix unmanaged >"$WINEPREFIX.wineboot.log" 2>&1 8>&- 9>&- || return 1
    _e2e_log "prepared $WINEPREFIX in $(_e2e_since "$t0") s"
}

# A persistent server, warmed up in the test's locale.
_e2e_start_wineserver() {
    wine_server_start "$E2E_LOCALE" 8>&- 9>&-
}

_e2e_finish() {
    local status=$?
    trap - EXIT INT TERM
    _e2e_cleanup
    ((status != 0 && E2E_FAILED == 0)) && E2E_FAILED=1
    printf '%s: %d passed, %d failed (%s s)\n' "$E2E_NAME" "$E2E_PASSED" "$E2E_FAILED" \
        "$(_e2e_since "${E2E_START_TIME:-$(_e2e_now)}")" >&8
    ((E2E_FAILED == 0)) && exit 0
    exit 1
}

# Ends, by PID, everything this test started.
_e2e_cleanup() {
    local pid
    if [[ -n $E2E_PID ]] && e2e_alive; then
        kill "$E2E_PID" 2>/dev/null
        e2e_wait_exit 3 || kill -KILL "$E2E_PID" 2>/dev/null
    fi
    for pid in $E2E_OTHER_PID; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    _e2e_stop_probe
    [[ $E2E_DPI != 96 ]] && e2e_dpi 96
    wine_server_stop 8>&- 9>&-
    [[ -n $E2E_PID ]] && wait "$E2E_PID" 2>/dev/null
    display_stop
    if [[ -n $E2E_WATCHDOG_PID ]]; then
        kill "$E2E_WATCHDOG_PID" 2>/dev/null
        wait "$E2E_WATCHDOG_PID" 2>/dev/null
    fi
    rm -f "$E2E_DIR/$E2E_NAME.pids"
}

# ---------------------------------------------------------------------------------------------
# Wine and the program

# e2e_locale LOCALE: the LANG and LC_ALL of every Wine process started from now on
# (it_IT.UTF-8: decimal comma, grouping point; en_US.UTF-8: decimal point). Each Wine start
# also rewrites the locale values in the prefix's registry, which a running program may read
# again: don't start Wine commands in another locale while the program runs.
e2e_locale() { E2E_LOCALE=$1; }

# e2e_dpi DPI: the screen's DPI for the programs started from now on: 96 is 100 % scaling, 144
# is 150 %. At its end the test sets 96 again, as the other tests expect.
e2e_dpi() {
    E2E_DPI=$1
    e2e_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1
}

# e2e_wine ARGS...: a Wine command in the foreground, in the current locale, at most 180 s.
e2e_wine() {
    LANG=$E2E_LOCALE LC_ALL=$E2E_LOCALE timeout 180 "$VERBALO_WINE" "$@" 6>&- 7>&- 8>&- 9>&-
}

# e2e_decimal_separator: prints the decimal separator Wine gives programs in the current locale.
e2e_decimal_separator() {
    e2e_wine reg query 'HKCU\Control Panel\International' /v sDecimal 2>/dev/null |
        tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p'
}

# e2e_start EXE [ARGS...]: starts a Windows program in the background; its PID in E2E_PID.
# Its standard output and error go to build/e2e/NAME.program.log.
e2e_start() {
    LANG=$E2E_LOCALE LC_ALL=$E2E_LOCALE "$VERBALO_WINE" "$@" \
        >"$E2E_DIR/$E2E_NAME.program.log" 2>&1 8>&- 9>&- &
    E2E_PID=$!
    E2E_EXIT_CODE=""
}

# e2e_launch PATTERN EXE [ARGS...]: e2e_start, then waits (twice E2E_WAIT, or until the program
# ends) for a visible window whose name matches PATTERN (a regular expression), keeps it in
# E2E_WINDOW and gives it the focus. If none came, says why and fails.
e2e_launch() {
    local pattern=$1 deadline=$((SECONDS + 2 * E2E_WAIT))
    shift
    e2e_start "$@"
    E2E_WINDOW=""
    while ((SECONDS < deadline)) && e2e_alive; do
        E2E_WINDOW=$(e2e_wait_window "$pattern" 1) && break
    done
    if [[ -z $E2E_WINDOW ]]; then
        if e2e_wait_exit 0; then
            printf '  %s ended (status %s) without a window; its output:\n' "$1" "$E2E_EXIT_CODE" >&8
            tail -n 5 "$E2E_DIR/$E2E_NAME.program.log" | sed 's/^/    /' >&8
        else
            printf '  no window named /%s/ in %s s\n' "$pattern" $((2 * E2E_WAIT)) >&8
        fi
        return 1
    fi
    e2e_focus "$E2E_WINDOW"
}

# e2e_probe ARGS...: reads the running Verbalo's main window from another Windows process, in
# the same prefix, display and locale: "e2e_probe text field|echo|output|status" prints the text
# of that control, "e2e_probe clipboard-owner" prints main, none, or "other CLASS". Fails, with
# a message on standard error, when the main window is not there.
# The probe stays running through the test (e2e_begin starts it), one command a line: a Wine
# start for every look at the window costs about a fifth of a second of processor time. Where it
# is not running (it ended, or this is a subshell that cannot start it for the test), a probe is
# started for the one command.
e2e_probe() {
    local status hex
    if [[ -n $E2E_PROBE_PID ]] && kill -0 "$E2E_PROBE_PID" 2>/dev/null &&
        printf '%s\n' "$*" >&6 && read -r -t "$E2E_WAIT" status hex <&7; then
        [[ -z $hex ]] || printf '%b\n' "$(sed 's/../\\x&/g' <<<"$hex")"
        return "$status"
    fi
    e2e_wine "$VERBALO_E2E_PROBE" "$@"
}

# Starts the probe that e2e_probe talks to, through two named pipes on descriptors 6 and 7.
_e2e_start_probe() {
    local pipes=$E2E_DIR/$E2E_NAME.probe
    rm -rf "$pipes" && mkdir -p "$pipes" && mkfifo "$pipes/in" "$pipes/out" || return 1
    LANG=$E2E_LOCALE LC_ALL=$E2E_LOCALE "$VERBALO_WINE" "$VERBALO_E2E_PROBE" serve \
        <"$pipes/in" >"$pipes/out" 2>>"$E2E_DIR/$E2E_NAME.probe.log" 6>&- 7>&- 8>&- 9>&- &
    E2E_PROBE_PID=$!
    _e2e_remember "$E2E_PROBE_PID"
    exec 6>"$pipes/in" 7<"$pipes/out"
}

_e2e_stop_probe() {
    [[ -n $E2E_PROBE_PID ]] || return 0
    exec 6>&- 7>&-  # the end of its input ends it
    local deadline=$((SECONDS + 5))
    while kill -0 "$E2E_PROBE_PID" 2>/dev/null && ((SECONDS < deadline)); do
        sleep 0.1
    done
    kill "$E2E_PROBE_PID" 2>/dev/null
    wait "$E2E_PROBE_PID" 2>/dev/null
    E2E_PROBE_PID=""
}

# e2e_probe_wait EXPECTED ARGS...: runs e2e_probe ARGS until it prints EXPECTED, at most
# E2E_WAIT s, and prints what it printed last: a reading taken right after a keystroke may come
# before the program has handled it.
e2e_probe_wait() {
    local expected=$1 text deadline=$((SECONDS + E2E_WAIT))
    shift
    while :; do
        text=$(e2e_probe "$@")
        if [[ $text == "$expected" ]] || ((SECONDS >= deadline)); then break; fi
        sleep 0.1
    done
    printf '%s' "$text"
}

# e2e_alive: is the program still running?
e2e_alive() {
    [[ -n $E2E_PID && -r /proc/$E2E_PID/stat ]] || return 1
    local stat
    stat=$(cat "/proc/$E2E_PID/stat" 2>/dev/null) || return 1  # it may end meanwhile
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

# e2e_wait_exit [TIMEOUT]: waits (default E2E_WAIT s) for the program to end; its status in
# E2E_EXIT_CODE.
e2e_wait_exit() {
    local deadline
    deadline=$(($(date +%s%N) / 1000000 + ${1:-$E2E_WAIT} * 1000))
    while e2e_alive; do
        (($(date +%s%N) / 1000000 >= deadline)) && return 1
        sleep 0.1
    done
    wait "$E2E_PID" 2>/dev/null
    E2E_EXIT_CODE=$?
    return 0
}

# ---------------------------------------------------------------------------------------------
# Windows

# e2e_wait_window PATTERN [TIMEOUT]: prints the id of a visible window whose name matches
# PATTERN, waiting at most TIMEOUT seconds (default E2E_WAIT); fails if none came.
e2e_wait_window() {
    local found
    found=$(timeout "${2:-$E2E_WAIT}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null 8>&- 9>&-) ||
        return 1
    printf '%s\n' "${found%%$'\n'*}"
}

# e2e_wait_no_window PATTERN [TIMEOUT]: waits (default E2E_WAIT s) until no visible window's
# name matches PATTERN.
e2e_wait_no_window() {
    local deadline
    deadline=$(($(date +%s%N) / 1000000 + ${2:-$E2E_WAIT} * 1000))
    while _e2e_x xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        (($(date +%s%N) / 1000000 >= deadline)) && return 1
        sleep 0.1
    done
}

# e2e_window_name WINDOW: prints the window's name (its caption).
e2e_window_name() { _e2e_x xdotool getwindowname "$1"; }

# e2e_window_pid WINDOW: prints the PID of the process that owns the window.
e2e_window_pid() { _e2e_x xdotool getwindowpid "$1"; }

# e2e_focus [WINDOW]: gives the keyboard focus to WINDOW (default E2E_WINDOW).
e2e_focus() { _e2e_x xdotool windowfocus --sync "${1:-$E2E_WINDOW}" 2>/dev/null; }

# e2e_geometry [WINDOW]: prints "X Y WIDTH HEIGHT" of the whole window (caption and frame included).
e2e_geometry() {
    local X Y WIDTH HEIGHT
    eval "$(_e2e_x xdotool getwindowgeometry --shell "${1:-$E2E_WINDOW}" | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9-]+$')"
    [[ -n ${WIDTH:-} ]] || return 1
    echo "$X $Y $WIDTH $HEIGHT"
}

# e2e_resize WINDOW WIDTH HEIGHT: drags the bottom-right corner until the window is that big,
# then waits until the size settles (the program may correct it) and gives the focus back.
# Fails if the size reached is not the one asked for.
e2e_resize() {
    local win=$1 x y w h
    read -r x y w h < <(e2e_geometry "$win") || return 1
    _e2e_drag $((x + w - 2)) $((y + h - 2)) $((x + $2 - 2)) $((y + $3 - 2))
    _e2e_settle "$win" "$x $y $2 $3"
}

# e2e_move WINDOW X Y: drags the caption until the window's top-left corner is at X,Y.
e2e_move() {
    local win=$1 x y w h grab_x grab_y=10
    read -r x y w h < <(e2e_geometry "$win") || return 1
    grab_x=$((w / 3))
    _e2e_drag $((x + grab_x)) $((y + grab_y)) $(($2 + grab_x)) $(($3 + grab_y))
    _e2e_settle "$win" "$2 $3 $w $h"
}

_e2e_drag() {  # from-x from-y to-x to-y
    local mid_x=$((($1 + $3) / 2)) mid_y=$((($2 + $4) / 2))
    _e2e_x xdotool mousemove --sync "$1" "$2" mousedown 1 mousemove --sync "$mid_x" "$mid_y" \
        mousemove --sync "$3" "$4" mouseup 1 mousemove --sync 1279 799
}

_e2e_settle() {  # window expected-geometry
    local geometry last="" stable=0 deadline=$((SECONDS + E2E_WAIT))
    while ((SECONDS < deadline)); do
        geometry=$(e2e_geometry "$1")
        [[ $geometry == "$2" ]] && break
        if [[ $geometry == "$last" ]]; then
            ((++stable >= 5)) && break
        else
            stable=0
        fi
        last=$geometry
        sleep 0.1
    done
    e2e_focus "$1"
    [[ $geometry == "$2" ]]
}

# e2e_screenshot NAME [WINDOW]: saves the window (default: the whole screen) as
# build/e2e/NAME.png and prints the path.
e2e_screenshot() {
    local file=$E2E_DIR/$1.png
    _e2e_x import -silent -window "${2:-root}" "$file" 2>/dev/null || return 1
    echo "$file"
}

# e2e_focus_other_app: another application (an X client that is not Wine) takes the focus, as
# when the user switches to another program. e2e_focus gives it back.
e2e_focus_other_app() {
    if [[ -z $E2E_OTHER_PID ]]; then
        xmessage -geometry +900+700 -title e2e-other-app -buttons '' 'other application' \
            >/dev/null 2>&1 8>&- 9>&- &
        E2E_OTHER_PID=$!
        _e2e_remember "$E2E_OTHER_PID"
    fi
    local win
    win=$(e2e_wait_window '^e2e-other-app$' 10) || return 1
    e2e_focus "$win"
}

# ---------------------------------------------------------------------------------------------
# Keyboard

# e2e_type TEXT: types TEXT (printable ASCII, tab, newline) into the focused window, key by key.
# A character missing from the US keymap would be typed by remapping a spare key for an instant,
# and Wine often reads the keymap too late (about one time in five, "è" comes out as nothing):
# for such text, e2e_type fails at once; put it in with e2e_paste instead.
e2e_type() {
    local LC_ALL=C
    if [[ $1 =~ [^\ -~$'\t\n'] ]]; then
        _e2e_fail "e2e_type: only ASCII can be typed reliably; paste the rest" "text: $1"
        return 1
    fi
    _e2e_x xdotool type --delay "$E2E_TYPE_DELAY" -- "$1"
}

# e2e_paste TEXT: puts TEXT on the clipboard and pastes it with ctrl+v.
e2e_paste() { e2e_clipboard_set "$1" && e2e_key ctrl+v; }

# e2e_key KEY...: presses keys or combinations in turn (Return, BackSpace, Tab, ctrl+v, alt+F4).
e2e_key() { _e2e_x xdotool key --delay 30 -- "$@"; }

# e2e_menu LETTER KEY...: opens a menu with alt+LETTER, then presses the keys in turn
# ("e2e_menu f x": File, Exit).
e2e_menu() {
    local letter=$1
    shift
    e2e_key "alt+$letter" && e2e_key "$@"
}

# ---------------------------------------------------------------------------------------------
# Clipboard (the X clipboard, which Wine keeps in step with the Windows one)

# e2e_clipboard_set TEXT: puts TEXT on the clipboard, and waits until X serves it too. The probe
# copies it on the Windows side, as a Windows program copies, and Wine offers it to X. (Put
# there through X, Wine's clipboard manager would take it into Windows by itself later, holding
# the Windows clipboard open meanwhile: a program that copies or pastes in that moment finds
# the clipboard busy, or has its copy overwritten by the manager's late import.)
e2e_clipboard_set() {
    e2e_probe clipboard-set "$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n')" || return 1
    local wanted=${1//$'\r'/} deadline=$((SECONDS + E2E_WAIT))
    until [[ $(e2e_clipboard_get | tr -d '\r') == "$wanted" ]]; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.05
    done
}

# e2e_clipboard_get: prints what the clipboard holds now (nothing if it holds no text).
e2e_clipboard_get() { timeout 30 xclip -selection clipboard -o 2>/dev/null 8>&- 9>&-; }

# e2e_clipboard_mark: puts a unique marker on the clipboard, for e2e_clipboard_wait.
e2e_clipboard_mark() {
    E2E_CLIPBOARD_MARK="e2e-mark-$$-$RANDOM"
    e2e_clipboard_set "$E2E_CLIPBOARD_MARK"
}

# e2e_clipboard_wait [TIMEOUT]: waits (default E2E_WAIT s) until the clipboard holds a text other than
# the marker and prints it; fails on timeout. An empty clipboard is not an answer: between
# EmptyClipboard and the new text, Wine briefly offers an empty selection, and a read in that
# moment would let the late text arrive during the next step.
e2e_clipboard_wait() {
    local text deadline=$((SECONDS + ${1:-$E2E_WAIT}))
    while ((SECONDS < deadline)); do
        text=$(e2e_clipboard_get)
        if [[ -n $text && $text != "$E2E_CLIPBOARD_MARK" ]]; then
            printf '%s' "$text"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# ---------------------------------------------------------------------------------------------
# Assertions: silent when they pass; a failure prints what differs and saves a screenshot
# (build/e2e/NAME-failure-N.png).

# e2e_step TEXT: names what the test does now; failures and timeouts say where they happened.
# With VERBALO_E2E_VERBOSE=1 each step is printed with the time since the start.
e2e_step() {
    E2E_STEP=$1
    [[ -n ${VERBALO_E2E_VERBOSE:-} ]] && _e2e_log "$(_e2e_since "$E2E_START_TIME") s: $1"
    return 0
}

_e2e_fail() {  # what [detail lines...]
    E2E_FAILED=$((E2E_FAILED + 1))
    printf 'FAIL %s%s\n' "${E2E_STEP:+[$E2E_STEP] }" "$1" >&8
    shift
    (($#)) && printf '  %s\n' "$@" >&8
    [[ -n ${VERBALO_XVFB_PID:-} ]] && e2e_screenshot "$E2E_NAME-failure-$E2E_FAILED" >/dev/null &&
        printf '  screen: %s\n' "$E2E_DIR/$E2E_NAME-failure-$E2E_FAILED.png" >&8
    return 0
}

# A value in quotes; with control characters (newline, tab, CR) in $'...' form.
_e2e_show() {
    if [[ $1 == *[[:cntrl:]]* ]]; then printf '%q' "$1"; else printf "'%s'" "$1"; fi
}

# assert_eq NAME EXPECTED ACTUAL
assert_eq() {
    if [[ $2 == "$3" ]]; then
        E2E_PASSED=$((E2E_PASSED + 1))
        return 0
    fi
    _e2e_fail "$1" "expected: $(_e2e_show "$2")" "actual:   $(_e2e_show "$3")"
    return 1
}

# assert_contains NAME TEXT PART: TEXT contains PART.
assert_contains() {
    if [[ $2 == *"$3"* ]]; then
        E2E_PASSED=$((E2E_PASSED + 1))
        return 0
    fi
    _e2e_fail "$1" "text:  $(_e2e_show "$2")" "lacks: $(_e2e_show "$3")"
    return 1
}

# assert_true NAME COMMAND...: the command succeeds.
assert_true() {
    local name=$1
    shift
    if "$@"; then
        E2E_PASSED=$((E2E_PASSED + 1))
        return 0
    fi
    _e2e_fail "$name" "failed: $*"
    return 1
}

# e2e_abort MESSAGE: a failure after which the test cannot go on; ends it (with the clean-up).
e2e_abort() {
    _e2e_fail "$1"
    exit 1
}
