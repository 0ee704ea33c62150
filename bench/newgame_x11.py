#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A new game on a real X server, timed from outside. The game runs under openbox on a private
Xvfb; F2 goes in through the server's test extension, and the X DAMAGE extension on the root
window reports every change of the screen. A run's figure is the time from the key press to the
last change before the screen has been quiet for a while. The game's window must not change its
size or place at a new game of the same size, not even for a moment: every run also counts the
ConfigureNotify events the server sends about that window, which must be none. Runs at Beginner,
then at Expert (Ctrl+E first), and prints one JSON line per level with every run, their median and
the configure events of each run.

usage: newgame_x11.py PROGRAM RUNS
Exits 77 when Xvfb, openbox or python3-xlib is missing.
"""
import json
import os
import select
import shutil
import statistics
import subprocess
import sys
import time

try:
    from Xlib import X, XK, display
    from Xlib.ext import damage, xtest
except ImportError:
    display = None

QUIET = 0.3  # seconds without a change that end a run


def changes_until_quiet(screen):
    """Reads the screen's damage until it has been quiet for QUIET seconds: the time of the last
    change, or None, and how many configure events the game's window had meanwhile."""
    since, last, configures = time.monotonic(), None, 0
    while True:
        while screen.pending_events():
            event = screen.next_event()
            if event.type == screen.extension_event.DamageNotify:
                last = time.monotonic()
            elif event.type == X.ConfigureNotify:
                configures += 1
        wait = (last or since) + QUIET - time.monotonic()
        if wait <= 0 or not select.select([screen], [], [], wait)[0]:
            if not screen.pending_events():
                return last, configures


def press(screen, *names):
    """Presses the keys in order and lets them go in reverse, like a chord."""
    codes = [screen.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
    for code in codes:
        xtest.fake_input(screen, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(screen, X.KeyRelease, code)
    screen.flush()


def new_games(screen, runs):
    figures, configures = [], []
    changes_until_quiet(screen)
    for _ in range(runs):
        start = time.monotonic()
        press(screen, "F2")
        end, configured = changes_until_quiet(screen)
        if end is None:
            raise SystemExit("F2 changed nothing on the screen")
        figures.append((end - start) * 1000)
        configures.append(configured)
    return figures, configures


def wait_until(what, predicate):
    deadline = time.monotonic() + 10
    while not predicate():
        if time.monotonic() > deadline:
            raise SystemExit(f"no {what} after 10 s")
        time.sleep(0.02)


def main():
    program, runs = sys.argv[1], int(sys.argv[2])
    if display is None or not shutil.which("Xvfb") or not shutil.which("openbox"):
        print("SKIP: Xvfb, openbox or python3-xlib is missing (scripts/setup installs them)", file=sys.stderr)
        return 77
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                            pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as displayfd:
        os.environ["DISPLAY"] = ":" + displayfd.readline().strip()
    started = [xvfb]
    try:
        screen = display.Display()
        root = screen.screen().root
        started.append(subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
        wait_until("window manager", lambda: root.get_full_property(
            screen.intern_atom("_NET_SUPPORTING_WM_CHECK"), X.AnyPropertyType) is not None)
        # The X keyboard library reads the server's key names without their ends, which the
        # sanitizer's strict string check takes for an overflow.
        asan = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "strict_string_checks=0"]))
        started.append(subprocess.Popen([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb", ASAN_OPTIONS=asan),
                                        stderr=subprocess.DEVNULL))
        clients = lambda: getattr(root.get_full_property(screen.intern_atom("_NET_CLIENT_LIST"),
                                                         X.AnyPropertyType), "value", None)
        wait_until("game window", clients)
        screen.create_resource_object("window", clients()[0]).change_attributes(event_mask=X.StructureNotifyMask)
        screen.damage_query_version()
        root.damage_create(damage.DamageReportRawRectangles)
        for level, keys in (("Beginner", ()), ("Expert", ("Control_L", "e"))):
            if keys:
                press(screen, *keys)
            figures, configures = new_games(screen, runs)
            print(json.dumps({"level": level, "newgame_ms": figures, "median_ms": statistics.median(figures),
                              "configure_events": configures}))
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait()


if __name__ == "__main__":
    sys.exit(main())
