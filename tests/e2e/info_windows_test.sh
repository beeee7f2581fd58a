#!/usr/bin/env bash
# The information windows as a user meets them: the About window ("Su Verbalo", Alt+V) closes
# with Esc and with Enter, the producer window ("SU TALVO", Alt+T) does not close with Esc and
# closes with Alt+O, and afterwards the main window takes an amount again. Screenshots of both
# windows are kept in build/e2e (about.png, producer.png).
# The system-information tool, which Wine ships as C:\windows\system32\msinfo32.exe (its window
# "About System Information"):
#  a. found through the registry value PATH, started by the About window's "System Info" (Alt+S);
#  b. with no registry value, found by the producer window's "? Sistema" (Alt+S) deep in a tree
#     in C:\Program Files, the Program Files folder the system reports, and started;
#  c. found nowhere: one message box "MSINFO32.EXE  NON TROVATO" captioned Verbalo;
#  d. with a symbolic-link loop in that tree, the search still ends.
# From the keyboard, Tab reaches the producer window's e-mail link and Enter hands the mail link
# to the shell, which starts the program the prefix names for mailto: links (the stand-in tool,
# the test's first argument, which notes what it was given).
# Finally the main window's close box ends the program, with the producer window loaded hidden
# by the launch of the tool.
# What the test puts into the prefix (the registry values, the tree) is removed at the start,
# in case a run was cut short, and at the end.
# The program runs from a folder of its own beside a planted version.dll, which it never loads.
source "$(dirname "$0")/harness.sh"
e2e_begin
e2e_locale it_IT.UTF-8

MAIN='DESCRIZIONE LETTERALE DI NUMERI'
ABOUT='^ Informazioni su Verbalo$'
PRODUCER='^  Pproduttore del SoftWare$'
MESSAGE='^Verbalo$'
TOOL='System Information$'  # "About System Information", in Italian "Informazioni su ..."
TOOL_KEY='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'
TOOL_FOLDER_KEY='HKLM\SOFTWARE\Microsoft\Shared Tools Location'
PROGRAMMI="$WINEPREFIX/drive_c/Program Files/Verbalo-prova"
MAIL_KEY='HKCR\mailto\shell\open\command'
WEB_KEY='HKCR\https\shell\open\command'
STAND_IN=${1:?usage: info_windows_test.sh STAND-IN-TOOL PLANTED-DLL}
PLANTED_DLL=${2:?usage: info_windows_test.sh STAND-IN-TOOL PLANTED-DLL}
export VERBALO_TOOL_LOG
VERBALO_TOOL_LOG=$(e2e_wine winepath -w "$E2E_DIR/mail-link.log" 2>/dev/null | tr -d '\r')
handler_of() {  # KEY: the program a link's kind is opened with
    e2e_wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'
}
mail_handler=$(handler_of "$MAIL_KEY")
web_handler=$(handler_of "$WEB_KEY")

# The registry values the launcher reads, and the tree, as Wine has them: absent.
restore_prefix() {
    e2e_wine reg delete "$TOOL_KEY" /v PATH /f >/dev/null 2>&1
    e2e_wine reg delete "$TOOL_FOLDER_KEY" /v MSINFO /f >/dev/null 2>&1
    rm -rf "$PROGRAMMI"
    if [[ -n $mail_handler ]]; then
        e2e_wine reg add "$MAIL_KEY" /ve /d "$mail_handler" /f >/dev/null 2>&1
    fi
    if [[ -n $web_handler ]]; then
        e2e_wine reg add "$WEB_KEY" /ve /d "$web_handler" /f >/dev/null 2>&1
    fi
}

# handed_link: waits for the stand-in's note of a link the shell handed it, prints the link and
# removes the note.
handed_link() {
    local deadline=$((SECONDS + E2E_WAIT))
    until [[ -s $E2E_DIR/mail-link.log ]] || ((SECONDS >= deadline)); do
        sleep 0.2
    done
    sed -n 's/.*stand-in\.exe *//p' "$E2E_DIR/mail-link.log" 2>/dev/null | tr -d '"\r'
    rm -f "$E2E_DIR/mail-link.log"
}

# click_producer_at X Y: a click of the left button at a point of the producer window's client
# area, in twips (at 96 DPI, 15 a pixel).
click_producer_at() {
    local x y w h border top
    read -r x y w h < <(e2e_geometry "$producer") || return 1
    border=$(((w - 5325 / 15) / 2))
    top=$((h - 3795 / 15 - border))
    _e2e_x xdotool mousemove --sync $((x + border + $1 / 15)) $((y + top + $2 / 15)) click 1 \
        mousemove --sync 1279 799
}

# visible_count PATTERN: how many visible windows have a name that matches.
visible_count() {
    _e2e_x xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

# Types an amount into the main window and checks that Enter words it onto the clipboard: the
# amount field has the focus back, and the amount has not been worded before.
check_main_window_takes_an_amount() {  # amount wording
    e2e_focus "$E2E_WINDOW"
    e2e_key ctrl+a BackSpace
    e2e_clipboard_mark
    e2e_type "$1"
    e2e_key Return
    assert_eq "wording after $E2E_STEP" "$2" "$(e2e_clipboard_wait)"
}

# close_tool: the system-information tool's window appeared; closes it with Enter.
close_tool() {
    local tool
    tool=$(e2e_wait_window "$TOOL" $((2 * E2E_WAIT))) || return 1
    e2e_focus "$tool"
    e2e_key Return
    e2e_wait_no_window "$TOOL"
}

restore_prefix

e2e_step "start"
rm -rf "${folder:=$E2E_DIR/planted-dll}" && mkdir -p "$folder" &&
    cp "$VERBALO_EXE" "$PLANTED_DLL" "$folder/"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;version=n,b"
e2e_launch "$MAIN" "$folder/Verbalo.exe" || e2e_abort "the main window did not appear"
e2e_clipboard_mark
e2e_type '5'

e2e_step "About window: Esc"
e2e_key alt+v
about=$(e2e_wait_window "$ABOUT") || e2e_abort "Alt+V opened no About window"
assert_eq "About caption" " Informazioni su Verbalo" "$(e2e_window_name "$about")"
sleep 0.5  # let it paint
e2e_screenshot about "$about" >/dev/null
assert_eq "the amount pending when the About window opened is not worded" \
    "$E2E_CLIPBOARD_MARK" "$(e2e_clipboard_get)"
e2e_key Escape
assert_true "Esc closes the About window" e2e_wait_no_window "$ABOUT"

e2e_step "About window: Enter"
e2e_key alt+v
about=$(e2e_wait_window "$ABOUT") || e2e_abort "Alt+V opened no About window again"
e2e_key Return
assert_true "Enter closes the About window" e2e_wait_no_window "$ABOUT"
check_main_window_takes_an_amount 12 "Dodici / 00"

e2e_step "About window: the credit line opens the producer window, with Enter and with space"
e2e_key alt+v
about=$(e2e_wait_window "$ABOUT") || e2e_abort "Alt+V opened no About window for the credit line"
for key in Return space; do
    [[ $key == Return ]] && e2e_key Tab Tab Tab
    e2e_key "$key"
    if producer=$(e2e_wait_window "$PRODUCER"); then
        e2e_key alt+o
        assert_true "Alt+O closes the producer window opened by $key" e2e_wait_no_window "$PRODUCER"
        e2e_focus "$about"
    else
        _e2e_fail "$key on the credit line opened no producer window"
    fi
done
e2e_key Escape
assert_true "Esc closes the About window after the credit line" e2e_wait_no_window "$ABOUT"

e2e_step "producer window"
e2e_key alt+t
producer=$(e2e_wait_window "$PRODUCER") || e2e_abort "Alt+T opened no producer window"
assert_eq "producer caption" "  Pproduttore del SoftWare" "$(e2e_window_name "$producer")"
sleep 0.5
e2e_screenshot producer "$producer" >/dev/null
e2e_key Escape
sleep 1
assert_eq "Esc leaves the producer window open" 1 "$(visible_count "$PRODUCER")"

e2e_step "producer window: the links, by Tab and Enter or space, and by a click"
rm -f "$E2E_DIR/mail-link.log"
stand_in="\"$(e2e_wine winepath -w "$STAND_IN" | tr -d '\r')\" \"%1\""
e2e_wine reg add "$MAIL_KEY" /ve /d "$stand_in" /f >/dev/null
e2e_wine reg add "$WEB_KEY" /ve /d "$stand_in" /f >/dev/null
e2e_key Tab Tab Tab Return
assert_eq "Enter on the e-mail link hands the shell the mail link" "mailto:tv@tlv.example" \
    "$(handed_link)"
e2e_key Tab space
assert_eq "space on the site hands the shell the site" "https://tlv.example" "$(handed_link)"
click_producer_at 1830 2467
assert_eq "a click on the e-mail link" "mailto:tv@tlv.example" "$(handed_link)"
click_producer_at 4515 2467
assert_eq "a click on the site" "https://tlv.example" "$(handed_link)"
e2e_focus "$producer"
e2e_key alt+o
assert_true "Alt+O closes the producer window" e2e_wait_no_window "$PRODUCER"
check_main_window_takes_an_amount 7 "Sette / 00"

e2e_step "a: System Info through the registry"
e2e_wine reg add "$TOOL_KEY" /v PATH /d 'C:\windows\system32\msinfo32.exe' /f >/dev/null
e2e_key alt+v
about=$(e2e_wait_window "$ABOUT") || e2e_abort "no About window for System Info"
e2e_key alt+s
assert_true "the About window's System Info starts the tool" close_tool
assert_eq "the producer window, loaded for the launch, stays hidden" 0 \
    "$(visible_count "$PRODUCER")"
assert_eq "the About window stays open" 1 "$(visible_count "$ABOUT")"
e2e_focus "$about"
e2e_key Escape
assert_true "Esc closes the About window after System Info" e2e_wait_no_window "$ABOUT"

e2e_step "b: Sistema finds the tool in C:\\Program Files"
e2e_wine reg delete "$TOOL_KEY" /v PATH /f >/dev/null 2>&1
mkdir -p "$PROGRAMMI/A/B/C" "$PROGRAMMI/Altro"
cp "$WINEPREFIX/drive_c/windows/system32/msinfo32.exe" "$PROGRAMMI/A/B/C/MSINFO32.EXE"
e2e_focus "$E2E_WINDOW"
e2e_key alt+t
producer=$(e2e_wait_window "$PRODUCER") || e2e_abort "no producer window for Sistema"
e2e_key alt+s
assert_true "Sistema finds the tool deep in C:\\Program Files and starts it" close_tool
assert_eq "no message when the tool was found" 0 "$(visible_count "$MESSAGE")"

e2e_step "c, d: Sistema finds nothing, through a link loop"
rm "$PROGRAMMI/A/B/C/MSINFO32.EXE"
ln -s .. "$PROGRAMMI/A/loop"
e2e_focus "$producer"
e2e_key alt+s
if message=$(e2e_wait_window "$MESSAGE" $((2 * E2E_WAIT))); then
    sleep 1  # a second box would have come by now
    assert_eq "one not-found message" 1 "$(visible_count "$MESSAGE")"
    e2e_screenshot not-found "$message" >/dev/null
    e2e_focus "$message"
    e2e_key Return
    assert_true "OK closes the message" e2e_wait_no_window "$MESSAGE"
    sleep 1
    assert_eq "no second message" 0 "$(visible_count "$MESSAGE")"
else
    _e2e_fail "no not-found message within 30 s (a search that does not end?)"
fi
assert_eq "the producer window stays open after the message" 1 "$(visible_count "$PRODUCER")"
e2e_focus "$producer"
e2e_key alt+o
assert_true "Alt+O closes the producer window after the search" e2e_wait_no_window "$PRODUCER"
check_main_window_takes_an_amount 30 "Trenta / 00"

e2e_step "the close box ends the program"
e2e_focus "$E2E_WINDOW"
e2e_key alt+F4
assert_true "the program ends with the producer window loaded hidden" e2e_wait_exit
assert_true "the planted version.dll was never loaded for it" test ! -e "$folder/version-dll-loaded"

restore_prefix
