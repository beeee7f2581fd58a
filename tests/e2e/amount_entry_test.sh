#!/usr/bin/env bash
# The main job as a user does it, in one locale (argument: it_IT.UTF-8 for a decimal comma,
# en_US.UTF-8 for a decimal point): type an amount, press Enter, paste the wording.
source "$(dirname "$0")/harness.sh"
locale=${1:-it_IT.UTF-8}
E2E_NAME="$E2E_NAME-${locale%%.*}"
e2e_begin
e2e_locale "$locale"
separator=$(e2e_decimal_separator)

e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$VERBALO_EXE" || e2e_abort "the main window did not appear"

clear_field() { e2e_key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace \
    BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace; }

# word AMOUNT: clears the field, types AMOUNT and Enter, prints the clipboard.
word() {
    clear_field
    e2e_type "$1"
    e2e_clipboard_mark
    e2e_key Return
    e2e_clipboard_wait
}

e2e_step "the worked examples"
while IFS='|' read -r typed shown; do
    [[ $typed == \#* ]] && continue
    assert_eq "wording of $typed" "$shown" "$(word "$typed")"
done <"$(dirname "$0")/../data/worked_examples.psv"

e2e_step "either decimal key enters the system's separator"
assert_eq "typed with a comma" "Dodici / 30" "$(word 12,3)"
assert_eq "typed with a point" "Milleduecentotrentaquattro / 50" "$(word 1234.5)"
e2e_screenshot "$E2E_NAME-expanded" "$E2E_WINDOW" >/dev/null
copied="Descrizione memorizzata negli appunti di Windows"
assert_eq "the status line says so" "$copied" "$(e2e_probe_wait "$copied" text status)"

e2e_step "Ctrl+C copies the field's selection, Ctrl+V pastes an amount into it"
clear_field
e2e_type "1234${separator}5"
e2e_key shift+Home
e2e_clipboard_mark
e2e_key ctrl+c
assert_eq "Ctrl+C" "1234${separator}5" "$(e2e_clipboard_wait)"
clear_field
e2e_paste "21${separator}5"
e2e_clipboard_mark
e2e_key Return
assert_eq "Ctrl+V, then Enter" "Ventuno / 50" "$(e2e_clipboard_wait)"

e2e_step "the Case menu re-copies the last wording, also with a new amount pending"
word 21000 >/dev/null
clear_field
e2e_type 7
for entry in "m|VENTUNOMILA / 00" "i|VentUnoMila / 00" "n|Ventunomila / 00"; do
    e2e_clipboard_mark
    e2e_menu c "${entry%%|*}"
    assert_eq "Case menu, entry ${entry%%|*}" "${entry#*|}" "$(e2e_clipboard_wait)"
done

e2e_step "a thirteenth integer digit disappears"
assert_eq "13 digits typed" \
    "Centoventitremiliardiquattrocentocinquantaseimilionisettecentoottantanovemiladodici / 00" \
    "$(word 1234567890123)"

e2e_step "the fifteenth character, then a Tab that changes nothing"
clear_field
e2e_type "12345678901${separator}23"
e2e_type 4
# The program has taken the fifteenth character, and so sent its Tab, before the Backspace.
e2e_probe_wait "12345678901${separator}234" text field >/dev/null
e2e_key BackSpace  # had the Tab selected the text, this would empty the field
e2e_clipboard_mark
e2e_key Return
assert_eq "after the Tab" "Dodicimiliarditrecentoquarantacinquemilioniseicentosettantottomilanovecentouno / 23" \
    "$(e2e_clipboard_wait)"

e2e_step "a nine-digit negative amount is worded when its echo is complete"
clear_field
e2e_clipboard_mark
e2e_type '-123456789'
assert_eq "worded without Enter" \
    "Menocentoventitremilioniquattrocentocinquantaseimilasettecentoottantanove / 00" \
    "$(e2e_clipboard_wait)"

e2e_step "letters are dropped, Backspace works"
clear_field
e2e_type '12a3'
e2e_key BackSpace
e2e_clipboard_mark
e2e_key Return
assert_eq "12a3, Backspace" "Dodici / 00" "$(e2e_clipboard_wait)"

e2e_step "pasted junk: a message, and nothing changes"
clear_field
e2e_paste 'abc'
e2e_key Return
box=$(e2e_wait_window '^Verbalo$') || e2e_abort "no message box for pasted junk"
e2e_screenshot "$E2E_NAME-invalid" >/dev/null
e2e_key Return
assert_true "message box closed" e2e_wait_no_window '^Verbalo$'
assert_true "still running" e2e_alive
assert_eq "clipboard unchanged" "abc" "$(e2e_clipboard_get)"

e2e_step "another application taking the focus words nothing"
e2e_focus
clear_field
e2e_type 77
e2e_clipboard_mark
e2e_focus_other_app || e2e_abort "the other application did not show"
sleep 1
assert_eq "clipboard while away" "$E2E_CLIPBOARD_MARK" "$(e2e_clipboard_get)"
e2e_focus
e2e_key Return
assert_eq "worded on return" "Settantasette / 00" "$(e2e_clipboard_wait)"

e2e_step "300 keystrokes with no delay"
clear_field
keys=""
for round in $(seq 1 25); do keys+="98765432101${separator}"; done  # 12 keys a round
E2E_TYPE_DELAY=0 e2e_type "$keys"
# The field takes its first 15 characters, "98765432101,987", and refuses the rest; the
# third decimal rounds the cents up.
e2e_clipboard_mark
e2e_key Return
assert_eq "after 300 keys" \
    "Novantottomiliardisettecentosessantacinquemilioniquattrocentotrentaduemilacentouno / 99" \
    "$(e2e_clipboard_wait)"
