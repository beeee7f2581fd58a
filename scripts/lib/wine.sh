# Wine for the Windows programs: one choice of loader and wineserver, one way to prepare a
# prefix, one persistent wineserver. Used by scripts/test, scripts/run and the end-to-end
# harness (tests/e2e/harness.sh). Source it; it starts nothing by itself.
#
#   can_run_32bit             does this kernel run the 32-bit Wine loader?
#   no_32bit_reason           why 32-bit programs do not run here: 32-bit Wine is not installed,
#                             or the kernel cannot run 32-bit programs.
#   windows_test_preset       prints the build whose programs run here: win32 where 32-bit
#                             programs run, else win64.
#   wine_select [ARCH]        chooses the Wine of ARCH (win32 or win64) and exports it:
#                             VERBALO_WINE (the loader), VERBALO_WINESERVER, VERBALO_WINE_ARCH,
#                             WINEARCH, WINEDEBUG=-all and WINEDLLOVERRIDES (no Mono, no Gecko).
#                             A VERBALO_WINE already set is kept when it is a loader of ARCH
#                             (a name ending in 64 is a 64-bit one); without ARCH, its arch is
#                             taken, and without either, windows_test_preset's. A
#                             VERBALO_WINESERVER already set is kept.
#   wine_prefix_ready [unmanaged]
#                             is the prefix in WINEPREFIX prepared, with these settings, by the
#                             current version of wine_prepare_prefix?
#   wine_prepare_prefix [unmanaged]
#                             unless wine_prefix_ready: makes the prefix in WINEPREFIX a copy
#                             of build/wine-template-ARCH (booted first if need be) and writes
#                             its settings (below). Needs wine_select.
#                             What Wine prints goes to standard output and error.
#   wine_server_start [LOCALE]
#                             ends a wineserver left on WINEPREFIX, starts a persistent one and
#                             warms it up with one command, with LANG and LC_ALL set to LOCALE
#                             if given (each Wine start writes its locale into the prefix).
#   wine_server_stop          ends the wineserver that wine_server_start started, if any.
#   wine_start ARCH           all of the above for the scripts: the prefix build/wine-ARCH under
#                             VERBALO_ROOT (default: this checkout), its log beside it.
#   wine_stop                 wine_server_stop.
#   wine_fixed_layout SCRIPT [ARG...]
#                             runs SCRIPT again in place of the caller, with Linux's address
#                             randomisation off for it and for every process it starts, unless
#                             it is off already or cannot be turned off (then it returns).
#                             Call it first thing, with the script's own path and "$@".
#                             Why: a 64-bit Wine started without a preloader (as Debian's is)
#                             keeps 0x7ff00000-0x7fff0000 for the data it shares with the
#                             wineserver, while Linux starts a process's heap at a random point
#                             of the gigabyte above the loader (linked at 0x7d000000). About one
#                             start in a thousand finds its heap there and ends before the
#                             program runs ("failed to map the shared user data"); when that
#                             start is the desktop's, the program's windows cannot be made.
#                             Unrandomised, the heap starts right after the loader, far below
#                             the range.
#
# The prefix settings:
#  UseTakeFocus=N: without it, the focus never comes back to a Wine window after another X
#  window took it.
#  Arial Narrow and Garamond, which Wine lacks and the producer window names, are drawn with
#  Liberation Sans Narrow (the same metrics) and EB Garamond (tests/win/font_replacements.sh,
#  which the Windows tests also run as a fixture of their own).
#  Wine's own Marlett, which draws the symbols of the caption buttons and which this Wine does
#  not load from where the fonts-wine package keeps it, is copied into the prefix's Fonts folder
#  and registered there, as on Windows. Wine's Wingdings is left out: it has about fifty of the
#  font's characters, not the producer window's pictogram ("C"), which it would draw as an empty
#  box, while a Wingdings that is there by name would hide from the program that it cannot be
#  drawn.
#  "unmanaged" adds Managed=N for every program: with no window manager, each window Wine hides
#  would wait 2 s for one to answer; unmanaged windows close at once, the focus returns to the
#  owner as on Windows, and Wine draws the caption and frame itself, so the X geometry is the
#  whole window. But Wine then ignores an X resize: windows are resized and moved with the
#  mouse. The Windows tests' prefix leaves windows managed; those tests that show windows ask
#  for it per program.
#
# Every command has a timeout. The functions work under "set -eu".

VERBALO_ROOT=${VERBALO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
VERBALO_WINE_DIR=/usr/lib/wine
VERBALO_WINE_FONT_DIR=${VERBALO_WINE_FONT_DIR:-/usr/share/wine/fonts}
_VERBALO_FONT_SCRIPT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/tests/win/font_replacements.sh
# Bumped when the prefix settings change, so that an existing prefix is brought up to date.
_VERBALO_PREFIX_VERSION=6

can_run_32bit() {
    [[ -x $VERBALO_WINE_DIR/wine ]] && "$VERBALO_WINE_DIR/wine" --version >/dev/null 2>&1
}

no_32bit_reason() {
    if [[ ! -x $VERBALO_WINE_DIR/wine ]]; then
        echo "32-bit Wine is not installed (the package wine32:i386)"
    else
        echo "this kernel cannot run 32-bit programs"
    fi
}

windows_test_preset() {
    if can_run_32bit; then echo win32; else echo win64; fi
}

wine_select() {
    local arch=${1:-} given
    if [[ -n ${VERBALO_WINE:-} ]]; then
        if [[ $(basename "$VERBALO_WINE") == *64 ]]; then given=win64; else given=win32; fi
        if [[ -z $arch ]]; then
            arch=$given
        elif [[ $arch != "$given" ]]; then
            VERBALO_WINE=""
        fi
    fi
    [[ -n $arch ]] || arch=$(windows_test_preset)
    if [[ -z ${VERBALO_WINE:-} ]]; then
        if [[ $arch == win32 ]]; then
            VERBALO_WINE=$VERBALO_WINE_DIR/wine
        else
            VERBALO_WINE=$VERBALO_WINE_DIR/wine64
        fi
    fi
    # The 64-bit server serves 32-bit programs too.
    if [[ -z ${VERBALO_WINESERVER:-} ]]; then
        if [[ -x $VERBALO_WINE_DIR/wineserver64 ]]; then
            VERBALO_WINESERVER=$VERBALO_WINE_DIR/wineserver64
        else
            VERBALO_WINESERVER=$VERBALO_WINE_DIR/wineserver32
        fi
    fi
    VERBALO_WINE_ARCH=$arch
    WINEARCH=$arch
    WINEDEBUG=-all
    WINEDLLOVERRIDES="mscoree,mshtml="
    export VERBALO_WINE VERBALO_WINESERVER VERBALO_WINE_ARCH WINEARCH WINEDEBUG WINEDLLOVERRIDES
}

_wine_prefix_settings() {  # [unmanaged]
    echo "$_VERBALO_PREFIX_VERSION${1:+ $1}"
}

wine_prefix_ready() {
    local stamp=${WINEPREFIX:-}/.verbalo-prefix
    [[ -n ${WINEPREFIX:-} && -f $stamp && $(<"$stamp") == "$(_wine_prefix_settings "${1:-}")" ]]
}

# Font files of VERBALO_WINE_FONT_DIR and the names they are registered under.
_VERBALO_PREFIX_FONTS=("marlett.ttf Marlett")

_wine_install_fonts() {
    local dir=$WINEPREFIX/drive_c/windows/Fonts entry file
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
    mkdir -p "$dir" || return 1
    for entry in "${_VERBALO_PREFIX_FONTS[@]}"; do
        file=${entry%% *}
        cp "$VERBALO_WINE_FONT_DIR/$file" "$dir/$file" || return 1
        timeout 180 "$VERBALO_WINE" reg add "$key" /v "${entry#* } (TrueType)" /d "$file" /f ||
            return 1
    done
}

# wine_prepare_prefix [unmanaged]: makes WINEPREFIX ready, unless it is already. A prefix is
# booted once for each Wine architecture (wineboot, the settings, the fonts: some 20 s and 11
# processor-seconds), into build/wine-template-ARCH, and every prefix is a copy of it (a third of
# a second): the Windows tests', the two end-to-end ones, a fresh installation's.
wine_prepare_prefix() {
    if wine_prefix_ready "${1:-}"; then return 0; fi
    [[ -n ${WINEPREFIX:-} ]] || return 1
    local template=$VERBALO_ROOT/build/wine-template-$VERBALO_WINE_ARCH
    mkdir -p "$VERBALO_ROOT/build" "$(dirname "$WINEPREFIX")" || return 1
    (
        flock 9 || exit 1
        WINEPREFIX=$template wine_prefix_ready || WINEPREFIX=$template _wine_boot_prefix
    ) 9>"$template.lock" || return 1
    timeout 180 "$VERBALO_WINESERVER" -k || true
    rm -rf "$WINEPREFIX" && cp -a "$template" "$WINEPREFIX" || return 1
    if [[ ${1:-} == unmanaged ]]; then
        timeout 180 "$VERBALO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f ||
            return 1
        timeout 180 "$VERBALO_WINESERVER" -w || return 1
    fi
    _wine_prefix_settings "${1:-}" >"$WINEPREFIX/.verbalo-prefix"
}

_wine_boot_prefix() {
    local key='HKCU\Software\Wine\X11 Driver'
    rm -rf "$WINEPREFIX"
    timeout 600 "$VERBALO_WINE" wineboot -i || return 1
    timeout 180 "$VERBALO_WINESERVER" -w || return 1
    timeout 180 "$VERBALO_WINE" reg add "$key" /v UseTakeFocus /d N /f || return 1
    timeout 300 bash "$_VERBALO_FONT_SCRIPT" "$VERBALO_WINE" || return 1
    _wine_install_fonts || return 1
    timeout 180 "$VERBALO_WINESERVER" -w || return 1
    _wine_prefix_settings >"$WINEPREFIX/.verbalo-prefix"
}

wine_server_start() {
    # A server left by a run that was killed would still hold its old display.
    timeout 120 "$VERBALO_WINESERVER" -k >/dev/null 2>&1 || true
    timeout 120 "$VERBALO_WINESERVER" -w >/dev/null 2>&1 || true
    timeout 120 "$VERBALO_WINESERVER" -p >/dev/null 2>&1 || return 1
    VERBALO_WINESERVER_STARTED=1
    # A cold persistent server keeps the first caller's pipes open: warm it up once. Each
    # later Wine start then costs a fraction of a second.
    local locale=()
    [[ -z ${1:-} ]] || locale=(env LANG="$1" LC_ALL="$1")
    timeout 180 "${locale[@]}" "$VERBALO_WINE" cmd /c exit >/dev/null 2>&1
}

wine_server_stop() {
    if [[ -n ${VERBALO_WINESERVER_STARTED:-} ]]; then
        timeout 120 "$VERBALO_WINESERVER" -k >/dev/null 2>&1 || true
        timeout 120 "$VERBALO_WINESERVER" -w >/dev/null 2>&1 || true
        VERBALO_WINESERVER_STARTED=
    fi
    return 0
}

wine_start() {
    local arch=$1 log=$VERBALO_ROOT/build/wine-$1.log
    export WINEPREFIX=$VERBALO_ROOT/build/wine-$arch
    wine_select "$arch"
    mkdir -p "$VERBALO_ROOT/build"
    if ! wine_prefix_ready && ! wine_prepare_prefix >"$log" 2>&1; then
        echo "wine: the prefix $WINEPREFIX could not be prepared (see $log)" >&2
        return 1
    fi
    if ! wine_server_start; then
        echo "wine: no wineserver for $WINEPREFIX" >&2
        return 1
    fi
}

wine_stop() { wine_server_stop; }

wine_fixed_layout() {  # script [arg...]
    local no_randomize=$((0x0040000))
    (($(("0x$(cat /proc/self/personality 2>/dev/null || echo 0)")) & no_randomize)) && return 0
    setarch "$(uname -m)" --addr-no-randomize true 2>/dev/null || return 0
    exec setarch "$(uname -m)" --addr-no-randomize "$@"
}
