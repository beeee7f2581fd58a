#!/usr/bin/env bash
# A version.dll planted beside a copy of the program (planted_version_dll_win32.cpp), Wine
# searching as Windows does: started, About window, closed, and the DLL never loaded for it.
source "$(dirname "$0")/harness.sh"
e2e_begin
folder=$E2E_DIR/planted-dll
rm -rf "$folder" && mkdir -p "$folder" && cp "$VERBALO_EXE" "$1" "$folder/"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;version=n,b"
e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$folder/Verbalo.exe" || e2e_abort "no main window"
e2e_key alt+v
e2e_wait_window '^ Informazioni su Verbalo$' >/dev/null && e2e_key Escape
e2e_focus && e2e_key alt+F4
assert_true "the program ends" e2e_wait_exit 10
assert_true "the version.dll beside it is never loaded" test ! -e "$folder/version-dll-loaded"
