#!/usr/bin/env bash
# A Windows program as it ships: one stripped file of at most 512 KB that imports only
# KnownDLLs and carries the project's version.
# Usage: check_program.sh OBJDUMP Verbalo.exe VERSION
#        check_program.sh OBJDUMP verbalo-cli.exe VERSION --console
# The console program tells its version with --version and in its version resource.
set -u
objdump=$1
exe=$2
version=$3
console=${4:-}
limit_kb=512
source "$(dirname "$0")/checks.sh"

size=$(stat -c %s "$exe")
echo "$exe: $size bytes"
check "at most $limit_kb KB" test "$size" -le $((limit_kb * 1024))
check "stripped" test -z "$("$objdump" -h "$exe" | grep -E '\.debug|\.stab')"
check "no symbol table" test -z "$("$objdump" -t "$exe" 2>/dev/null | grep -E '^\[ *[0-9]+\]')"

# Only DLLs that HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs names on both
# Windows 7 SP1 and 11 (others are looked for beside the program first), and COMCTL32 (manifest).
known_7=" $(echo ADVAPI32 CLBCATQ COMDLG32 DIFXAPI GDI32 IERTUTIL IMAGEHLP IMM32 KERNEL32 LPK MSCTF \
    MSVCRT NORMALIZ NSI OLE32 OLEAUT32 PSAPI RPCRT4 SECHOST SETUPAPI SHELL32 SHLWAPI URLMON USER32 \
    USP10 WININET WLDAP32 WS2_32) "
known_11=" $(echo _WOW64CPU _WOWARMHW _XTAJIT ADVAPI32 CLBCATQ COMBASE COMDLG32 COML2 DIFXAPI GDI32 \
    GDIPLUS IMAGEHLP IMM32 KERNEL32 MSCTF MSVCRT NORMALIZ NSI OLE32 OLEAUT32 PSAPI RPCRT4 SECHOST \
    SETUPAPI SHCORE SHELL32 SHLWAPI USER32 WLDAP32 WOW64 WOW64BASE WOW64CON WOW64CPU WOW64WIN WS2_32 \
    XTAJIT64) "
known() {  # dll
    local n=" ${1^^}" && n="${n%.DLL} "
    [[ $n == " COMCTL32 " || ($known_7 == *"$n"* && $known_11 == *"$n"*) ]]
}
imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "imports: $(echo $imports)"
for dll in $imports; do
    check "$dll is a KnownDLL of Windows 7 and 11" known "$dll"
done
if [[ $console == --console ]]; then
    check "console subsystem" grep -qE 'Subsystem\s+0+3\s' <("$objdump" -p "$exe")
    check "version $version" grep -qxF "verbalo-cli $version" <(strings "$exe")
    check "version resource $version" grep -qxF "$version" <(strings -el "$exe")
    check "internal name verbalo-cli" grep -qx 'verbalo-cli' <(strings -el "$exe")
    echo "$passes passed, $failures failed"
    [[ $failures -eq 0 ]]
    exit
fi
# The shell and COM are loaded at their first use, not at every start.
check "no shell32 or ole32 import" test -z "$(grep -iE '^(SHELL32|OLE32)\.DLL$' <<<"$imports")"
check "version $version" grep -qxF "$version" <(strings -el "$exe")
check "product name Verbalo" grep -qx 'Verbalo' <(strings -el "$exe")

# The embedded manifest: run as the user who starts it (no installer heuristics, no registry
# or file virtualisation), on Windows 7 to 11.
manifest=$(strings -n 8 "$exe" | tr -d '\r')
check "manifest version $version" grep -qF "name=\"Verbalo\" version=\"$version\"" <<<"$manifest"
check "runs as invoker" grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$manifest"
for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
    1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
    check "supports the Windows of $os" grep -qi "supportedOS Id=\"{$os}\"" <<<"$manifest"
done

finish
