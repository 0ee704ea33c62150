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
    if len(cells) != 4 or not re.fullmatch(r"`[a-z/]+/`", cells[0]):
        continue
    folder = cells[0].strip("`")
    for column, table in ((cells[2], includes), (cells[3], links)):
        table[folder] = set(re.findall(r"`([^`]+)`", column)) | {k for k in KINDS if k in column}
if not includes:
    sys.exit("no table of folders in docs/ARCHITECTURE.md")

STANDARD = set("""algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes
climits clocale cmath compare concepts condition_variable cstddef cstdint cstdio cstdlib cstring ctime cwchar
deque exception filesystem fstream functional initializer_list iomanip ios iosfwd iostream istream iterator
limits list locale map memory mutex new numbers numeric optional ostream queue random ranges ratio regex set
source_location span sstream stack stdexcept string string_view system_error thread tuple type_traits
typeinfo unordered_map unordered_set utility variant vector version""".split())
POSIX = {"unistd.h", "fcntl.h", "dirent.h", "poll.h", "signal.h"}


def layer(path):
    """The table's folder that holds `path`: the longest one it starts with."""
    matches = [folder for folder in includes if path.startswith(folder)]
    return max(matches, key=len) if matches else None


def allowed(table, folder, target, kind):
    """Whether the folder's row in `table` allows a project file or folder `target`, or a kind."""
    rules = table[folder]
    if "everything" in rules:
        return True
    if kind != "project":
        return kind in rules
    return layer(target) == folder or target in rules or layer(target) in rules


def exists(path):
    return os.path.isfile(os.path.join(root, path)) or os.path.isfile(os.path.join(root, path + ".in"))


def include_kind(path, form, target):
    """(kind, project path) of an include: relative forms are resolved as the compiler would."""
    here = os.path.dirname(path)
    candidates = ([os.path.normpath(os.path.join(here, target))] if form == '"' else []) + [os.path.normpath(target)]
    for candidate in candidates:
        if not candidate.startswith("..") and exists(candidate):
            return "project", candidate.replace(os.sep, "/")
    if target in STANDARD or re.fullmatch(r"c?(std\w*|string|math|limits|errno|assert|time)(\.h)?", target):
        return "the standard library", None
    if target in POSIX or target.startswith("sys/"):
        return "POSIX", None
    if re.match(r"Q|Qt\w+/", target):
        return "Qt", None
    if target.startswith(("xcb/", "X11/")):
        return "xcb", None
    return f"an unknown library ({target})", None


def link_kind(library, declared):
    if library in declared:
        return "project", declared[library]
    if re.match(r"Qt6?::", library):
        return "Qt", None
    if re.match(r"X11::|xcb", library):
        return "xcb", None
    return f"an unknown library ({library})", None


def sources():
    """(path from the root, text) of every source and CMake file in the table's folders."""
    for folder in includes:
        for base, _, files in os.walk(os.path.join(root, folder)):
            relative = os.path.relpath(base, root).replace(os.sep, "/") + "/"
            if layer(relative) == folder:
                for name in files:
                    if name.endswith((".h", ".cpp", ".in")) or name == "CMakeLists.txt":
                        yield relative + name, open(os.path.join(base, name), encoding="utf-8").read()


files = dict(sources())
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
            words = re.sub(r"\$<[^:>]*:([^>]*)>", r" \1 ", call).replace(";", " ").split()[1:]
            for library in (w for w in words if w not in KEYWORDS):
                kind, target = link_kind(library, declared)
                if not allowed(links, folder, target, kind):
                    faults.append(f"{path} links {library}: {kind if kind != 'project' else target}")
        continue
    for form, target in re.findall(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', text, re.M):
        kind, project = include_kind(path, form, target)
        if not allowed(includes, folder, project, kind):
            faults.append(f"{path} includes {target}: {kind if kind != 'project' else project}")
    for line in re.findall(r"^\s*#\s*include\s*[^<\"\s].*$", text, re.M):
        faults.append(f"{path} includes through a macro: {line.strip()}")

for fault in faults:
    print(f"{fault}: the table in docs/ARCHITECTURE.md does not allow it")
print(f"{len(files)} files of {len(includes)} folders checked")
sys.exit(1 if faults else 0)
