#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds the program's folders to the table "Folders and what may include what" of
docs/ARCHITECTURE.md: every #include of their sources, and every tw_ library their CMake targets
link, must be one the table allows the folder. Prints each one it does not and exits 1.

usage: layers_check.py SOURCE_DIR
"""
import os
import re
import sys

root = sys.argv[1]
note = open(os.path.join(root, "docs", "ARCHITECTURE.md"), encoding="utf-8").read()
section = note.split("## Folders and what may include what", 1)[1].split("\n## ", 1)[0]
# folder -> what it may include besides the standard library: folders ending in "/", single
# files, "Qt" (any Qt module), "everything"
table = {}
for line in section.splitlines():
    cells = [c.strip() for c in line.strip().strip("|").split("|")]
    if len(cells) != 3 or not cells[0].startswith("`"):
        continue
    folder = cells[0].strip("`")
    allowed = set(re.findall(r"`([^`]+)`", cells[2]))
    allowed |= {word for word in ("Qt", "everything") if word in cells[2]}
    table[folder] = allowed
if not table:
    sys.exit("no table of folders in docs/ARCHITECTURE.md")


def layer(path):
    """The table's folder that holds `path`: the longest one it starts with."""
    matches = [folder for folder in table if path.startswith(folder)]
    return max(matches, key=len) if matches else None


def may_use(folder, target):
    """Whether `folder` may include the file, or link the library of the folder, `target`."""
    allowed = table[folder]
    if "everything" in allowed or layer(target) == folder:
        return True
    return target in allowed or layer(target) in allowed


def sources():
    """(path from the root, text) of every source and CMake file in the table's folders."""
    for folder in table:
        for base, _, files in os.walk(os.path.join(root, folder)):
            relative = os.path.relpath(base, root).replace(os.sep, "/") + "/"
            if layer(relative) == folder:
                for name in files:
                    if name.endswith((".h", ".cpp")) or name == "CMakeLists.txt":
                        yield relative + name, open(os.path.join(base, name), encoding="utf-8").read()


files = dict(sources())
# The folder of every tw_ library, by where it is declared.
libraries = {name: layer(path) for path, text in files.items() if path.endswith("CMakeLists.txt")
             for name in re.findall(r"add_library\(\s*(tw_\w+)", text)}
faults = []
for path, text in files.items():
    folder = layer(path)
    if path.endswith("CMakeLists.txt"):
        for links in re.findall(r"target_link_libraries\(([^)]*)\)", text):
            for library in re.findall(r"\btw_\w+", links.split(None, 1)[1] if " " in links.strip() else ""):
                if library in libraries and not may_use(folder, libraries[library]):
                    faults.append(f"{path} links {library} of {libraries[library]}")
        continue
    for kind, target in re.findall(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', text, re.M):
        if kind == '"':
            ok = "/" not in target or may_use(folder, target)
        else:
            ok = not target.startswith("Q") or table[folder] & {"Qt", "everything"}
        if not ok:
            faults.append(f"{path} includes {target}")

for fault in faults:
    print(f"{fault}: the table in docs/ARCHITECTURE.md does not allow it")
print(f"{len(files)} files of {len(table)} folders checked")
sys.exit(1 if faults else 0)
