#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds the program's folders to the table of docs/ARCHITECTURE.md: every #include of their
sources, in any form, and every library their CMake targets link, in any layout, must be one the
folder's row allows. Prints each one it does not and exits 1.

usage: layers_check.py SOURCE_DIR
"""
import os
import re
import sys

root = sys.argv[1]
note = open(os.path.join(root, "docs", "ARCHITECTURE.md"), encoding="utf-8").read()
# What a row may name besides folders and files in backquotes.
KINDS = ("the standard library", "POSIX", "Qt", "xcb", "everything")
includes, links = {}, {}
for line in note.splitlines():
    cells = [c.strip() for c in line.strip().strip("|").split("|")]
    if len(cells) == 4 and re.fullmatch(r"`[a-z/]+/`", cells[0]):
        for column, table in ((cells[2], includes), (cells[3], links)):
            table[cells[0].strip("`")] = set(re.findall(r"`([^`]+)`", column)) | {k for k in KINDS if k in column}
if not includes:
    sys.exit("no table of folders in docs/ARCHITECTURE.md")


def layer(path):
    """The table's folder that holds `path`: the longest one it starts with."""
    return max((folder for folder in includes if path.startswith(folder)), key=len, default=None)


def allowed(table, folder, kind, target):
    """Whether the folder's row in `table` allows a kind, or a project file or folder `target`."""
    rules = table[folder]
    if "everything" in rules or kind != "project":
        return "everything" in rules or kind in rules
    return layer(target) == folder or target in rules or layer(target) in rules


def include_kind(path, form, target):
    """(kind, project path) of an include: relative forms are resolved as the compiler would."""
    here = [os.path.normpath(os.path.join(os.path.dirname(path), target))] if form == '"' else []
    for candidate in here + [os.path.normpath(target)]:
        found = any(os.path.isfile(os.path.join(root, candidate + end)) for end in ("", ".in"))
        if found and not candidate.startswith(".."):
            return "project", candidate.replace(os.sep, "/")
    # The C++ headers are lowercase words without an extension; the C ones have theirs.
    if re.fullmatch(r"[a-z_]+|c?(std\w*|string|math|limits|errno|assert|time)(\.h)?", target):
        return "the standard library", None
    if target in ("unistd.h", "fcntl.h", "dirent.h", "poll.h", "signal.h") or target.startswith("sys/"):
        return "POSIX", None
    if re.match(r"Q|Qt\w+/", target):
        return "Qt", None
    return ("xcb", None) if target.startswith(("xcb/", "X11/")) else (f"an unknown library ({target})", None)


def link_kind(library):
    if library in declared:
        return "project", declared[library]
    if re.match(r"Qt6?::", library):
        return "Qt", None
    return ("xcb", None) if re.match(r"X11::|xcb", library) else (f"an unknown library ({library})", None)


# (path from the root, text) of every source and CMake file in the table's folders.
files = {}
for folder in includes:
    for base, _, names in os.walk(os.path.join(root, folder)):
        relative = os.path.relpath(base, root).replace(os.sep, "/") + "/"
        for name in names if layer(relative) == folder else []:
            if name.endswith((".h", ".cpp", ".in")) or name == "CMakeLists.txt":
                files[relative + name] = open(os.path.join(base, name), encoding="utf-8").read()
cmake = {path: re.sub(r"#.*", "", text) for path, text in files.items() if path.endswith("CMakeLists.txt")}
# The folder of every library the project declares, by where it is declared.
declared = {name: layer(path) for path, text in cmake.items()
            for name in re.findall(r"add_(?:library|executable)\(\s*([\w-]+)", text)}
KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE", "LINK_INTERFACE_LIBRARIES"}
faults = []
for path, text in files.items():
    folder = layer(path)
    if path in cmake:
        for call in re.findall(r"target_link_libraries\s*\(([^)]*)\)", cmake[path], re.I):
            for library in re.sub(r"\$<[^:>]*:([^>]*)>", r" \1 ", call).replace(";", " ").split()[1:]:
                kind, target = link_kind(library)
                if library not in KEYWORDS and not allowed(links, folder, kind, target):
                    faults.append(f"{path} links {library}: {target or kind}")
        continue
    for form, target in re.findall(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', text, re.M):
        kind, project = include_kind(path, form, target)
        if not allowed(includes, folder, kind, project):
            faults.append(f"{path} includes {target}: {project or kind}")
    faults += [f"{path} includes through a macro: {line.strip()}"
               for line in re.findall(r"^\s*#\s*include\s*[^<\"\s].*$", text, re.M)]

for fault in faults:
    print(f"{fault}: the table in docs/ARCHITECTURE.md does not allow it")
print(f"{len(files)} files of {len(includes)} folders checked")
sys.exit(1 if faults else 0)
