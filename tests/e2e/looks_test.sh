#!/usr/bin/env bash
# The three windows at another scaling (argument: the DPI, 144 for 150 %), as a laptop user sees
# them: each opens at its layout's size in that DPI's pixels, the amount field takes its fifteen
# characters, and a screenshot of each is kept in build/e2e/ for a person to look at.
source "$(dirname "$0")/harness.sh"
dpi=${1:-144}
E2E_NAME="$E2E_NAME-$dpi"
e2e_begin
e2e_locale it_IT.UTF-8
e2e_dpi "$dpi"

# pixels TWIPS: the size in this DPI's pixels.
pixels() { echo $(((($1) * dpi + 720) / 1440)); }

e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$VERBALO_EXE" || e2e_abort "the main window did not appear"

e2e_step "the main window, with fifteen characters in its field"
e2e_clipboard_mark
e2e_type '123456789012,99'
assert_eq "field" "123456789012,99" "$(e2e_probe_wait 123456789012,99 text field)"
e2e_key Return
e2e_clipboard_wait >/dev/null
assert_eq "echo" "123.456.789.012,99" "$(e2e_probe text echo)"
e2e_screenshot "$E2E_NAME-main" "$E2E_WINDOW" >/dev/null

e2e_step "the About window"
e2e_key alt+v
window=$(e2e_wait_window '^ Informazioni su Verbalo$') || e2e_abort "Alt+V opened no About window"
sleep 0.5
e2e_screenshot "$E2E_NAME-about" "$window" >/dev/null
e2e_key Escape
assert_true "About window closed" e2e_wait_no_window '^ Informazioni su Verbalo$'

e2e_step "the producer window, at its layout's size"
e2e_focus "$E2E_WINDOW"
e2e_key alt+t
window=$(e2e_wait_window '^  Pproduttore del SoftWare$') || e2e_abort "Alt+T opened no producer window"
sleep 0.5
read -r _ _ width _ < <(e2e_geometry "$window")
# The client area is 5325 twips wide; the frame adds a few pixels on each side.
assert_true "width $width for a client of $(pixels 5325)" \
    test "$width" -ge "$(pixels 5325)" -a "$width" -le $(($(pixels 5325) + 16))
e2e_screenshot "$E2E_NAME-producer" "$window" >/dev/null
e2e_key alt+o
assert_true "producer window closed" e2e_wait_no_window '^  Pproduttore del SoftWare$'
