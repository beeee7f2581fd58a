#!/usr/bin/env bash
# Proves the end-to-end harness on Wine's own Notepad, in Italian: locale, window, typing,
# clipboard both ways, menus by keyboard, another dialog, resize and move, screenshot, exit.
# When this fails, the machine (Xvfb, Wine, xdotool, xclip) is at fault, not Verbalo.
source "$(dirname "$0")/harness.sh"
e2e_begin

e2e_step "locale"
e2e_locale en_US.UTF-8
assert_eq "decimal separator, en_US" "." "$(e2e_decimal_separator)"
e2e_locale it_IT.UTF-8
assert_eq "decimal separator, it_IT" "," "$(e2e_decimal_separator)"

e2e_step "start"
e2e_launch 'Blocco Note$' 'C:\windows\system32\notepad.exe' || e2e_abort "Notepad's window did not appear"
assert_eq "window name" "(senza nome) - Blocco Note" "$(e2e_window_name "$E2E_WINDOW")"
assert_eq "window of the started process" "$E2E_PID" "$(e2e_window_pid "$E2E_WINDOW")"

e2e_step "type and copy"
e2e_clipboard_mark
e2e_type '1234,5'
e2e_key ctrl+a ctrl+c
assert_eq "copied amount" "1234,5" "$(e2e_clipboard_wait)"

e2e_step "paste"
e2e_key ctrl+a
e2e_paste 'Perché più così, 98,76'
e2e_clipboard_mark
e2e_key ctrl+a ctrl+c
assert_eq "pasted, then copied" 'Perché più così, 98,76' "$(e2e_clipboard_wait)"

e2e_step "menu and dialog"
e2e_menu a i  # Aiuto, Informazioni su Blocco note
e2e_wait_window '^Informazioni su Blocco Note$' >/dev/null || e2e_abort "the About dialog did not appear"
e2e_screenshot "$E2E_NAME-about" >/dev/null
e2e_key Return
assert_true "About dialog closed" e2e_wait_no_window '^Informazioni su Blocco Note$'

e2e_step "focus"
e2e_focus_other_app || e2e_abort "the other application did not show"
e2e_focus
e2e_clipboard_mark
e2e_key ctrl+a ctrl+c
assert_eq "keys reach Notepad after another application had the focus" 'Perché più così, 98,76' "$(e2e_clipboard_wait)"

e2e_step "resize and move"
# Notepad remembers its last place and size: ask for another one each time.
read -r x y w h < <(e2e_geometry "$E2E_WINDOW")
if ((w == 500)); then w=560 h=360 x=80 y=90; else w=500 h=320 x=40 y=60; fi
assert_true "resize" e2e_resize "$E2E_WINDOW" $w $h
assert_true "move" e2e_move "$E2E_WINDOW" $x $y
assert_eq "geometry" "$x $y $w $h" "$(e2e_geometry "$E2E_WINDOW")"
shot=$(e2e_screenshot "$E2E_NAME")
assert_eq "screenshot size" "${w}x$h" "$(identify -format '%wx%h' "$(e2e_screenshot "$E2E_NAME-window" "$E2E_WINDOW")")"
assert_true "screenshot of the screen" test -s "$shot"

e2e_step "exit"
e2e_menu f e  # File, Esci
e2e_wait_window '^Blocco Note$' >/dev/null || e2e_abort "no question about saving"
e2e_key n     # No
assert_true "Notepad ended" e2e_wait_exit
assert_eq "exit status" 0 "$E2E_EXIT_CODE"
assert_true "window gone" e2e_wait_no_window 'Blocco Note'
