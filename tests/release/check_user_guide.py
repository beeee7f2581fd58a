#!/usr/bin/env python3
"""docs/LEGGIMI.txt as it ships beside the programs: UTF-8 with a byte-order mark and CRLF line
ends, for Notepad; short; and naming every menu entry as the resource script spells it and
every option of verbalo-cli as its help does.

Usage: check_user_guide.py SOURCE_DIR
"""
import pathlib
import re
import sys

MAX_LINES = 130


def main(source_dir: pathlib.Path) -> int:
    failures = []
    raw = (source_dir / "docs" / "LEGGIMI.txt").read_bytes()
    if not raw.startswith(b"\xef\xbb\xbf"):
        failures.append("no UTF-8 byte-order mark")
    try:
        text = raw.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        failures.append(f"not UTF-8: {error}")
        text = raw.decode("utf-8-sig", errors="replace")
    if re.search(r"\r(?!\n)|(?<!\r)\n", text):
        failures.append("a line end that is not CRLF")
    if text.count("\r\n") > MAX_LINES:
        failures.append(f"more than {MAX_LINES} lines")

    script = (source_dir / "resources" / "verbalo.rc").read_text(encoding="utf-8")
    menu = script[script.index(" MENU\n"):]
    menu = menu[:menu.index("\nEND\n")]
    entries = [re.sub(r"&(.)", r"\1", name)
               for name in re.findall(r'(?:MENUITEM|POPUP)\s+"([^"]*)"', menu)]
    help_text = (source_dir / "app" / "cli" / "console_texts.h").read_text(encoding="utf-8")
    options = re.findall(r'"\s+(--[a-z]+)\b', help_text)
    if not entries or not options:
        failures.append("no menu entries or options found in the sources")
    for entry in entries:
        if f'"{entry}"' not in text:
            failures.append(f'menu entry "{entry}" not named')
    for option in options:
        if option not in text:
            failures.append(f"option {option} not named")

    for failure in failures:
        print("FAIL", failure)
    print(f"{len(entries)} menu entries, {len(options)} options; {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
