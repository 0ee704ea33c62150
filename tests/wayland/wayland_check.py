#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the game natively on weston, in a private desktop, and reads the client's own protocol log: it must
create a toplevel titled "Tilewarden", named after its desktop entry, and attach and commit a buffer of the window's size, with
or without the decorations Qt draws itself, and write nothing else to its error output.
Exits 77 (skipped) when weston, Xvfb or Qt's Wayland platform is not installed.

usage: wayland_check.py PROGRAM APP_ID
"""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop import SKIP, Desktop, Missing, wait_for  # noqa: E402


ARGUMENTS = re.compile(r'((, )?(-?[\d.]+|nil|"[^"]*"|array\[\d+\]|fd \d+))*(, )?\)?')


def first_frame(log):
    """The toplevel, its fixed size, its window geometry and its first committed buffer."""
    found = {}
    surfaces = {}  # xdg_surface id -> wl_surface id
    buffers = {}  # wl_buffer id -> (width, height)
    attached = {}  # wl_surface id -> wl_buffer id
    for line in log.splitlines():
        if m := re.search(r"get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)", line):
            surfaces[m[1]] = m[2]
        elif m := re.search(r"xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line):
            found.setdefault("toplevel", m[2])
            found.setdefault("surface", surfaces.get(m[1]))
        elif m := re.search(r"xdg_toplevel@(\d+)\.set_title\(\"(.*)\"\)", line):
            if m[1] == found.get("toplevel"):
                found["title"] = m[2]
        elif m := re.search(r"xdg_toplevel@(\d+)\.set_app_id\(\"(.*)\"\)", line):
            if m[1] == found.get("toplevel"):
                found["app_id"] = m[2]
        elif m := re.search(r"xdg_toplevel@(\d+)\.set_(min|max)_size\((\d+), (\d+)\)", line):
            if m[1] == found.get("toplevel"):
                found[m[2]] = (int(m[3]), int(m[4]))
        elif m := re.search(r"set_window_geometry\(-?\d+, -?\d+, (\d+), (\d+)\)", line):
            found.setdefault("geometry", (int(m[1]), int(m[2])))
        elif m := re.search(r"create_buffer\(new id wl_buffer@(\d+), \d+, (\d+), (\d+),", line):
            buffers[m[1]] = (int(m[2]), int(m[3]))
        elif m := re.search(r"-> wl_surface@(\d+)\.attach\(wl_buffer@(\d+),", line):
            attached[m[1]] = m[2]
        elif m := re.search(r"-> wl_surface@(\d+)\.commit\(\)", line):
            if m[1] == found.get("surface") and m[1] in attached:
                found.setdefault("buffer", buffers.get(attached[m[1]]))
    return found


def run_game(program, env, decorated):
    env = dict(env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
    if not decorated:
        env["QT_WAYLAND_DISABLE_WINDOWDECORATION"] = "1"
    with tempfile.TemporaryFile(mode="w+") as err:
        game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=err)

        def drawn():
            err.seek(0)
            return "buffer" in first_frame(err.read()) or game.poll() is not None

        wait_for(drawn, 15)
        status = game.poll()
        game.terminate()
        game.wait()
        err.seek(0)
        return status, err.read()


def check(program, app_id, env, decorated):
    what = "with Qt's decorations" if decorated else "without decorations"
    status, log = run_game(program, env, decorated)
    if "Could not find the Qt platform plugin \"wayland\"" in log:
        print("SKIP: Qt's Wayland platform (qt6-wayland) is not installed")
        sys.exit(SKIP)
    problems = []
    if status is not None:
        problems.append(f"the game ended by itself with status {status}")
    # Every protocol line starts with a time stamp in brackets. The protocol log is written in
    # pieces (the head, each argument, the closing bracket), so a line of another thread can split
    # one: a piece names an object (name@id) or is made of arguments alone.
    others = [line for line in log.splitlines() if line and not line.startswith("[") and "@" not in line
              and not ARGUMENTS.fullmatch(line)]
    problems += [f"error output: {line}" for line in others[:10]]
    frame = first_frame(log)
    if frame.get("title") != "Tilewarden":
        problems.append(f"toplevel title {frame.get('title')!r}, not 'Tilewarden'")
    if frame.get("app_id") != app_id:
        problems.append(f"toplevel app id {frame.get('app_id')!r}, not the desktop entry's {app_id!r}")
    size = frame.get("min")
    if size is None or size != frame.get("max"):
        problems.append(f"no fixed size: minimum {size}, maximum {frame.get('max')}")
    elif size[0] != 152:
        problems.append(f"window {size}, not the Beginner width of 152")
    geometry, buffer = frame.get("geometry"), frame.get("buffer")
    if buffer is None or buffer != geometry:
        problems.append(f"committed buffer {buffer} is not the window geometry {geometry}")
    if size and geometry:
        fits = geometry == size if not decorated else (geometry[0] >= size[0] and geometry[1] >= size[1])
        if not fits:
            problems.append(f"window geometry {geometry} does not hold the window {size}")
    for p in problems:
        print(f"FAIL ({what}): {p}")
    if not problems:
        print(f"ok ({what}): toplevel 'Tilewarden', window {size}, buffer {buffer} committed")
    return not problems


def main():
    program, app_id = sys.argv[1:3]
    with Desktop() as desktop:
        try:
            desktop.x()
            desktop.weston(1024, 768)
        except Missing as missing:
            print("SKIP:", missing)
            return SKIP
        results = [check(program, app_id, desktop.env, decorated) for decorated in (True, False)]
        return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
