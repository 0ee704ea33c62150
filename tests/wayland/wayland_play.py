#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game natively on weston with real input: weston runs with its X11 backend on a
private Xvfb, xdotool types and clicks into weston's window and ImageMagick's import reads the
screen back. The client's own protocol log must show one main xdg_toplevel for the whole run,
through five new games (F2, the face, Ctrl+E, Ctrl+B, OK in Custom Field), and the Custom Field
dialog, the help window and the congratulation box, won on a custom row of eight cells with one
mine, as toplevels whose parent is the main one.
Exits 77 (skipped) when a tool or Qt's Wayland platform is missing.

usage: wayland_play.py PROGRAM
"""
import os
import re
import subprocess
import sys
import tempfile

from wayland_check import first_frame
from desktop import SKIP, Desktop, Missing, need, wait_for

WIDTH, HEIGHT = 800, 600  # the Xvfb screen, all of it weston's output window
WHITE, GREY, DARK, BLACK = b"\xff\xff\xff", b"\xc0\xc0\xc0", b"\x80\x80\x80", b"\x00\x00\x00"
# Two rows of a covered cell: its top edge, then two rows down, its sides around the grey face.
COVERED_TOP = WHITE * 15 + BLACK
COVERED_SIDES = WHITE * 2 + GREY * 12 + DARK + BLACK


def toplevels(log):
    """Every xdg_toplevel in the order made, as {title, parent (the parent's entry), destroyed, keys
    (whether it has the keyboard)}."""
    made, live = [], {}  # live: object id -> entry; the client reuses the ids of destroyed objects
    surfaces, drawn_on = {}, {}  # xdg_surface id -> wl_surface id; wl_surface id -> entry
    for line in log.splitlines():
        if m := re.search(r"get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)", line):
            surfaces[m[1]] = m[2]
        elif m := re.search(r"xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line):
            live[m[2]] = drawn_on[surfaces[m[1]]] = {"title": None, "parent": None, "destroyed": False, "keys": False}
            made.append(live[m[2]])
        elif m := re.search(r"wl_keyboard@\d+\.(enter|leave)\(\d+, wl_surface@(\d+)", line):
            if m[2] in drawn_on:
                drawn_on[m[2]]["keys"] = m[1] == "enter"
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.set_parent\(xdg_toplevel@(\d+)\)", line):
            live[m[1]]["parent"] = live.get(m[2])
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.set_title\(\"(.*)\"\)", line):
            live[m[1]]["title"] = m[2]
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.destroy\(\)", line):
            live.pop(m[1])["destroyed"] = True
    return made


def screen():
    """The screen as rows of RGB bytes."""
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return [raw[y * WIDTH * 3:(y + 1) * WIDTH * 3] for y in range(HEIGHT)]


def covered(rows):
    """The middles of the covered cells on the screen, row by row, left to right."""
    found = []
    for y in range(2, HEIGHT):
        for m in re.finditer(re.escape(COVERED_SIDES), rows[y]):
            x = m.start()
            if x % 3 == 0 and rows[y - 2][x:x + len(COVERED_TOP)] == COVERED_TOP:
                found.append((x // 3 + 7, y + 5))
    return found


def face(rows):
    """The middle of the yellow of the face."""
    spots = [(m.start() // 3, y) for y, row in enumerate(rows) for m in re.finditer(b"\xff\xff\x00", row)
             if m.start() % 3 == 0]
    return (sum(x for x, _ in spots) // len(spots), sum(y for _, y in spots) // len(spots)) if spots else None


class Play:
    """The game's protocol log, real input through xdotool, and the problems found."""

    def __init__(self, err):
        self.err = err
        self.problems = []
        self.main = None  # the main window's wl_surface id

    def log(self, since=0):
        self.err.seek(0)
        return self.err.read()[since:]

    def do(self, *args):
        """Real input; the pointer then rests in the corner, off the field and out of the pictures."""
        subprocess.run(["xdotool", *args, "mousemove", "0", "0"], check=True)

    def click(self, at):
        self.do("mousemove", str(at[0]), str(at[1]), "click", "1")

    def game(self, what, cells, count):
        """The new game is on the screen, every cell covered, and there are `count` toplevels."""
        if not wait_for(lambda: len(covered(screen())) == cells, 5):
            self.problems.append(f"{what}: not {cells} covered cells on the screen")
        if len(toplevels(self.log())) != count:
            self.problems.append(f"{what}: the new game made a new toplevel")

    def new_game(self, what, keys, cells):
        """A new game by keys or a click, on a field with an opened cell, must cover every cell again
        in the same toplevel."""
        now = covered(screen())
        self.click(now[0])
        wait_for(lambda: len(covered(screen())) < len(now), 5)
        count = len(toplevels(self.log()))
        self.do(*keys)
        self.game(what, cells, count)

    def belongs(self, what, index):
        """The toplevel made `index`-th must have the main one as its parent."""
        made = toplevels(self.log())
        if made[index]["parent"] is not made[0]:
            self.problems.append(f"{what}: toplevel {made[index]['title']!r} does not have the main one as parent")
        return index

    def opened(self, what, keys):
        """Opens a dialog by keys; the index of its toplevel, or None."""
        count = len(toplevels(self.log()))
        self.do(*keys)
        if wait_for(lambda: len(toplevels(self.log())) > count, 5):
            return self.belongs(what, count)
        self.problems.append(f"{what}: no new toplevel")
        return None

    def close(self, what, index, keys):
        """Keys, typed once weston has given the dialog the keyboard, must close it and give the
        keyboard back to the main window."""
        if not wait_for(lambda: toplevels(self.log())[index]["keys"], 5):
            self.problems.append(f"{what}: weston did not give it the keyboard")
            return
        self.do(*keys)
        if not wait_for(lambda: toplevels(self.log())[index]["destroyed"], 5):
            self.problems.append(f"{what}: {keys} did not close it")
        elif not wait_for(lambda: toplevels(self.log())[0]["keys"], 5):
            self.problems.append(f"{what}: the main window did not get the keyboard back")

    def win(self):
        """Clicks the leftmost cell of the row, whose opening stops just left of the mine, then the
        first covered cell right of the mine, until the congratulation box comes: its index."""
        count = len(toplevels(self.log()))
        now = covered(screen())
        target = now[0]

        def boxed():
            return len(toplevels(self.log())) > count

        for _ in range(8):
            self.click(target)
            # The click has opened cells on the screen before the next target is read from it.
            wait_for(lambda: boxed() or len(covered(screen())) < len(now), 5)
            now = covered(screen())
            if boxed() or len(now) == 1 and wait_for(boxed, 5):
                return self.belongs("the congratulation box", count)
            if len(now) < 2:
                break
            target = now[1]
        self.problems.append("no congratulation box after opening every safe cell of the row")
        return None


def main():
    program = sys.argv[1]
    with Desktop() as desktop, tempfile.TemporaryFile(mode="w+") as err:
        try:
            desktop.x(f"{WIDTH}x{HEIGHT}")
            desktop.weston(WIDTH, HEIGHT)
            need("import")
        except Missing as missing:
            print("SKIP:", missing)
            return SKIP
        os.environ["DISPLAY"] = desktop.env["DISPLAY"]  # xdotool's and import's
        game_env = dict(desktop.env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
        del game_env["DISPLAY"]
        game = desktop.start(program, env=game_env, stderr=err)
        play = Play(err)
        if not wait_for(lambda: "buffer" in first_frame(play.log()) or game.poll() is not None, 15):
            if "Could not find the Qt platform plugin \"wayland\"" in play.log():
                print("SKIP: Qt's Wayland platform (qt6-wayland) is not installed")
                return SKIP
            print("FAIL: the game drew no frame:", play.log()[-500:])
            return 1
        play.main = first_frame(play.log())["surface"]
        play.do()
        play.game("the first game", 64, 1)
        if not play.problems and drag(play):
            steps(play)
        made = toplevels(play.log())
        mains = [t for t in made if t["parent"] is None]
        if len(mains) != 1 or made[0]["destroyed"]:
            play.problems.append(f"{len(mains)} toplevels without a parent, the first one "
                                 f"{'destroyed' if made[0]['destroyed'] else 'kept'}: not one main toplevel")
        for p in play.problems:
            print("FAIL:", p)
        if not play.problems:
            print(f"ok: one main toplevel through five new games; {len(made) - 1} dialogs belong to it; the row won")
        return 1 if play.problems else 0


def drag(play):
    """The player drags the window by its face, with Super held, up to the top left corner: weston
    places it at random and the field of Expert must fit on the screen. weston's X11 backend knows
    where the pointer is only once it has seen it move, so the drag waits until the pointer, moved
    onto the face, has entered the window."""
    before = len(play.log())
    subprocess.run(["xdotool", "mousemove", *map(str, face(screen()))], check=True)
    entered = re.compile(rf"wl_pointer@\d+\.enter\(\d+, wl_surface@{play.main},")
    if not wait_for(lambda: entered.search(play.log(before)), 5):
        play.problems.append("the pointer on the face did not enter the window")
        return False
    play.do("keydown", "super", "mousedown", "1", "mousemove", "100", "100", "mouseup", "1", "keyup", "super")
    if not wait_for(lambda: face(screen()) == (100, 100), 5):
        play.problems.append(f"the drag left the face at {face(screen())}, not at (100, 100)")
        return False
    return True


def steps(play):
    """The new games, the dialogs and the help menu, once the window is where the player put it."""
    play.new_game("F2", ["key", "F2"], 64)
    play.new_game("the face", ["mousemove", *map(str, face(screen())), "click", "1"], 64)
    play.new_game("Ctrl+E", ["key", "ctrl+e"], 30 * 16)
    play.new_game("Ctrl+B", ["key", "ctrl+b"], 64)
    custom = play.opened("Custom Field", ["key", "ctrl+c"])
    if custom is not None:
        # Width 8, height 1 and mines 1 through the boxes' access keys; OK is the fifth new game.
        play.close("Custom Field", custom, ["key", "alt+w", "8", "alt+h", "1", "alt+m", "1", "Return"])
        play.game("OK in Custom Field", 8, custom + 1)
        box = play.win()
        if box is not None:
            play.close("the congratulation box", box, ["key", "Return"])
    before = len(play.log())
    # Alt and H stay down until the menu is drawn: weston takes back the grab of a menu opened by
    # a key that has already gone up, and closes it at once. Return goes to the menu only once it
    # is on the screen (configured and drawn) and still open after the keys go up.
    play.do("keydown", "alt", "keydown", "h")
    drawn = re.compile(r"xdg_popup@\d+\.configure\(.*->\s*wl_surface@\d+\.attach\(", re.S)
    shown = wait_for(lambda: drawn.search(play.log(before)), 5)
    play.do("keyup", "h", "keyup", "alt")
    if not shown or "popup_done" in play.log(before):
        play.problems.append("Alt+H did not open the Help menu" + (", weston closed it" if shown else ""))
    else:
        help_window = play.opened("the help window", ["key", "Return"])
        if help_window is not None:
            play.close("the help window", help_window, ["key", "Escape"])


if __name__ == "__main__":
    sys.exit(main())
