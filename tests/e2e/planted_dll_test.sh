#!/usr/bin/env bash
# No DLL beside the program is loaded: a copy of the program in a folder of its own, as in a
# download folder, with a version.dll of anyone's beside it, whose DllMain writes a mark there.
# Wine is told to take a DLL it finds before its own ("version=n,b"), so that it searches as
# Windows does. The program starts, shows the About window (which reads the version) and ends:
# no mark.
# Usage: planted_dll_test.sh VERSION-DLL
source "$(dirname "$0")/harness.sh"
e2e_begin

folder=$E2E_DIR/planted-dll
rm -rf "$folder"
mkdir -p "$folder"
cp "$VERBALO_EXE" "$folder/Verbalo.exe"
cp "$1" "$folder/version.dll"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;version=n,b"

e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$folder/Verbalo.exe" ||
    e2e_abort "the main window did not appear"
e2e_key alt+v
e2e_wait_window '^ Informazioni su Verbalo$' >/dev/null || e2e_abort "Alt+V opened no About window"
e2e_key Escape
e2e_wait_no_window '^ Informazioni su Verbalo$' 5
e2e_focus
e2e_key alt+F4
assert_true "the program ends" e2e_wait_exit 10
assert_true "the version.dll beside the program is never loaded" \
    test ! -e "$folder/version-dll-loaded"
