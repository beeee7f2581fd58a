#!/usr/bin/env python3
"""Writes docs/LICENZE.txt, the licences that ship beside the programs: Verbalo's own terms, as
the producer window states them, and each library that the MinGW-w64 links put into the programs,
with the files the code comes from and the licence texts that must go with every copy. The texts
are those of the Debian packages that build the programs (their /usr/share/doc/*/copyright);
run it again when the toolchain changes. The file is kept as Notepad reads it everywhere: UTF-8
with a byte-order mark, CR LF line ends.

The release-package test checks that every library and object file named in the programs' link
maps is on one of the lines "Parti nei programmi: ...".

Usage: make_notices.py SOURCE_DIR
"""
import pathlib
import re
import subprocess
import sys
import textwrap

MINGW_COPYRIGHT = pathlib.Path("/usr/share/doc/mingw-w64-x86-64-dev/copyright")
GCC_COPYRIGHT = pathlib.Path("/usr/share/doc/gcc-mingw-w64-base/copyright")
GPL3 = pathlib.Path("/usr/share/common-licenses/GPL-3")

# The import libraries of the system DLLs the programs may call, as MinGW-w64 makes them.
IMPORT_LIBRARIES = ("libadvapi32.a libcomctl32.a libcomdlg32.a libgdi32.a libkernel32.a "
                    "libole32.a liboleaut32.a libshell32.a libshlwapi.a libuser32.a libuuid.a "
                    "libversion.a libwinspool.a")
MINGW_RUNTIME_FILES = "crt2.o crt2u.o libmingw32.a libmingwex.a libmoldname.a libmsvcrt.a"
WINPTHREADS_FILES = "libpthread.a libwinpthread.a"
GCC_FILES = "crtbegin.o crtend.o libgcc.a libgcc_eh.a libssp.a libssp_nonshared.a libstdc++.a"


def parts(files: str) -> list[str]:
    """FILES on lines "Parti nei programmi: ..." of at most 90 characters."""
    return ["Parti nei programmi: " + line for line in textwrap.wrap(files, 69)]


def package_version(name: str) -> str:
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], check=True,
                          capture_output=True, text=True).stdout


def cpp_string(header: pathlib.Path, name: str) -> str:
    """The text of the string_view constant NAME, its pieces joined."""
    source = header.read_text(encoding="utf-8")
    body = re.search(name + r" =\s*((?:\"[^\"]*\"\s*)+);", source).group(1)
    return "".join(re.findall(r"\"([^\"]*)\"", body))


def paragraphs(path: pathlib.Path) -> list[dict[str, list[str]]]:
    """The paragraphs of a machine-readable Debian copyright file, as fields of lines."""
    result = []
    for block in path.read_text(encoding="utf-8").split("\n\n"):
        fields: dict[str, list[str]] = {}
        key = None
        for line in block.split("\n"):
            match = re.match(r"^([A-Za-z-]+):\s?(.*)$", line)
            if match:
                key = match.group(1)
                fields[key] = [match.group(2)]
            elif key:
                fields[key].append(line)
        if fields:
            result.append(fields)
    return result


def licence_body(lines: list[str]) -> list[str]:
    return ["" if line.strip() == "." else line[1:] if line.startswith(" ") else line
            for line in lines]


def mingw_section(part) -> list[str]:
    """The copyright and licence paragraphs of the mingw-w64 sources that PART selects."""
    all_paragraphs = paragraphs(MINGW_COPYRIGHT)
    standalone = {p["License"][0].strip(): p["License"][1:] for p in all_paragraphs
                  if "License" in p and "Files" not in p}
    out: list[str] = []
    referenced: list[str] = []
    for p in all_paragraphs:
        files = [f for f in " ".join(p.get("Files", [])).split() if part(f)]
        if not files:
            continue
        name = p["License"][0].strip()
        out += textwrap.wrap(" ".join(files), 90, initial_indent="Sorgenti: ",
                             subsequent_indent="          ", break_on_hyphens=False)
        out.append("Copyright: " + "\n           ".join(line.strip() for line in p["Copyright"]))
        out.append("Licenza: " + name)
        if len(p["License"]) > 1:
            out += licence_body(p["License"][1:])
        else:
            referenced += [n for n in re.split(r"\s+(?:and|or)\s+", name) if n not in referenced]
        out.append("")
    for name in referenced:
        out.append(f"Testo della licenza {name}:")
        out += licence_body(standalone[name])
        out.append("")
    return out


def gcc_exception() -> list[str]:
    text = GCC_COPYRIGHT.read_text(encoding="utf-8")
    start = text.index("GCC RUNTIME LIBRARY EXCEPTION")
    last = "requirements of the license of GCC."
    return text[start:text.index(last, start) + len(last)].split("\n")


def main(root: pathlib.Path) -> None:
    notice = cpp_string(root / "resources/producer_window_texts.h", "kProducerNotice")
    notice = re.sub(r"  +", " ", notice)
    maker = cpp_string(root / "resources/maker_data.h", "kLegalName")
    web = cpp_string(root / "resources/maker_data.h", "kWebAddress")
    mingw = package_version("mingw-w64-x86-64-dev")
    gcc = package_version("gcc-mingw-w64-base")
    lines = [
        "VERBALO - Licenze",
        "=================",
        "",
        "Verbalo",
        "-------",
        "",
        f"Verbalo.exe e verbalo-cli.exe sono di {maker} ({web}).",
        "Le condizioni d'uso, come le riportano le finestre Informazioni e Produttore:",
        "",
        *textwrap.wrap(notice, 90),
        "",
        "",
        "Componenti di terze parti",
        "-------------------------",
        "",
        "I due programmi contengono, collegate staticamente, parti delle librerie seguenti,",
        "che il compilatore MinGW-w64 (GCC) fornisce. Per ciascuna: i file da cui vengono",
        "quelle parti e il testo della sua licenza, che ne accompagna ogni copia.",
        "",
        "",
        f"1. Runtime di MinGW-w64 (mingw-w64 {mingw})",
        "",
        *parts(MINGW_RUNTIME_FILES + " " + IMPORT_LIBRARIES),
        "",
        *mingw_section(lambda f: f == "*" or f.startswith("mingw-w64-crt/")),
        "",
        f"2. winpthreads (mingw-w64 {mingw})",
        "",
        *parts(WINPTHREADS_FILES),
        "",
        *mingw_section(lambda f: f.startswith("mingw-w64-libraries/winpthreads/")
                       and "tests_pthread" not in f),
        "",
        f"3. Librerie di supporto di GCC: libstdc++ e libgcc (gcc-mingw-w64 {gcc})",
        "",
        *parts(GCC_FILES),
        "",
        "Copyright (C) 1986-2022 Free Software Foundation, Inc.",
        "Licenza: GNU General Public License, versione 3 o successiva, con la GCC Runtime",
        "Library Exception, versione 3.1 (i due testi seguono).",
        "",
        *gcc_exception(),
        "",
        "",
        *GPL3.read_text(encoding="utf-8").split("\n"),
    ]
    text = "\n".join(line.rstrip() for line in lines).rstrip("\n") + "\n"
    encoded = b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")
    (root / "docs" / "LICENZE.txt").write_bytes(encoded)


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]))
