#!/usr/bin/env bash
# Builds Verbalo's Windows Installer package with wixl from packaging/verbalo.wxs.
# Usage: make_msi.sh ARCH VERSION FILES_DIR OUTPUT.msi
#   ARCH       win32 or win64
#   VERSION    the program's version, as CMake's project() has it (scripts/package reads it from
#              the build)
#   FILES_DIR  a folder with Verbalo.exe, verbalo-cli.exe, LEGGIMI.txt, LICENZE.txt and
#              verbalo.ico
# The publisher and the help link come from resources/maker_data.h. The upgrade code of each
# arch is fixed for good (it ties every version to the ones before it); the product code is
# derived from it and the version, so that each version has its own and a rebuild the same one,
# and the package code from it, the version and the files' contents.
#
# The same inputs give the same file, byte for byte: the cabinet's file times and the summary
# information's times are the source date (scripts/lib/source_date.sh). wixl and gcab read no
# SOURCE_DATE_EPOCH: gcab takes each file's modification time, which is set first, and wixl the
# clock, which faketime holds at that time for its run. wixl draws the package code at random
# whatever the source says: msibuild then writes the derived one into the summary information.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/source_date.sh"

if [[ $# -ne 4 ]]; then
    echo "usage: make_msi.sh ARCH VERSION FILES_DIR OUTPUT.msi" >&2
    exit 2
fi
arch=$1 version=$2 files=$3 output=$4

case $arch in
    win32) upgrade_code=CD8C21BC-29E6-4298-94BE-14243AD45DD8 wixl_arch=x86 ;;
    win64) upgrade_code=D2AD94E1-D50F-4204-B0CF-054D41D08007 wixl_arch=x64 ;;
    *) echo "make_msi.sh: unknown arch $arch" >&2; exit 2 ;;
esac
if [[ ! $version =~ ^[0-9]+(\.[0-9]+){1,3}$ ]]; then
    echo "make_msi.sh: '$version' is not a version of numbers" >&2
    exit 2
fi
# Windows Installer's limits; it compares the first three numbers only.
IFS=. read -r major minor build _ <<<"$version"
if ((major > 255 || minor > 255 || ${build:-0} > 65535)); then
    echo "make_msi.sh: $version is past Windows Installer's 255.255.65535" >&2
    exit 2
fi

# maker_value NAME: the text of the string constant NAME in maker_data.h.
maker_value() {
    local value
    value=$(sed -n "s/.* $1 = \"\\([^\"\\\\]*\\)\";.*/\\1/p" "$root/resources/maker_data.h")
    if [[ -z $value ]]; then
        echo "make_msi.sh: no $1 in resources/maker_data.h" >&2
        return 1
    fi
    printf '%s' "$value"
}
publisher=$(maker_value kLegalName)
help_link=$(maker_value kWebAddress)

epoch=$(source_date_epoch "$root") ||
    { echo "make_msi.sh: no SOURCE_DATE_EPOCH and no commit" >&2; exit 1; }
sources=(Verbalo.exe verbalo-cli.exe LEGGIMI.txt LICENZE.txt verbalo.ico)

# code NAME: a GUID derived from the upgrade code and NAME (a name-based UUID, SHA-1).
code() {
    python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$upgrade_code" "$1"
}
product_code=$(code "$version")
package_code=$(code "$version package $(cd "$files" && cat "${sources[@]}" | sha256sum | cut -c1-64)")

output=$(realpath -m "$output")
# wixl finds the sources by relative names only: it runs in the folder that holds them, a copy
# with the source date as every file's time.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$files" && cp "${sources[@]}" "$work/")
chmod 644 "$work"/*
touch -d "@$epoch" "$work"/*
cd "$work"
at_source_date() { TZ=UTC faketime -f "$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" "$@"; }
at_source_date wixl --arch "$wixl_arch" --output "$output" \
    -D Arch="$arch" -D Version="$version" \
    -D ProductCode="{$product_code}" -D UpgradeCode="{$upgrade_code}" \
    -D Publisher="$publisher" -D HelpLink="$help_link" \
    "$root/packaging/verbalo.wxs"
template=$(msiinfo suminfo "$output" | sed -n 's/^Template: //p')
at_source_date msibuild "$output" -s "Verbalo $version" "$publisher" "$template" "{$package_code}"
