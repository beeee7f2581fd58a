#!/usr/bin/env bash
# The main window as a user meets it: it opens, keeps its minimum width when dragged narrower,
# and "Fine" (Alt+F) ends the program.
source "$(dirname "$0")/harness.sh"
e2e_begin
e2e_locale it_IT.UTF-8

e2e_step "start"
e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$VERBALO_EXE" || e2e_abort "the main window did not appear"
assert_eq "caption" "  DESCRIZIONE LETTERALE DI NUMERI        by TALVO snc di Fittizio & C." \
    "$(e2e_window_name "$E2E_WINDOW")"
e2e_screenshot main-window "$E2E_WINDOW" >/dev/null

e2e_step "narrower than the minimum"
read -r _ _ width height < <(e2e_geometry "$E2E_WINDOW")
e2e_resize "$E2E_WINDOW" $((width - 150)) "$height" 2>/dev/null
read -r _ _ snappedWidth snappedHeight < <(e2e_geometry "$E2E_WINDOW")
assert_eq "width after dragging narrower" "$width" "$snappedWidth"
assert_eq "height after dragging narrower" "$height" "$snappedHeight"

# width: waits until the window is WIDTH pixels wide again (at most E2E_WAIT s).
wait_for_width() {
    local deadline=$((SECONDS + E2E_WAIT))
    while ((SECONDS < deadline)); do
        read -r _ _ current _ < <(e2e_geometry "$E2E_WINDOW")
        [[ $current == "$1" ]] && return 0
        sleep 0.1
    done
    return 1
}

e2e_step "wider, then taller"
wait_for_width "$width"
# A drag that started before the window had settled misses the frame: try once more.
e2e_resize "$E2E_WINDOW" $((width + 100)) "$height" 2>/dev/null ||
    e2e_resize "$E2E_WINDOW" $((width + 100)) "$height"
read -r _ _ widerWidth _ < <(e2e_geometry "$E2E_WINDOW")
assert_eq "width after widening" $((width + 100)) "$widerWidth"
e2e_resize "$E2E_WINDOW" $((width + 100)) $((height + 80)) 2>/dev/null
read -r _ _ _ tallerHeight < <(e2e_geometry "$E2E_WINDOW")
assert_eq "height after dragging taller" "$height" "$tallerHeight"

e2e_step "Fine"
e2e_type '12'
e2e_clipboard_mark
e2e_key alt+f
assert_true "program ended by Alt+F" e2e_wait_exit
assert_eq "clipboard after Fine with an amount pending" "$E2E_CLIPBOARD_MARK" "$(e2e_clipboard_get)"
