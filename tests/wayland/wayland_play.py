#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game natively on weston with real input: weston runs with its X11 backend on a
private Xvfb, xdotool types and clicks into weston's window and ImageMagick's import reads the
screen back. The client's own protocol log must show one main xdg_toplevel for the whole run,
through five new games (F2, the face, Ctrl+E, Ctrl+B, OK in Custom Field), and the Custom Field
dialog, the help window and the congratulation box, won on a custom row of eight cells with one
mine, as toplevels whose parent is the main one. Then the replays of what only a compositor
shows: the game's maximise button, which must not end the game; H let go inside Custom Field,
which must end the crosshair; and the game minimised while Custom Field waits, which Escape must
give back with the keys.
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
    """Every xdg_toplevel in the order made, as {surface, xdg (its wl_surface and xdg_surface), title,
    parent (the parent's entry), destroyed, keys (whether it has the keyboard)}."""
    made, live = [], {}  # live: object id -> entry; the client reuses the ids of destroyed objects
    surfaces, drawn_on = {}, {}  # xdg_surface id -> wl_surface id; wl_surface id -> entry
    for line in log.splitlines():
        if m := re.search(r"get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)", line):
            surfaces[m[1]] = m[2]
        elif m := re.search(r"xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line):
            live[m[2]] = drawn_on[surfaces[m[1]]] = {"surface": surfaces[m[1]], "xdg": m[1], "title": None,
                                                     "parent": None, "destroyed": False, "keys": False}
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


BACKGROUND = b"\x00\x22\x44"  # the desktop, as weston.ini colours it


def main_window(log):
    """The main window as it is now: the last toplevel made that has no parent and is not destroyed."""
    mains = [t for t in toplevels(log) if t["parent"] is None and not t["destroyed"]]
    return mains[-1] if mains else None


def title_buttons(rows, inside):
    """The middles of the minimise and maximise buttons Qt draws on the title bar of the window
    around the point `inside`, from the window's top and right edges against the desktop."""
    x, top = inside
    while top > 0 and rows[top - 1][x * 3:x * 3 + 3] != BACKGROUND:
        top -= 1
    bar = top + 15
    right = x
    while right < WIDTH and rows[bar][right * 3:right * 3 + 3] != BACKGROUND:
        right += 1
    return (right - 63, bar), (right - 40, bar)


def hotspots(log):
    """The hot spots of the pointer's pictures the game has set, in order."""
    return [m.groups() for m in re.finditer(r"-> wl_pointer@\d+\.set_cursor\(\d+, wl_surface@\d+, (\d+), (\d+)\)", log)]


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
        if not now:
            self.problems.append(f"before {what}: no covered cell on the screen")
            return
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


def crosshair_after_h_let_go_in_the_dialog(play):
    """H held over a mine, Ctrl+C, H let go inside Custom Field, Escape: the crosshair must end. The
    mine is certain on a custom row of eight cells with seven, won by its first click."""
    custom = play.opened("Custom Field", ["key", "ctrl+c"])
    if custom is None:
        return
    play.close("Custom Field", custom, ["key", "alt+w", "8", "alt+h", "1", "alt+m", "7", "Return"])
    play.game("OK in Custom Field", 8, custom + 1)
    row = covered(screen())
    box = play.win()
    if box is None:
        return
    play.close("the congratulation box", box, ["key", "Return"])
    before = len(play.log())
    subprocess.run(["xdotool", "mousemove", *map(str, row[1])], check=True)
    if not wait_for(lambda: hotspots(play.log(before)), 5):
        play.problems.append("the pointer over the game shows no picture of the game's")
        return
    arrow = hotspots(play.log())[-1]
    subprocess.run(["xdotool", "keydown", "h"], check=True)
    if not wait_for(lambda: hotspots(play.log())[-1] != arrow, 5):
        play.problems.append("H shows no crosshair over the mine under the pointer")
    dialog = play.opened("Custom Field over the held H", ["key", "ctrl+c"])
    if dialog is not None:
        subprocess.run(["xdotool", "keyup", "h"], check=True)
        play.close("Custom Field over the held H", dialog, ["key", "Escape"])
        # The pointer comes back to rest on the mine, and the game sets the picture it shows there.
        before = len(play.log())
        subprocess.run(["xdotool", "mousemove", "0", "0", "sleep", "0.2", "mousemove", *map(str, row[1])], check=True)
        if not wait_for(lambda: hotspots(play.log(before)), 5) or hotspots(play.log(before))[-1] != arrow:
            play.problems.append("the crosshair stays after H was let go inside Custom Field")
    subprocess.run(["xdotool", "keyup", "h"], check=True)


def maximise_button(play, game):
    """A click on the maximise button of a game whose clock runs: the game must live on at its size."""
    play.new_game("Ctrl+B", ["key", "ctrl+b"], 64)
    play.click(covered(screen())[27])
    main = main_window(play.log())
    sizes = re.compile(rf"-> xdg_surface@{main['xdg']}\.set_window_geometry\(\d+, \d+, (\d+, \d+)\)")
    size = sizes.findall(play.log())[-1]
    before = len(play.log())
    play.click(title_buttons(screen(), face(screen()))[1])
    ended = lambda: game.poll() is not None or "error(" in play.log(before)
    if not wait_for(lambda: "unset_maximized" in play.log(before) and sizes.findall(play.log())[-1] == size
                    or ended(), 5) or ended():
        error = re.search(r"error\(.*", play.log(before))
        play.problems.append(f"the maximise button ended the game: {error[0]}" if error else
                             "the maximise button left the game larger than its size")


def minimised_game_back_after_cancel(play):
    """Custom Field waiting, the game's minimise button, Escape: the game must come back with the
    keys. Custom Field opens where weston puts it; it is opened again until it leaves the button free."""
    minimise = title_buttons(screen(), face(screen()))[0]
    entered = re.compile(r"wl_pointer@\d+\.enter\(\d+, wl_surface@(\d+),")
    for _ in range(5):
        dialog = play.opened("Custom Field over the game", ["key", "ctrl+c"])
        if dialog is None:
            return
        before = len(play.log())
        subprocess.run(["xdotool", "mousemove", *map(str, minimise)], check=True)
        if wait_for(lambda: entered.search(play.log(before)), 5) and \
                entered.search(play.log(before))[1] == main_window(play.log())["surface"]:
            break
        play.close("Custom Field over the game's title bar", dialog, ["key", "Escape"])
    else:
        play.problems.append("Custom Field covered the game's minimise button five times")
        return
    before = len(play.log())
    play.do("click", "1")
    if not wait_for(lambda: "set_minimized" in play.log(before) and face(screen()) is None, 5):
        play.problems.append("the game's minimise button did not minimise it")
        return
    before = len(play.log())
    play.do("key", "Escape")
    back = re.compile(r"wl_keyboard@\d+\.enter\(\d+, wl_surface@(\d+),")
    if not wait_for(lambda: any(m[1] == main_window(play.log())["surface"] for m in back.finditer(play.log(before)))
                    and face(screen()) is not None, 5):
        play.problems.append("Escape in Custom Field did not give back the minimised game with the keys")


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
        # Last: the client can bring a minimised window back only as a new toplevel.
        for route in (lambda: maximise_button(play, game), lambda: crosshair_after_h_let_go_in_the_dialog(play),
                      lambda: minimised_game_back_after_cancel(play)):
            if game.poll() is None:
                route()
        for p in play.problems:
            print("FAIL:", p)
        if not play.problems:
            print(f"ok: one main toplevel through five new games; {len(made) - 1} dialogs belong to it; the row won; "
                  "the crosshair ended, the maximise button and a minimised game's return did no harm")
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
