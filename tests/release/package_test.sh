#!/usr/bin/env bash
# The release packages of one Windows build as scripts/package makes them, read without Wine:
# the zip's files, the MSI's tables (files, shortcut, Add/Remove Programs, major upgrade), the
# product code of another version, the checksums, and what makes them the same on a rebuild and
# what they owe: the programs' time stamps, no folder of this machine, the licences.
# Usage: package_test.sh ARCH BUILD_DIR WORK_DIR VERSION
set -u
source "$(dirname "$0")/checks.sh"
package_test_arguments "$@"
source "$root/scripts/lib/source_date.sh"
dist=$work/dist
started=$(date +%s.%N)
output=$(VERBALO_SIGN_PKCS12='' "$root/scripts/package" --no-build --build-dir "$build" --out "$dist" "$arch" 2>&1)
check "scripts/package succeeds" test $? -eq 0 || { echo "$output"; finish; }
echo "packaged $arch in $(seconds_since "$started") s"
check_contains "says that nothing is signed" "$output" "nothing is signed"
name=Verbalo-$version-$arch
zip=$dist/$name.zip msi=$dist/$name.msi
check_eq "files in dist" "SHA256SUMS $name.msi $name.zip" "$(ls "$dist" | LC_ALL=C sort | xargs)"
print_sizes "$dist"/*

# The zip: the two programs as built (unsigned), the guide and the licences, for Notepad.
check_eq "files in the zip" "LEGGIMI.txt LICENZE.txt Verbalo.exe verbalo-cli.exe" "$(unzip -Z1 "$zip" | xargs)"
unzip -q "$zip" -d "$work/zip"
check "zip: Verbalo.exe is the build's" cmp -s "$build/Verbalo.exe" "$work/zip/Verbalo.exe"
check "zip: verbalo-cli.exe is the build's" cmp -s "$build/verbalo-cli.exe" "$work/zip/verbalo-cli.exe"
check "zip: Verbalo.exe is not signed" not osslsigncode verify -in "$work/zip/Verbalo.exe"
for text in LEGGIMI.txt LICENZE.txt; do
    file=$work/zip/$text
    check_eq "$text: UTF-8 byte-order mark" "efbbbf" "$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')"
    check_eq "$text: every line ends in CR LF" "$(wc -l <"$file")" "$(grep -c $'\r$' "$file")"
    check "$text: the text of docs/$text" cmp -s <(tail -c +4 "$file" | tr -d '\r') \
        <(tr -d '\r' <"$root/docs/$text" | sed '1s/^\xef\xbb\xbf//')
done

# The MSI.
check_eq "MSI platform" "$([[ $arch == win64 ]] && echo x64 || echo Intel)" \
    "$(msiinfo suminfo "$msi" | sed -n 's/^Template: \([^;]*\);.*/\1/p')"
check_eq "ProductName" Verbalo "$(msi_property "$msi" ProductName)"
check_eq "ProductVersion" "$version" "$(msi_property "$msi" ProductVersion)"
check_eq "per machine" 1 "$(msi_property "$msi" ALLUSERS)"
publisher=$(msi_property "$msi" Manufacturer)
check "publisher is the maker's legal name" grep -qF "kLegalName = \"$publisher\";" "$root/resources/maker_data.h"
check "help link is the maker's web address" \
    grep -qF "kWebAddress = \"$(msi_property "$msi" ARPHELPLINK)\";" "$root/resources/maker_data.h"
icon=$(msi_property "$msi" ARPPRODUCTICON)
check "Add/Remove Programs icon in the Icon table" grep -qx "Icon.$icon" <(msiinfo streams "$msi")

program_files=$([[ $arch == win64 ]] && echo ProgramFiles64Folder || echo ProgramFilesFolder)
check_eq "install folder" "INSTALLDIR $program_files Verbalo" \
    "$(msi_table "$msi" Directory | awk -F'\t' '$1 == "INSTALLDIR" { print $1, $2, $3 }')"
check_eq "installed files" "LEGGIMI.txt LICENZE.txt Verbalo.exe verbalo-cli.exe" \
    "$(msi_table "$msi" File | cut -f3 | LC_ALL=C sort | xargs)"
msiextract -C "$work/msi" "$msi" >/dev/null
extracted=$(find "$work/msi" -name Verbalo.exe)
check "MSI: Verbalo.exe is the build's" cmp -s "$build/Verbalo.exe" "$extracted"
check "MSI: verbalo-cli.exe is the build's" cmp -s "$build/verbalo-cli.exe" "$(dirname "$extracted")/verbalo-cli.exe"
for text in LEGGIMI.txt LICENZE.txt; do
    check "MSI: $text is the zip's" cmp -s "$work/zip/$text" "$(dirname "$extracted")/$text"
done
# Shortcut, Directory, Name, Component, Target, Arguments, Description, Hotkey, Icon: a plain
# (not advertised) shortcut to the installed program, with its icon.
check_eq "Start-menu shortcut" "ProgramMenuFolder Verbalo [#VerbaloExe] $icon" \
    "$(msi_table "$msi" Shortcut | awk -F'\t' '{ print $2, $3, $5, $9 }')"

# The major upgrade. Upgrade rows: UpgradeCode, VersionMin, VersionMax, Language, Attributes,
# Remove, ActionProperty. Attributes: 2 only detect, 256 minimum included, 512 maximum included.
upgrade_code=$([[ $arch == win64 ]] && echo '{D2AD94E1-D50F-4204-B0CF-054D41D08007}' ||
    echo '{CD8C21BC-29E6-4298-94BE-14243AD45DD8}')
check_eq "UpgradeCode is the one every earlier $arch package has" "$upgrade_code" \
    "$(msi_property "$msi" UpgradeCode)"
upgrade=$(msi_table "$msi" Upgrade)
older=$(awk -F'\t' -v v="$version" '$3 == v' <<<"$upgrade")
newer=$(awk -F'\t' -v v="$version" '$2 == v' <<<"$upgrade")
check_eq "two upgrade rows" 2 "$(wc -l <<<"$upgrade")"
check_eq "older versions: this upgrade code" "$upgrade_code" "$(cut -f1 <<<"$older")"
check_eq "older versions: from 0.0.0 (included), found to be removed, this version excluded" \
    "0.0.0 256" "$(awk -F'\t' '{ print $2, $5 }' <<<"$older")"
check_eq "newer versions: this upgrade code" "$upgrade_code" "$(cut -f1 <<<"$newer")"
check_eq "newer versions: only detected, above this version, no maximum" \
    "2 " "$(awk -F'\t' '{ print $5, $3 }' <<<"$newer")"
older_property=$(cut -f7 <<<"$older") newer_property=$(cut -f7 <<<"$newer")
check_contains "both properties are secure" "$(msi_property "$msi" SecureCustomProperties)" \
    "$older_property;$newer_property"
check_eq "launch condition" "NOT $newer_property|È già installata una versione più recente di Verbalo." \
    "$(msi_table "$msi" LaunchCondition | tr '\t' '|')"
execute=$(msi_table "$msi" InstallExecuteSequence)
step() { awk -F'\t' -v a="$1" '$1 == a { print $3 }' <<<"$execute"; }
check "FindRelatedProducts comes before LaunchConditions" \
    test "$(step FindRelatedProducts)" -lt "$(step LaunchConditions)"
check "RemoveExistingProducts runs once the new version is in" \
    test "$(step RemoveExistingProducts)" -gt "$(step InstallFinalize)"
check "the UI sequence finds related products too" grep -q $'^FindRelatedProducts\t' \
    <(msi_table "$msi" InstallUISequence)

# Another version: its own product code, the same upgrade code; the same version again: the same
# product code.
mkdir -p "$work/msi-files"
cp "$work/zip"/* "$root/resources/verbalo.ico" "$work/msi-files/"
IFS=. read -r major minor _ <<<"$version"
next=$major.$((minor + 1)).0
"$root/packaging/make_msi.sh" "$arch" "$next" "$work/msi-files" "$work/next.msi"
"$root/packaging/make_msi.sh" "$arch" "$version" "$work/msi-files" "$work/again.msi"
product_code=$(msi_property "$msi" ProductCode)
check "ProductCode is a GUID" grep -qE '^\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}$' <<<"$product_code"
check "version $next: another ProductCode" test "$(msi_property "$work/next.msi" ProductCode)" != "$product_code"
check_eq "version $next: the same UpgradeCode" "$upgrade_code" "$(msi_property "$work/next.msi" UpgradeCode)"
check_eq "version $next: removes $version and older, refuses above $next" "0.0.0-$next $next-" \
    "$(msi_table "$work/next.msi" Upgrade | awk -F'\t' '{ print $2 "-" $3 }' | LC_ALL=C sort | xargs)"
check_eq "the same version rebuilt: the same ProductCode" "$product_code" \
    "$(msi_property "$work/again.msi" ProductCode)"
check "the same version rebuilt: the same file, byte for byte" cmp "$msi" "$work/again.msi"
other_arch=$([[ $arch == win64 ]] && echo win32 || echo win64)
"$root/packaging/make_msi.sh" "$other_arch" "$version" "$work/msi-files" "$work/other.msi"
check "the other arch: another ProductCode" test "$(msi_property "$work/other.msi" ProductCode)" != "$product_code"
check "the other arch: another UpgradeCode" test "$(msi_property "$work/other.msi" UpgradeCode)" != "$upgrade_code"

# The checksums: every other file, and they fail on a changed file.
check_eq "SHA256SUMS lists" "$name.msi $name.zip" "$(awk '{ print $2 }' "$dist/SHA256SUMS" | xargs)"
check "sha256sum -c" bash -c "cd '$dist' && sha256sum --quiet -c SHA256SUMS"
cp -r "$dist" "$work/tampered"
printf 'x' >>"$work/tampered/$name.zip"
check "sha256sum -c fails on a changed zip" not bash -c "cd '$work/tampered' && sha256sum --quiet -c SHA256SUMS 2>/dev/null"

# A rebuild gives the same files (scripts/reproduce makes one): the programs are stamped with
# the source date, and no shipped file names a folder of this machine.
epoch=$(source_date_epoch "$root")
pe_time() { od -An -tu4 -j $(($(od -An -tu4 -j 60 -N 4 "$1") + 8)) -N 4 "$1" | tr -d ' '; }
for exe in Verbalo.exe verbalo-cli.exe; do
    check_eq "$exe: the PE time stamp is the source date" "$epoch" "$(pe_time "$work/zip/$exe")"
done
shipped=("$zip" "$msi" "$work/zip"/* "$(dirname "$extracted")"/*)
for folder in "$root" "$(cd "$build" && pwd -P)" "${HOME:-}"; do
    [[ ${#folder} -gt 1 ]] || continue  # no home folder, or /
    check_eq "no shipped file names $folder" "" "$(for file in "${shipped[@]}"; do
        cat "$file" <(strings -a -el "$file") | grep -q -a -F "$folder" && basename "$file"
    done)"
done
# The licences: every library and object file the links took code from is listed (a map names
# the archives it took members from, and the object files it loaded; the project's own are in
# the build folder, named relative to it).
maps=("$build/Verbalo.exe.map" "$build/verbalo-cli.exe.map")
linked=$({
    awk '/^Archive member included/, /^Discarded input/' "${maps[@]}" | grep -oE '^/[^ (]+\.a\('
    grep -ohE '^LOAD /[^ ]+\.o$' "${maps[@]}"
} | sed -E 's/\($//; s/^LOAD //' | xargs -r -n1 basename | LC_ALL=C sort -u)
listed=$(sed -n 's/^Parti nei programmi: //p' "$work/zip/LICENZE.txt" | tr -d '\r' | xargs -n1)
check "the link maps name libraries" test -n "$linked"
check_eq "LICENZE.txt lists every library in the programs" "" \
    "$(LC_ALL=C comm -23 <(echo "$linked") <(LC_ALL=C sort -u <<<"$listed") | xargs)"
terms=$(sed -n '/kProducerNotice =/,/;$/p' "$root/resources/producer_window_texts.h" |
    grep -o '"[^"]*"' | tr -d '"\n' | tr -s ' ')
check_contains "LICENZE.txt states the producer window's terms" \
    "$(tr -d '\r' <"$work/zip/LICENZE.txt" | tr '\n' ' ' | tr -s ' ')" "$terms"

finish
