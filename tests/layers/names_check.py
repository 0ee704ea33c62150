#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every name and path in backquotes in docs/ARCHITECTURE.md exists: a path as a file or folder of
the project (a bare file name anywhere in it), a name as a word of its tracked sources, each part
of a qualified name (A::B) on its own. Prints each that does not and exits 1.

usage: names_check.py SOURCE_DIR
"""
import os
import re
import subprocess
import sys

root = sys.argv[1]
note_path = os.path.join("docs", "ARCHITECTURE.md")
note = open(os.path.join(root, note_path), encoding="utf-8").read()
listed = subprocess.run(["git", "-C", root, "ls-files"], capture_output=True, text=True).stdout.splitlines()
# scripts/mutate's copy of the sources lies in no repository of its own and holds just the tracked files.
if not listed:
    listed = [os.path.relpath(os.path.join(base, name), root) for base, _, files in os.walk(root) for name in files]
tracked = [p for p in listed if p != note_path]
folders = {os.path.dirname(p) + "/" for p in tracked} | {p.rsplit("/", 2)[0] + "/" for p in tracked if p.count("/") > 1}
names = {os.path.basename(p) for p in tracked}
words, texts = set(), []
for path in tracked:
    try:
        text = open(os.path.join(root, path), encoding="utf-8").read()
    except (UnicodeDecodeError, FileNotFoundError, IsADirectoryError):
        continue
    texts.append(text)
    words.update(re.findall(r"[A-Za-z_][\w-]*", text))


def found(name):
    if re.fullmatch(r"[\w./-]+/", name):
        return name in folders
    if "/" in name or re.search(r"\.(h|cpp|py|tsv|md|txt)$", name):
        return name in tracked or name in names
    if re.fullmatch(r"[\w:]+(\(\))?", name):
        return all(part in words for part in name.removesuffix("()").split("::"))
    return any(name in text for text in texts)


missing = [name for name in dict.fromkeys(re.findall(r"`([^`\n]+)`", note)) if not found(name)]
for name in missing:
    print(f"docs/ARCHITECTURE.md names {name}, which the project does not have")
sys.exit(1 if missing else 0)
