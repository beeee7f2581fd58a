#!/usr/bin/env bash
# The main job, shown on a virtual display: starts Verbalo, types 1234,5 and Enter, prints the
# wording read back from the clipboard and the path of a screenshot, and stops everything.
# Usage: demo.sh PATH/TO/Verbalo.exe
source "$(dirname "$0")/harness.sh"
E2E_NAME=demo
VERBALO_EXE=${1:-$VERBALO_EXE}
e2e_begin
case ${LC_ALL:-${LANG:-}} in
    *.UTF-8 | *.utf8) e2e_locale "${LC_ALL:-$LANG}" ;;
    *) e2e_locale en_US.UTF-8 ;;
esac

e2e_step "start"
e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$VERBALO_EXE" || e2e_abort "Verbalo's window did not appear"
e2e_step "type 1234,5 and Enter"
e2e_clipboard_mark
e2e_type '1234,5'
e2e_key Return
wording=$(e2e_clipboard_wait 10)
assert_true "a wording on the clipboard" test -n "$wording"
screenshot=$(e2e_screenshot demo "$E2E_WINDOW")
echo "$wording"
echo "Schermata: $screenshot"
