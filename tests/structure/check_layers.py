#!/usr/bin/env python3
"""Checks that every arrow between the program's modules points down.

Reads the #include lines of the program's sources and the target_link_libraries of its
CMakeLists.txt files, and fails on:
  - an include or a link from a module to one it may not use (an arrow that points up, or
    sideways between the two windows' modules);
  - a test double (a fakes/ folder) used by the program itself;
  - <windows.h> outside the Win32 layers.
Usage: check_layers.py [SOURCE_ROOT]
"""
import pathlib
import re
import sys

# What each module may use, lowest first. A module always uses itself; the Win32 modules are the
# only ones that may name Win32.
MAY_USE = {
    "platform": set(),
    "resources": {"platform"},
    "wording": {"resources"},
    "keys": {"platform"},
    "easter": {"resources", "platform"},
    "mainwindow": {"wording", "keys", "easter", "resources", "platform"},
    "infowindows": {"resources", "platform"},
    "platform/win32": {"platform"},
    "ui/win32": {"mainwindow", "infowindows", "wording", "keys", "easter", "resources",
                 "platform/win32", "platform"},
    "app/cli": {"wording", "easter", "resources", "platform/win32", "platform"},
    "app/win32": {"ui/win32", "mainwindow", "infowindows", "resources", "platform/win32",
                  "platform"},
}
WIN32_MODULES = {"platform/win32", "ui/win32", "app/win32"}
# Test code sits above everything; only its Win32 parts may name Win32.
WIN32_TEST_FOLDERS = ("tests/win/", "tests/e2e/probe/")
SOURCE_SUFFIXES = {".h", ".cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def module_of(path):
    """The module a file of the program belongs to (longest folder match), or None."""
    folder = path.parent.as_posix()
    for module in sorted(MAY_USE, key=len, reverse=True):
        if folder == module or folder.startswith(module + "/"):
            return module
    return None


def is_fake(path):
    return "fakes" in pathlib.PurePosixPath(path).parts


def is_win32_file(path):
    text = path.as_posix()
    return (module_of(path) in WIN32_MODULES or path.stem.endswith("_win32")
            or text.startswith(WIN32_TEST_FOLDERS))


def check_includes(root, path, faults):
    user = module_of(path)
    for kind, name in INCLUDE.findall((root / path).read_text(encoding="utf-8")):
        where = f"{path.as_posix()}: #include {name}"
        if kind == "<":
            if name.lower() == "windows.h" and not is_win32_file(path):
                faults.append(f"{where}: Win32 outside the Win32 layers")
            continue
        if user is None or is_fake(path):
            continue  # tests, fuzz targets, benchmarks and test doubles sit on top
        if is_fake(name):
            faults.append(f"{where}: the program uses a test double")
            continue
        used = module_of(pathlib.PurePosixPath(name))
        if used is not None and used != user and used not in MAY_USE[user]:
            faults.append(f"{where}: {user} may not use {used}")


def targets_by_module(root):
    """Maps each target the program's CMakeLists.txt files define to its module."""
    targets = {}
    for cmake in root.rglob("CMakeLists.txt"):
        module = module_of(cmake.relative_to(root))
        for name in re.findall(r"add_(?:library|executable)\(\s*([\w-]+)", cmake.read_text()):
            if module is not None:
                targets[name] = module
    return targets


def check_links(root, faults):
    targets = targets_by_module(root)
    for cmake in root.rglob("CMakeLists.txt"):
        relative = cmake.relative_to(root)
        if module_of(relative) is None:
            continue
        text = cmake.read_text()
        for name, body in re.findall(r"target_link_libraries\(\s*([\w-]+)([^)]*)\)", text):
            user = targets.get(name)
            for used_target in re.findall(r"\bverbalo_\w+", body):
                used = targets.get(used_target)
                if used is None or user is None:
                    continue  # an interface of the build itself, such as the project flags
                if is_fake(used_target.replace("_", "/")):
                    faults.append(f"{relative}: {name} links the test doubles {used_target}")
                elif used != user and used not in MAY_USE[user]:
                    faults.append(f"{relative}: {name} links {used_target}: "
                                  f"{user} may not use {used}")


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = []
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root)
        if (path.suffix in SOURCE_SUFFIXES and path.is_file()
                and relative.parts[0] not in ("build", ".git")):
            check_includes(root, relative, faults)
    check_links(root, faults)
    for fault in faults:
        print(fault)
    print(f"layers: {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
