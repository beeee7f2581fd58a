#!/usr/bin/env bash
# Random use of the real main window, in Italian (decimal comma): a seeded stream of keys,
# pastes, Case menu entries and About windows, with any message box it brings closed by Enter.
# Afterwards the program must be running, take an amount and word it onto the clipboard.
#   VERBALO_RANDOM_SEED  the stream's seed (default 1): the same seed gives the same stream
#   VERBALO_RANDOM_EVENTS how many events (default 500)
# The whole stream is kept in build/e2e/random_use_test.events; a failure prints the seed and
# the last events sent.
source "$(dirname "$0")/harness.sh"
seed=${VERBALO_RANDOM_SEED:-1}
count=${VERBALO_RANDOM_EVENTS:-500}
printf '%s: seed %s, %s events (VERBALO_RANDOM_SEED replays a stream)\n' "$E2E_NAME" "$seed" "$count"
e2e_begin
e2e_locale it_IT.UTF-8

MAIN='DESCRIZIONE LETTERALE DI NUMERI'
ABOUT='^ Informazioni su Verbalo$'
MESSAGE='^Verbalo$'
BATCH=6  # keys sent in one xdotool call at most
E2E_TYPE_DELAY=${E2E_TYPE_DELAY:-8}

# A 31-bit linear congruential generator: rand N sets R to a number from 0 to N-1.
state=$((seed & 0x7fffffff))
rand() {
    state=$(((state * 1103515245 + 12345) & 0x7fffffff))
    R=$(((state >> 8) % $1))
}

# What a paste brings: short amounts, junk with accents, and texts longer than the field.
PASTE_CHARS=(0 1 2 3 4 5 6 7 8 9 0 1 5 9 ',' '.' '-' ' ' a x è é €)
paste_text() {
    local length text="" i
    rand 4
    if ((R == 0)); then rand 25; length=$((16 + R)); else rand 8; length=$((1 + R)); fi
    for ((i = 0; i < length; i++)); do
        rand ${#PASTE_CHARS[@]}
        text+=${PASTE_CHARS[R]}
    done
    PASTE=$text
}

# The stream, drawn in full before anything is sent, so that it depends on the seed alone.
LETTERS=(a b e o v x z)
MOVES=(BackSpace BackSpace Delete Left Right Home End)
CASE_ENTRIES=(m n i)  # maiuscolo, minuscolo, iniziali
events=()
for ((n = 0; n < count; n++)); do
    rand 100
    if ((R < 38)); then
        rand 10; events+=("key $R")
    elif ((R < 44)); then
        rand 2; ((R)) && events+=("key comma") || events+=("key period")
    elif ((R < 47)); then
        events+=("key minus")
    elif ((R < 53)); then
        rand ${#LETTERS[@]}; events+=("key ${LETTERS[R]}")
    elif ((R < 75)); then
        rand ${#MOVES[@]}; events+=("key ${MOVES[R]}")
    elif ((R < 81)); then
        events+=("key Return")
    elif ((R < 84)); then
        events+=("key Tab")
    elif ((R < 92)); then
        paste_text; events+=("paste $PASTE")
    elif ((R < 97)); then
        rand ${#CASE_ENTRIES[@]}; events+=("case ${CASE_ENTRIES[R]}")
    else
        rand 2; ((R)) && events+=("about Escape") || events+=("about Return")
    fi
done
printf '%s\n' "${events[@]}" >"$E2E_DIR/$E2E_NAME.events"

sent=0      # events sent so far
messages=0  # message boxes met (Enter pressed in one)
replay_info() {
    local from=$((sent > 20 ? sent - 20 : 0)) i
    printf '  seed %s; events %d to %d of %d (all in %s):\n' "$seed" $((from + 1)) "$sent" \
        "$count" "$E2E_DIR/$E2E_NAME.events" >&8
    for ((i = from; i < sent; i++)); do printf '    %4d  %s\n' $((i + 1)) "${events[i]}" >&8; done
}
stream_abort() {
    _e2e_fail "$@"
    replay_info
    exit 1
}

# focus_on WINDOW: waits (at most E2E_WAIT s) until the X focus is in the window. A window that
# is closed before Wine has moved the X focus into it can leave the focus on the root window,
# with nobody to take keys (under Wine without a window manager, its own programs too).
focus_on() {
    local deadline=$((SECONDS + E2E_WAIT))
    until [[ $(_e2e_x xdotool getwindowfocus 2>/dev/null) == "$1" ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.02
    done
}

# close_messages: closes with Enter every message box shown; fails if one stays open.
close_messages() {
    local tries box
    for ((tries = 0; tries < 5; tries++)); do
        box=$(_e2e_x xdotool search --onlyvisible --name "$MESSAGE" 2>/dev/null) || return 0
        ((messages++))
        focus_on "${box%%$'\n'*}"
        e2e_key Return
        e2e_wait_no_window "$MESSAGE" && return 0
    done
    return 1
}

# has_focus: the keyboard focus is in the main window or in a message box of the program. Wine
# moves the X focus a moment after the window it goes to appears, or after the one it leaves has
# gone: it is looked at again until it is there, at most E2E_WAIT s.
has_focus() {
    local focus deadline=$((SECONDS + E2E_WAIT))
    while ((SECONDS < deadline)); do
        focus=$(_e2e_x xdotool getwindowfocus 2>/dev/null)
        [[ $focus == "$E2E_WINDOW" || $(e2e_window_name "$focus" 2>/dev/null) =~ $MESSAGE ]] && return 0
        sleep 0.1
    done
    return 1
}

# After each batch: the program runs, no message box is left in the way, and the keys go to it.
check_between() {
    e2e_alive || stream_abort "the program ended during the stream"
    close_messages || stream_abort "a message box did not close with Enter"
    has_focus || stream_abort "the keyboard focus left the program"
}

keys=()
flush() {
    ((${#keys[@]})) || return 0
    _e2e_x xdotool key --delay "$E2E_TYPE_DELAY" -- "${keys[@]}" ||
        stream_abort "xdotool could not send the keys ${keys[*]}"
    keys=()
    check_between
}

open_about() {
    local tries about
    for tries in 1 2; do
        e2e_key alt+v
        # A late message box may have taken the keys: after a while it is closed, and Alt+V
        # tried again.
        if about=$(e2e_wait_window "$ABOUT" 15); then
            focus_on "$about" || stream_abort "the About window did not take the keyboard focus"
            return 0
        fi
        check_between  # a message box that came late took the keys
    done
    stream_abort "Alt+V opened no About window"
}

e2e_step "start"
e2e_launch "$MAIN" "$VERBALO_EXE" || e2e_abort "the main window did not appear"

e2e_step "random stream"
t0=$(_e2e_now)
for event in "${events[@]}"; do
    kind=${event%% *}
    arg=${event#* }
    ((++sent))
    case $kind in
        key)
            if [[ $arg == Return ]]; then
                # Enter may close a message box that the last key brought: it comes 0.1 s
                # later, when such a box has the focus (see focus_on).
                flush
                sleep 0.1
            fi
            keys+=("$arg")
            if [[ $arg == Return || $arg == Tab ]] || ((${#keys[@]} >= BATCH)); then flush; fi
            ;;
        paste)
            flush
            e2e_paste "$arg" || stream_abort "the clipboard could not be set for a paste"
            check_between
            ;;
        case)
            flush
            e2e_menu c "$arg"
            check_between
            ;;
        about)
            flush
            open_about
            e2e_key "$arg"
            e2e_wait_no_window "$ABOUT" || stream_abort "$arg did not close the About window"
            check_between
            ;;
    esac
done
flush
printf '%s: %d events in %s s, %d message boxes closed\n' "$E2E_NAME" "$count" \
    "$(_e2e_since "$t0")" "$messages"

e2e_step "after the stream"
assert_true "still running" e2e_alive || { replay_info; exit 1; }
sleep 0.3  # a message box the last keys bring has come by now
assert_true "message boxes close with Enter" close_messages
e2e_menu c n  # the wording as written, whatever style the stream chose last
e2e_key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace \
    BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
e2e_type '1234,5'
e2e_clipboard_mark
e2e_key Return
assert_eq "wording of 1234,5 after the stream" "Milleduecentotrentaquattro / 50" \
    "$(e2e_clipboard_wait)" || replay_info
