#!/usr/bin/env bash
# Runs the text-fit test at one DPI, in one of two font set-ups of the test prefix, and then
# puts the prefix back as the other tests want it: 96 DPI, and the font replacements of
# font_replacements.sh.
#   named: Garamond and Arial Narrow are there, drawn by fonts of their metrics and design
#   stock: neither, as on a Windows without an office suite
# Wingdings is missing from both: no font of this system has its pictograms (Wine's own lacks
# the producer window's thumbs-up), and a stand-in by its name would draw a letter "C" where
# the program draws the hand itself.
# Usage: text_fit.sh WINE-LOADER TEST-PROGRAM DPI named|stock
set -eu
wine=$1 program=$2 dpi=$3 fonts=$4
here=$(dirname "$0")
desktop='HKCU\Control Panel\Desktop'
replacements='HKCU\Software\Wine\Fonts\Replacements'

forget() {
    for face in "$@"; do
        "$wine" reg delete "$replacements" /v "$face" /f >/dev/null 2>&1 || true
    done
}
restore() {
    "$wine" reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
    bash "$here/font_replacements.sh" "$wine"
}
trap restore EXIT

# Its windows are left unmanaged, as the other window tests' are: with no window manager,
# hiding a managed window waits for one.
"$wine" reg add "HKCU\\Software\\Wine\\AppDefaults\\$(basename "$program")\\X11 Driver" \
    /v Managed /d N /f >/dev/null
"$wine" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
if [[ $fonts == named ]]; then
    bash "$here/font_replacements.sh" "$wine"
else
    forget 'Arial Narrow' Garamond
fi
"$wine" "$program" --gtest_brief=1 --gtest_filter=TextFit.*
