#!/usr/bin/env bash
# What the amount field promises at its edges, in Italian (decimal comma, grouping point), read
# back from the real window with the probe (e2e_probe) where X shows nothing:
#  - a paste longer than the field keeps whole characters: nothing of a cut one is left;
#  - the longest negative amount is echoed in groups, and no message refuses it;
#  - a text that is not a number brings one message, and selecting it all afterwards no other;
#  - the wording put on the clipboard belongs to the main window.
source "$(dirname "$0")/harness.sh"
e2e_begin
e2e_locale it_IT.UTF-8

MESSAGE='^Verbalo$'

e2e_step "start"
e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$VERBALO_EXE" || e2e_abort "the main window did not appear"
[[ $(e2e_probe text field) == "" ]] || e2e_abort "the probe cannot read the amount field"

clear_field() { e2e_key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace \
    BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace; }

# message_count: how many message boxes are shown.
message_count() { _e2e_x xdotool search --onlyvisible --name "$MESSAGE" 2>/dev/null | wc -l; }

# close_messages: closes the message boxes that are shown (with Enter, in the one that has the
# focus), so that the test goes on.
close_messages() {
    local round
    for round in 1 2 3; do
        e2e_wait_window "$MESSAGE" 1 >/dev/null || return 0
        sleep 0.3
        e2e_key Return
        e2e_wait_no_window "$MESSAGE"
    done
}

# assert_no_message NAME SECONDS: no message box shows within that time. One that does is kept
# in the failure's screenshot, then closed.
assert_no_message() {
    if e2e_wait_window "$MESSAGE" "$2" >/dev/null; then
        sleep 0.3  # let it paint
        _e2e_fail "$1" "a message box opened"
        close_messages
        return 1
    fi
    E2E_PASSED=$((E2E_PASSED + 1))
}

e2e_step "a paste past the field's length"
clear_field
e2e_paste '1234567890123é'
assert_eq "amount field after the paste" "123456789012" "$(e2e_probe_wait 123456789012 text field)"
close_messages  # none is expected; one left open would block what follows

e2e_step "the longest negative amount"
clear_field
e2e_type '-12345678901234'
assert_no_message "no message for the longest negative amount" 2
assert_eq "its echo" "-12.345.678.901.234,00" "$(e2e_probe_wait -12.345.678.901.234,00 text echo)"

e2e_step "a full field that is not a number"
clear_field
e2e_type '999949999999-59'
if e2e_wait_window "$MESSAGE" >/dev/null; then
    sleep 0.5  # a second box would have come by now
    assert_eq "one message for the fifteenth character" 1 "$(message_count)"
    e2e_screenshot field-not-a-number >/dev/null
    e2e_key Return
    assert_true "Enter closes the message" e2e_wait_no_window "$MESSAGE"
    e2e_key ctrl+a
    assert_no_message "no message for selecting the unchanged text" 2
    # The selection was the field's: a digit typed now replaces the whole text.
    e2e_type 7
    assert_eq "amount field after select-all and a digit" 7 "$(e2e_probe_wait 7 text field)"
else
    _e2e_fail "no message for a full field that is not a number"
fi

e2e_step "the clipboard's owner"
clear_field
e2e_type '1234,5'
e2e_clipboard_mark
e2e_key Return
assert_eq "wording" "Milleduecentotrentaquattro / 50" "$(e2e_clipboard_wait)"
assert_eq "owner of the wording on the clipboard" "main" "$(e2e_probe clipboard-owner)"
