# Wine environment shared by the scripts: a private prefix under build/, a persistent
# wineserver, and a clean stop. Source it; then call wine_start and wine_stop.

VERBALO_ROOT=${VERBALO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}

# 32-bit Windows programs need a kernel that runs 32-bit Linux code (for the 32-bit Wine
# loader). Where it cannot, the 64-bit build carries the Windows tests.
can_run_32bit() {
    [[ -x /usr/lib/wine/wine ]] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The build whose programs run here: win32 where possible, else win64.
windows_test_preset() {
    if can_run_32bit; then echo win32; else echo win64; fi
}

wine_loader() {
    if [[ $1 == win32 ]]; then echo /usr/bin/wine; else echo /usr/lib/wine/wine64; fi
}

wineserver_binary() {
    if [[ $1 == win32 ]]; then echo /usr/bin/wineserver; else echo /usr/lib/wine/wineserver64; fi
}

# wine_start PRESET: prepares the prefix build/wine-PRESET and starts a persistent server.
wine_start() {
    local preset=$1
    export WINEPREFIX="$VERBALO_ROOT/build/wine-$preset"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [[ $preset == win32 ]]; then export WINEARCH=win32; else export WINEARCH=win64; fi
    VERBALO_WINE=$(wine_loader "$preset")
    VERBALO_WINESERVER=$(wineserver_binary "$preset")
    export VERBALO_WINE VERBALO_WINESERVER
    mkdir -p "$VERBALO_ROOT/build"
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        "$VERBALO_WINE" wineboot -i >/dev/null 2>&1 || true
        "$VERBALO_WINESERVER" -w
        # Without it, the focus never returns to a window after another X window took it.
        "$VERBALO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /d N /f \
            >/dev/null 2>&1 || true
        "$VERBALO_WINESERVER" -w
    fi
    "$VERBALO_WINESERVER" -p
    # A cold persistent server keeps the first caller's pipes open: warm it up once.
    "$VERBALO_WINE" cmd /c exit >/dev/null 2>&1 || true
}

wine_stop() {
    if [[ -n ${VERBALO_WINESERVER:-} ]]; then
        "$VERBALO_WINESERVER" -k >/dev/null 2>&1 || true
    fi
}
