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
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from desktop import SKIP, Desktop, Missing, wait_for  # noqa: E402

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


def main():
    program, runs = sys.argv[1], int(sys.argv[2])
    if display is None:
        print("SKIP: python3-xlib is missing (scripts/setup installs it)", file=sys.stderr)
        return SKIP
    with Desktop() as desktop:
        try:
            desktop.x("1280x1024")
            desktop.window_manager("openbox")
        except Missing as missing:
            print("SKIP:", missing, file=sys.stderr)
            return SKIP
        screen = display.Display(desktop.env["DISPLAY"])
        root = screen.screen().root
        desktop.start(program, env=dict(desktop.env, QT_QPA_PLATFORM="xcb"))
        clients = lambda: getattr(root.get_full_property(screen.intern_atom("_NET_CLIENT_LIST"),
                                                         X.AnyPropertyType), "value", None)
        if not wait_for(clients, 10):
            raise SystemExit("no game window after 10 s")
        screen.create_resource_object("window", clients()[0]).change_attributes(event_mask=X.StructureNotifyMask)
        screen.damage_query_version()
        root.damage_create(damage.DamageReportRawRectangles)
        for level, keys in (("Beginner", ()), ("Expert", ("Control_L", "e"))):
            if keys:
                press(screen, *keys)
            figures, configures = new_games(screen, runs)
            print(json.dumps({"level": level, "newgame_ms": figures, "median_ms": statistics.median(figures),
                              "configure_events": configures}))
    return 0


if __name__ == "__main__":
    sys.exit(main())
