#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Beginner games of Tilewarden by keys alone under the Orca screen reader, deciding every
move only from what Orca said (read from its debug log), until one is won; checks what is said
after each kind of move, that How to Play is read when it opens and that every way to a new game
leaves Orca on the field.

usage: play_by_speech.py PROGRAM   (on a private desktop of its own, tests/desktop.py; exits 77
where a tool is missing)
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop import SKIP, Desktop, started  # noqa: E402

ACROSS, DOWN, MINES = 8, 8, 10
EXPERT = (30, 16, 99)
STATES = {"covered", "flag", "question mark", "empty", "mine", "exploded mine", "wrong flag"}


def cell_said(text):
    found = re.fullmatch(r"row (\d+), column (\d+): (.+?)\.?", text)
    return (int(found.group(1)), int(found.group(2)), found.group(3)) if found else None


def neighbours(r, c):
    return [(r + dr, c + dc) for dr in (-1, 0, 1) for dc in (-1, 0, 1)
            if (dr or dc) and 1 <= r + dr <= DOWN and 1 <= c + dc <= ACROSS]


class Player(Desktop):
    """A blind player on a private desktop with openbox, the accessibility bus, Orca and the game:
    knows the field only from what Orca said, read from its debug log as it comes."""

    def up(self, program):
        self.env.update(LANG="C.UTF-8", LC_ALL="C.UTF-8", NO_AT_BRIDGE="0", GTK_MODULES="gail:atk-bridge",
                        QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        log = os.path.join(self.dir, "orca-debug.out")
        started(self.x, self.bus, self.a11y, lambda: self.window_manager("openbox"), lambda: self.orca(log))
        self.path, self.offset, self.heard, self.presses = log, 0, [], 0
        self.start(program, log="game")

    def key(self, name, delay=12):
        # A lone modifier is held as long as a hand holds it, not xdotool's few microseconds.
        keys = ["keydown", name, "sleep", "0.1", "keyup", name] if name == "alt" else ["key", "--delay", str(delay), name]
        subprocess.run(["xdotool", *keys], env=self.env, check=True)

    def click_face(self):
        """A click on the face, centred in the window 28 pixels into the 55-pixel panel that stands
        above the field's 16-pixel rows and the 12-pixel edge below them."""
        def xdotool(*args):
            return subprocess.run(["xdotool", *args], env=self.env, check=True, text=True,
                                  stdout=subprocess.PIPE).stdout.split()
        window = xdotool("search", "--onlyvisible", "--name", "^Tilewarden$")[0]
        size = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window))
        xdotool("mousemove", "--window", window, str(int(size["WIDTH"]) // 2),
                str(int(size["HEIGHT"]) - (DOWN * 16 + 12 + 55 - 28)), "click", "1")


    def poll(self):
        if not os.path.exists(self.path):
            return
        with open(self.path, "rb") as f:
            f.seek(self.offset)
            data = f.read()
        end = data.rfind(b"\n") + 1
        self.offset += end
        for line in data[:end].decode(errors="replace").splitlines():
            found = re.search(r"SPEECH OUTPUT: '(.*?)' ?(\{|voice=|$)", line)
            if found:
                self.heard.append(found.group(1).strip())

    def wait(self, done, what, timeout=8.0, quiet=0.25):
        """Everything said from now until done(utterance) held for one and `quiet` seconds passed."""
        start, end, seen = len(self.heard), time.monotonic() + timeout, None
        while True:
            self.poll()
            if seen is None:
                seen = next((i for i in range(start, len(self.heard)) if done(self.heard[i])), None)
                if seen is not None:
                    last, settle = len(self.heard), time.monotonic() + quiet
            elif len(self.heard) != last:
                last, settle = len(self.heard), time.monotonic() + quiet
            elif time.monotonic() > settle:
                return self.heard[start:]
            if time.monotonic() > end:
                raise AssertionError("timed out waiting for %s; heard %r" % (what, self.heard[start:]))
            time.sleep(0.02)

    def press(self, key, done, what):
        self.presses += 1
        self.key(key)
        return self.wait(done, what)

    def new_game(self, route, size=(ACROSS, DOWN, MINES), note=""):
        """A new game by a key, the face or the Custom Field dialog, told with its game type (and
        the `note` of Marks turned off); the next arrow key speaks a cell."""
        self.presses = 0
        if route == "face":
            self.click_face()
        elif route == "Custom Field":
            self.press("ctrl+c", lambda t: t == "OK push button.", "the Custom Field dialog")
            # A box is read with its value, not only its label.
            self.press("Tab", lambda t: t == "%d selected." % size[0], "the width box's value")
        if route != "face":
            self.key("Return" if route == "Custom Field" else route)
        heard = self.wait(lambda t: t.startswith("new game"), "the new game after " + route)
        news = [t for t in heard if t.startswith("new game")]
        assert news[-1].rstrip(".") == "new game, %d columns, %d rows, mines left: %d, Normal" % size + note, heard
        self.reset()
        self.on_field("the new game (%s)" % route)

    def on_field(self, after):
        """The next arrow key speaks a cell: Orca is on the field."""
        r, c = self.at
        self.at = want = (r, c + 1 if c < ACROSS else c - 1)
        self.learn(self.press("Right" if want[1] > c else "Left", lambda t: (cell_said(t) or (0, 0))[:2] == want,
                              "a cell after " + after))

    def told(self, steps):
        """Each key and what Orca is told of it besides the focus cell."""
        for key, said in steps:
            self.press(key, lambda t: t.rstrip(".") == said, "%r after %s" % (said, key))

    def read_help(self, close):
        """How to Play is read as it opens; closing it puts Orca back on the focus cell."""
        # At a hand's pace: typed within a few milliseconds, the Alt release that Qt holds back for
        # Orca's answer reaches the menu bar as a lone Alt, which closes the menu again.
        self.key("alt+h", delay=150)
        self.wait(lambda t: t.startswith("How to Play"), "the Help menu")
        heard = self.press("h", lambda t: t == "OK push button.", "the help window")
        assert any("How To Play 1. Normal - Mines are scattered throughout the board." in t for t in heard), heard
        heard = self.press(close, lambda t: (cell_said(t) or (0, 0))[:2] == self.at, "the field after " + close)
        assert not any(t.startswith("new game") for t in heard), "no news told again: %r" % heard
        self.on_field("closing the help with " + close)

    def reset(self):
        self.at = (1, 1)
        self.known = {(r, c): "covered" for r in range(1, DOWN + 1) for c in range(1, ACROSS + 1)}

    def learn(self, heard):
        for text in heard:
            found = cell_said(text)
            if found and found[2] in STATES | {str(n) for n in range(1, 9)}:
                self.known[found[:2]] = found[2]
            row = re.fullmatch(r"row (\d+): (.*?)\.?", text)
            if row:
                for c, state in enumerate(row.group(2).split(", "), 1):
                    self.known[(int(row.group(1)), c)] = state

    def move_to(self, target):
        """Column first, then row: Home, End, Page Up and Page Down to a far edge, else an arrow."""
        while self.at != target:
            axis = 1 if target[1] != self.at[1] else 0
            here, there, last = self.at[axis], target[axis], (DOWN, ACROSS)[axis]
            keys = (("Prior", "Next", "Up", "Down"), ("Home", "End", "Left", "Right"))[axis]
            key, step = ((keys[0], 1) if there == 1 and here > 2 else (keys[1], last) if there == last and here < last - 1
                         else (keys[2], here - 1) if there < here else (keys[3], here + 1))
            self.at = (step, self.at[1]) if axis == 0 else (self.at[0], step)
            want = self.at
            self.learn(self.press(key, lambda t: (cell_said(t) or (0, 0))[:2] == want, "the cell at %s" % (want,)))

    def read_field(self):
        for r in range(1, DOWN + 1):
            self.move_to((r, self.at[1]))
            self.learn(self.press("r", lambda t: t.startswith("row %d:" % r), "row %d read" % r))

    def open(self, cell):
        """Space on the cell; returns 'won', 'lost' or 'on'."""
        self.move_to(cell)
        heard = self.press("space", lambda t: (cell_said(t) or (0, 0))[:2] == cell or "solved" in t, "the opening")
        if any("solved this level" in t for t in heard):
            self.press("Return", lambda t: "game won" in t, "the win")
            return "won"
        self.learn(heard)
        if any(t.startswith("game lost") for t in heard):
            assert any(cell_said(t) and cell_said(t)[2] == "exploded mine" for t in heard), heard
            self.told([("space", "game lost"), ("f", "game lost")])
            return "lost"
        opened = [int(m.group(1)) for t in heard if (m := re.fullmatch(r"(\d+) cells opened\.?", t))]
        assert all(n > 1 for n in opened), "one cell told as a cascade: %r" % heard
        if opened:
            self.read_field()
        return "on"

    def check_flag_and_counters(self):
        """F twice and S on the focus cell, a covered one: flag, no mark, the counters."""
        r, c = self.at
        heard = self.press("f", lambda t: t.startswith("mines left"), "the flag")
        assert "row %d, column %d: flag." % (r, c) in heard and "mines left: %d." % (MINES - 1) in heard, heard
        heard = self.press("f", lambda t: t.startswith("mines left"), "the flag taken away")
        assert "row %d, column %d: covered." % (r, c) in heard and "mines left: %d." % MINES in heard, heard
        heard = self.press("s", lambda t: t.startswith("mines left"), "the counters")
        assert any(re.fullmatch(r"mines left: %d, seconds: \d+, Normal\.?" % MINES, t) for t in heard), heard
        around = neighbours(r, c)
        if all(cell in self.known for cell in around):
            covered = sum(self.known[cell] == "covered" for cell in around)
            self.told([("n", "counts %d cells: %d covered, 0 flagged, %d open" % (len(around), covered,
                                                                                   len(around) - covered))])

    def guess(self):
        covered = [cell for cell, state in self.known.items() if state == "covered"]
        # Corners and edges first, nearest to the focus.
        return min(covered, key=lambda x: (len(neighbours(*x)), abs(x[0] - self.at[0]) + abs(x[1] - self.at[1])))

    def lose(self):
        """Opens a cell known to be a mine (a number's, where it counts every covered cell around it),
        or else the last covered cell, until the game is lost."""
        while True:
            around = {cell: [n for n in neighbours(*cell) if self.known[n] == "covered"] for cell in self.known}
            mines = sorted(n for cell, state in self.known.items() if state.isdigit() and int(state) == len(around[cell])
                           for n in around[cell])
            outcome = self.open(mines[0] if mines else max(c for c, state in self.known.items() if state == "covered"))
            if outcome != "on":
                return outcome

    def hint(self):
        """D: the game's certainly safe cell nearest the focus, which now holds the focus, or None."""
        hinted = lambda t: t.startswith("no certain move") or " is safe: " in t  # noqa: E731
        said = next(t for t in self.press("d", hinted, "the hint") if hinted(t))
        found = re.match(r"row (\d+), column (\d+) is safe: ", said)
        if found:
            self.at = (int(found.group(1)), int(found.group(2)))
        return self.at if found else None

    def play(self):
        checked = False
        while True:
            outcome = self.open(self.hint() or self.guess())
            if outcome != "on":
                return outcome
            # Once, on a covered cell beside an open one, so N counts both kinds.
            edge = [cell for cell, state in self.known.items() if state == "covered" and
                    any(self.known.get(n, "covered") != "covered" for n in neighbours(*cell))]
            if edge and not checked:
                checked = True
                self.move_to(edge[0])
                self.check_flag_and_counters()


def main():
    # Orca will not start while another Orca of the same user runs, on any display.
    if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode == 0:
        print("skipped: another Orca runs for this user")
        return SKIP
    with Player() as player:
        player.up(sys.argv[1])
        heard = player.wait(lambda t: t.startswith("new game"), "the field to take the focus", 20)
        assert any("Space opens" in t for t in heard), "the keys are told at the first focus: %r" % heard
        player.reset()
        player.read_help("Return")
        player.read_help("Escape")
        field = "row %d, column %d: covered" % player.at
        player.told([("Prior", "edge"), ("ctrl+m", "marks on"), ("ctrl+m", "marks off"), ("ctrl+m", "marks on"),
                     ("F10", "New Game"), ("Escape", "Game"), ("Escape", field), ("alt", "New Game"), ("Escape", "Game"),
                     ("Escape", field)])
        around = sorted(neighbours(*player.at))
        player.told([("n", "counts %d cells: %d covered, 0 flagged, 0 open" % (len(around), len(around))),
                     ("n", "; ".join("row %d, column %d: covered" % cell for cell in around)),
                     ("n", "counts %d cells: %d covered, 0 flagged, 0 open" % (len(around), len(around)))])
        player.new_game("F2", note=", marks off")
        for route in ("F2", "face", "ctrl+e", "ctrl+b", "Custom Field"):
            player.new_game(route, EXPERT if route == "ctrl+e" else (ACROSS, DOWN, MINES))
        for _ in range(12):
            won, presses = player.play() == "won", player.presses
            player.new_game("F2")
            if won:
                break
        assert won, "too many games lost"
        assert presses <= 150, "a won game took %d key presses" % presses
        assert player.lose() == "lost"
        return 0


if __name__ == "__main__":
    sys.exit(main())
