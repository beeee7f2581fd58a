#!/usr/bin/env bash
# The release packages of this build under Wine, in a fresh prefix, as a user meets them: the
# MSI installs silently, its Start-menu shortcut leads to the installed program, which words an
# amount onto the clipboard; Add/Remove Programs lists it; it uninstalls silently, leaving
# nothing. The zip unpacked anywhere runs too, both programs. Prints the packages' sizes and the
# install, run and uninstall times.
# An upgrade is not played out: Wine's msiexec does not look for related products (the MSI's
# upgrade tables are checked by package_test.sh).

# The build of VERBALO_EXE is packaged. The prefix is made anew in a folder of its own.
build=$(cd "$(dirname "${VERBALO_EXE:?names the Verbalo.exe of the build to package}")" && pwd)
export VERBALO_E2E_DIR=${VERBALO_E2E_DIR:-$build/tests/release}/fresh-install
source "$(dirname "$0")/../e2e/harness.sh"
source "$(dirname "$0")/checks.sh"  # for print_sizes, msi_property and not
# No menu entries of the Linux desktop for the installed shortcut.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
arch=$E2E_ARCH
# A fresh prefix; a wineserver left on the old one by a killed run ends first (the harness's
# list of other processes left behind stays, for e2e_begin).
[[ ! -d $WINEPREFIX ]] || timeout 120 "$VERBALO_WINESERVER" -k >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX" "$E2E_DIR/dist" "$E2E_DIR/unzipped" "$E2E_DIR"/*.png
e2e_begin

e2e_step "package"
"$E2E_ROOT/scripts/package" --no-build --build-dir "$build" --out "$E2E_DIR/dist" "$arch" >/dev/null ||
    e2e_abort "scripts/package failed"
msi=$(echo "$E2E_DIR/dist"/Verbalo-*-"$arch".msi)
zip=${msi%.msi}.zip
version=$(msi_property "$msi" ProductVersion)
product_code=$(msi_property "$msi" ProductCode)
print_sizes "$E2E_DIR/dist"/*

# Wine's view of a path: unix_path 'C:\...'.
unix_path() { e2e_wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
installed=$WINEPREFIX/drive_c/Program\ Files/Verbalo
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product_code"
# Wine puts a per-machine package's shortcuts in the user's Start menu, Windows in the common one.
find_shortcut() {
    find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" \
        -path '*/Start Menu/Programs/Verbalo.lnk' 2>/dev/null
}

e2e_step "install"
started=$(_e2e_now)
assert_true "msiexec /i /qn" e2e_wine msiexec /i "$(e2e_wine winepath -w "$msi" | tr -d '\r')" /qn
echo "install time $(_e2e_since "$started") s"
for file in Verbalo.exe verbalo-cli.exe LEGGIMI.txt LICENZE.txt; do
    assert_true "installed $file" test -f "$installed/$file"
done
assert_true "the installed program is the build's" cmp -s "$build/Verbalo.exe" "$installed/Verbalo.exe"
echo "installed size $(du -sb "$installed" | cut -f1) bytes"

e2e_step "shortcut"
shortcut=$(find_shortcut)
assert_true "a Start-menu shortcut Verbalo.lnk" test -n "$shortcut"
# The link's target is kept as a plain path, and so are its working folder and its icon.
target=$(strings -a "$shortcut" 2>/dev/null | grep -m1 -E '^[A-Z]:\\.*\.exe$' | tr -d '\r')
assert_eq "shortcut target" 'C:\Program Files\Verbalo\Verbalo.exe' "$target"
assert_true "the shortcut's target exists" test -f "$(unix_path "$target")"
assert_contains "shortcut working folder" "$(strings -a -el "$shortcut")" 'C:\Program Files\Verbalo\'
icon=$(strings -a -el "$shortcut" | grep -m1 -oE '[A-Z]:\\.*\.ico$')
assert_true "the shortcut's icon exists ($icon)" test -s "$(unix_path "$icon")"

e2e_step "Add/Remove Programs"
entry=$(e2e_wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"; }
assert_eq "DisplayName" Verbalo "$(value DisplayName)"
assert_eq "DisplayVersion" "$version" "$(value DisplayVersion)"
assert_eq "Publisher" "$(msi_property "$msi" Manufacturer)" "$(value Publisher)"
assert_eq "HelpLink" "$(msi_property "$msi" ARPHELPLINK)" "$(value HelpLink)"

e2e_step "run the installed program"
started=$(_e2e_now)
e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$target" || e2e_abort "the installed program shows no window"
echo "start time $(_e2e_since "$started") s"
e2e_clipboard_mark
e2e_type '1234.5'
e2e_key Return
assert_eq "wording on the clipboard" "Milleduecentotrentaquattro / 50" "$(e2e_clipboard_wait)"
echo "run time (start, type, wording on the clipboard) $(_e2e_since "$started") s"
e2e_key alt+f
assert_true "Fine ends it" e2e_wait_exit

e2e_step "uninstall"
started=$(_e2e_now)
assert_true "msiexec /x /qn" e2e_wine msiexec /x "$product_code" /qn
echo "uninstall time $(_e2e_since "$started") s"
assert_true "no install folder left" test ! -e "$installed"
assert_eq "no shortcut left" "" "$(find_shortcut)"
assert_true "no Add/Remove Programs entry left" not e2e_wine reg query "$uninstall_key"
assert_true "no cached icon left" test ! -e "$(unix_path "$icon")"

e2e_step "the zip"
unzip -q "$zip" -d "$E2E_DIR/unzipped"
e2e_launch 'DESCRIZIONE LETTERALE DI NUMERI' "$E2E_DIR/unzipped/Verbalo.exe" ||
    e2e_abort "Verbalo.exe from the zip shows no window"
assert_true "Verbalo.exe from the zip runs" e2e_alive
e2e_key alt+f
assert_true "and ends with Fine" e2e_wait_exit
# Once no program runs: the locale of an Italian system, where the comma is the decimal separator.
e2e_locale it_IT.UTF-8
assert_eq "verbalo-cli.exe from the zip" "Milleduecentotrentaquattro / 50" \
    "$(e2e_wine "$E2E_DIR/unzipped/verbalo-cli.exe" 1234,5 | tr -d '\r')"
