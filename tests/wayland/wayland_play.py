#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game natively on weston (with its X11 backend on a private Xvfb), read from the client's own
protocol log, with real input (xdotool) and the screen read back (ImageMagick's import). frames: the
first frame, with Qt's decorations and without; play: one main toplevel through five new games, its
dialogs as its children, then the replays of what only a compositor shows.

usage: wayland_play.py PROGRAM APP_ID frames|play   (exits 77 where a tool or Qt's Wayland platform is missing)
"""
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop import SKIP, Desktop, need, started, wait_for  # noqa: E402

WIDTH, HEIGHT = 800, 600  # the Xvfb screen, all of it weston's output window
WHITE, GREY, DARK, BLACK = b"\xff\xff\xff", b"\xc0\xc0\xc0", b"\x80\x80\x80", b"\x00\x00\x00"
# Two rows of a covered cell: its top edge, then two rows down, its sides around the grey face.
COVERED_TOP = WHITE * 15 + BLACK
COVERED_SIDES = WHITE * 2 + GREY * 12 + DARK + BLACK
BACKGROUND = b"\x00\x22\x44"  # the desktop, as weston.ini colours it
# A piece of a protocol line: the log writes a line in pieces, which a line of another thread can split.
ARGUMENTS = re.compile(r'((, )?(-?[\d.]+|nil|"[^"]*"|array\[\d+\]|fd \d+))*(, )?\)?')


def toplevels(log):
    """Every xdg_toplevel in the order made: its surface and xdg (its wl_surface and xdg_surface),
    title, app_id, min and max size, parent (the parent's entry), first window geometry and committed
    buffer size, whether it is destroyed and whether it has the keys."""
    made, live = [], {}  # live: object id -> entry; the client reuses the ids of destroyed objects
    surfaces, on_surface, on_xdg = {}, {}, {}  # xdg_surface -> wl_surface; wl_surface or xdg_surface -> entry
    buffers, attached = {}, {}  # wl_buffer -> (width, height); wl_surface -> wl_buffer
    for line in log.splitlines():
        if m := re.search(r"get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)", line):
            surfaces[m[1]] = m[2]
        elif m := re.search(r"xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line):
            live[m[2]] = on_surface[surfaces[m[1]]] = on_xdg[m[1]] = {
                "surface": surfaces[m[1]], "xdg": m[1], "parent": None, "destroyed": False, "keys": False}
            made.append(live[m[2]])
        elif m := re.search(r"wl_keyboard@\d+\.(enter|leave)\(\d+, wl_surface@(\d+)", line):
            if m[2] in on_surface:
                on_surface[m[2]]["keys"] = m[1] == "enter"
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.set_parent\(xdg_toplevel@(\d+)\)", line):
            live[m[1]]["parent"] = live.get(m[2])
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.set_(title|app_id)\(\"(.*)\"\)", line):
            live[m[1]][m[2]] = m[3]
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.set_(min|max)_size\((\d+), (\d+)\)", line):
            live[m[1]][m[2]] = (int(m[3]), int(m[4]))
        elif m := re.search(r"-> xdg_toplevel@(\d+)\.destroy\(\)", line):
            live.pop(m[1])["destroyed"] = True
        elif m := re.search(r"-> xdg_surface@(\d+)\.set_window_geometry\(-?\d+, -?\d+, (\d+), (\d+)\)", line):
            on_xdg.get(m[1], {}).setdefault("geometry", (int(m[2]), int(m[3])))
        elif m := re.search(r"create_buffer\(new id wl_buffer@(\d+), \d+, (\d+), (\d+),", line):
            buffers[m[1]] = (int(m[2]), int(m[3]))
        elif m := re.search(r"-> wl_surface@(\d+)\.attach\(wl_buffer@(\d+),", line):
            attached[m[1]] = m[2]
        elif m := re.search(r"-> wl_surface@(\d+)\.commit\(\)", line):
            if m[1] in on_surface and m[1] in attached:
                on_surface[m[1]].setdefault("buffer", buffers.get(attached[m[1]]))
    return made


def drawn(log):
    """Whether the first toplevel has committed a buffer."""
    return "buffer" in (toplevels(log) or [{}])[0]


def without_wayland(log):
    if "Could not find the Qt platform plugin \"wayland\"" in log:
        print("SKIP: Qt's Wayland platform (qt6-wayland) is not installed")
        sys.exit(SKIP)


def read(file):
    """The log so far. The game's stderr shares the file's offset, so it is read without moving it:
    a seek back to the start let the game's next lines overwrite the oldest."""
    size = os.fstat(file.fileno()).st_size
    return os.pread(file.fileno(), size, 0).decode(errors="replace")


def first_frame(program, app_id, env, decorated):
    """The game's first frame, with Qt's decorations or without."""
    env = dict(env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
    if not decorated:
        env["QT_WAYLAND_DISABLE_WINDOWDECORATION"] = "1"
    with tempfile.TemporaryFile(mode="w+") as err:
        game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=err)
        wait_for(lambda: drawn(read(err)) or game.poll() is not None, 15)
        status = game.poll()
        game.terminate()
        game.wait()
        log = read(err)
    without_wayland(log)
    what = "with Qt's decorations: " if decorated else "without decorations: "
    assert status is None, what + f"the game ended by itself with status {status}"
    # Every protocol line starts with a time stamp in brackets; a piece of one names an object
    # (name@id) or is made of arguments alone.
    others = [line for line in log.splitlines() if line and not line.startswith("[") and "@" not in line
              and not ARGUMENTS.fullmatch(line)]
    assert not others, what + f"error output: {others[:10]}"
    frame = (toplevels(log) or [{}])[0]
    size, geometry, buffer = frame.get("min"), frame.get("geometry"), frame.get("buffer")
    assert (frame.get("title"), frame.get("app_id")) == ("Tilewarden", app_id), what + f"the toplevel's names: {frame}"
    assert size and size == frame.get("max") and size[0] == 152, what + f"not the fixed Beginner width: {frame}"
    assert buffer and buffer == geometry, what + f"the committed buffer is not the window geometry: {frame}"
    assert geometry == size if not decorated else geometry[0] >= size[0] and geometry[1] >= size[1], \
        what + f"the window geometry does not hold the window: {frame}"


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


def main_window(log):
    """The main window as it is now: the last toplevel made that has no parent and is not destroyed."""
    return [t for t in toplevels(log) if t["parent"] is None and not t["destroyed"]][-1]


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
    """The game's protocol log and real input through xdotool; a problem found ends the play."""

    def __init__(self, err, process):
        self.err, self.process = err, process
        self.main = None  # the main window's wl_surface id

    def log(self, since=0):
        return read(self.err)[since:]

    def do(self, *args):
        """Real input; the pointer then rests in the corner, off the field and out of the pictures."""
        subprocess.run(["xdotool", *args, "mousemove", "0", "0"], check=True)

    def move(self, at):
        subprocess.run(["xdotool", "mousemove", *map(str, at)], check=True)

    def click(self, at):
        self.do("mousemove", str(at[0]), str(at[1]), "click", "1")

    def entered(self, what, since):
        """Whether the pointer has entered the window with the wl_surface id `what` since then."""
        return wait_for(lambda: re.search(rf"wl_pointer@\d+\.enter\(\d+, wl_surface@{what()},", self.log(since)), 5)

    def game(self, what, cells, count):
        """The new game is on the screen, every cell covered, and there are `count` toplevels."""
        assert wait_for(lambda: len(covered(screen())) == cells, 5), f"{what}: not {cells} covered cells on the screen"
        assert len(toplevels(self.log())) == count, f"{what}: the new game made a new toplevel"

    def new_game(self, what, keys, cells):
        """A new game by keys or a click, on a field with an opened cell, must cover every cell again
        in the same toplevel."""
        now = covered(screen())
        assert now, f"before {what}: no covered cell on the screen"
        self.click(now[0])
        wait_for(lambda: len(covered(screen())) < len(now), 5)
        count = len(toplevels(self.log()))
        self.do(*keys)
        self.game(what, cells, count)

    def child(self, what, index):
        """The toplevel made `index`-th, with the main one as its parent, once the log has both (the
        client names the parent just after it makes the toplevel): its index."""
        def parented():
            made = toplevels(self.log())
            return len(made) > index and made[index]["parent"] is made[0]
        assert wait_for(parented, 5), f"{what}: no new toplevel with the main one as parent"
        return index

    def opened(self, what, keys):
        """Opens a dialog by keys: the index of its toplevel."""
        count = len(toplevels(self.log()))
        self.do(*keys)
        return self.child(what, count)

    def close(self, what, index, keys):
        """Keys, typed once weston has given the dialog the keyboard, must close it and give the
        keyboard back to the main window."""
        assert wait_for(lambda: toplevels(self.log())[index]["keys"], 5), f"{what}: weston did not give it the keyboard"
        self.do(*keys)
        assert wait_for(lambda: toplevels(self.log())[index]["destroyed"], 5), f"{what}: {keys} did not close it"
        assert wait_for(lambda: toplevels(self.log())[0]["keys"], 5), f"{what}: the main window did not get the keys back"

    def custom_row(self, mines):
        """OK in Custom Field for a row of eight cells, through the boxes' access keys: a new game."""
        custom = self.opened("Custom Field", ["key", "ctrl+c"])
        self.close("Custom Field", custom, ["key", "alt+w", "8", "alt+h", "1", "alt+m", str(mines), "Return"])
        self.game("OK in Custom Field", 8, custom + 1)

    def win(self):
        """Clicks the leftmost cell of the row, whose opening stops just left of the mine, then the
        first covered cell right of the mine until the congratulation box comes, and closes it."""
        count = len(toplevels(self.log()))
        boxed = lambda: len(toplevels(self.log())) > count  # noqa: E731
        for _ in range(8):
            now = covered(screen())
            if boxed() or len(now) < 2:
                break
            self.click(now[0] if len(now) == 8 else now[1])
            # The click has opened cells on the screen before the next target is read from it.
            wait_for(lambda: boxed() or len(covered(screen())) < len(now), 5)
        self.close("the congratulation box", self.child("the congratulation box", count), ["key", "Return"])


def drag(play):
    """The player drags the window by its face, with Super held, up to the top left corner: weston
    places it at random and the field of Expert must fit on the screen. weston's X11 backend knows
    where the pointer is only once it has seen it move, so the drag waits until the pointer, moved
    onto the face, has entered the window."""
    before = len(play.log())
    play.move(face(screen()))
    assert play.entered(lambda: play.main, before), "the pointer on the face did not enter the window"
    play.do("keydown", "super", "mousedown", "1", "mousemove", "100", "100", "mouseup", "1", "keyup", "super")
    assert wait_for(lambda: face(screen()) == (100, 100), 5), f"the drag left the face at {face(screen())}"


def steps(play):
    """The new games, the dialogs and the help menu, once the window is where the player put it."""
    play.new_game("F2", ["key", "F2"], 64)
    play.new_game("the face", ["mousemove", *map(str, face(screen())), "click", "1"], 64)
    play.new_game("Ctrl+E", ["key", "ctrl+e"], 30 * 16)
    play.new_game("Ctrl+B", ["key", "ctrl+b"], 64)
    play.custom_row(1)  # the fifth new game
    play.win()
    before = len(play.log())
    # Alt and H stay down until the menu is drawn: weston takes back the grab of a menu opened by
    # a key that has already gone up, and closes it at once. Return goes to the menu only once it
    # is on the screen (configured and drawn) and still open after the keys go up.
    play.do("keydown", "alt", "keydown", "h")
    drawn = re.compile(r"xdg_popup@\d+\.configure\(.*->\s*wl_surface@\d+\.attach\(", re.S)
    shown = wait_for(lambda: drawn.search(play.log(before)), 5)
    play.do("keyup", "h", "keyup", "alt")
    assert shown and "popup_done" not in play.log(before), "Alt+H did not open the Help menu, or weston closed it"
    play.close("the help window", play.opened("the help window", ["key", "Return"]), ["key", "Escape"])


def maximise_button(play):
    """A click on the maximise button of a game whose clock runs: the game must live on at its size."""
    play.new_game("Ctrl+B", ["key", "ctrl+b"], 64)
    play.click(covered(screen())[27])
    sizes = re.compile(rf"-> xdg_surface@{main_window(play.log())['xdg']}\.set_window_geometry\(\d+, \d+, (\d+, \d+)\)")
    size = sizes.findall(play.log())[-1]
    before = len(play.log())
    play.click(title_buttons(screen(), face(screen()))[1])
    ended = lambda: play.process.poll() is not None or "error(" in play.log(before)  # noqa: E731
    assert wait_for(lambda: "unset_maximized" in play.log(before) and sizes.findall(play.log())[-1] == size
                    or ended(), 5) and not ended(), \
        "the maximise button ended the game or left it larger: " + "".join(re.findall(r"error\(.*", play.log(before)))


def crosshair_after_h_let_go_in_the_dialog(play):
    """H held over a mine, Ctrl+C, H let go inside Custom Field, Escape: the crosshair must end. The
    mine is certain on a custom row of eight cells with seven, won by its first click."""
    play.custom_row(7)
    row = covered(screen())
    play.win()
    before = len(play.log())
    play.move(row[1])
    assert wait_for(lambda: hotspots(play.log(before)), 5), "the pointer over the game shows no picture of the game's"
    arrow = hotspots(play.log())[-1]
    subprocess.run(["xdotool", "keydown", "h"], check=True)
    assert wait_for(lambda: hotspots(play.log())[-1] != arrow, 5), "H shows no crosshair over the mine under the pointer"
    dialog = play.opened("Custom Field over the held H", ["key", "ctrl+c"])
    subprocess.run(["xdotool", "keyup", "h"], check=True)
    play.close("Custom Field over the held H", dialog, ["key", "Escape"])
    # The pointer comes back to rest on the mine, and the game sets the picture it shows there.
    before = len(play.log())
    subprocess.run(["xdotool", "mousemove", "0", "0", "sleep", "0.2", "mousemove", *map(str, row[1])], check=True)
    assert wait_for(lambda: hotspots(play.log(before)), 5) and hotspots(play.log(before))[-1] == arrow, \
        "the crosshair stays after H was let go inside Custom Field"


def minimised_game_back_after_cancel(play):
    """Custom Field waiting, the game's minimise button, Escape: the game must come back with the
    keys. Custom Field opens where weston puts it; it is opened again until it leaves the button free."""
    minimise = title_buttons(screen(), face(screen()))[0]
    for _ in range(5):
        dialog = play.opened("Custom Field over the game", ["key", "ctrl+c"])
        before = len(play.log())
        play.move(minimise)
        if play.entered(lambda: main_window(play.log())["surface"], before):
            break
        play.close("Custom Field over the game's title bar", dialog, ["key", "Escape"])
    else:
        raise AssertionError("Custom Field covered the game's minimise button five times")
    before = len(play.log())
    play.do("click", "1")
    assert wait_for(lambda: "set_minimized" in play.log(before) and face(screen()) is None, 5), \
        "the game's minimise button did not minimise it"
    before = len(play.log())
    play.do("key", "Escape")
    back = re.compile(r"wl_keyboard@\d+\.enter\(\d+, wl_surface@(\d+),")
    assert wait_for(lambda: any(m[1] == main_window(play.log())["surface"] for m in back.finditer(play.log(before)))
                    and face(screen()) is not None, 5), \
        "Escape in Custom Field did not give back the minimised game with the keys"


def main():
    program, app_id, mode = sys.argv[1:4]
    with Desktop() as desktop, tempfile.TemporaryFile(mode="w+") as err:
        started(lambda: desktop.x(f"{WIDTH}x{HEIGHT}"), lambda: desktop.weston(WIDTH, HEIGHT), lambda: need("import"))
        if mode == "frames":
            first_frame(program, app_id, desktop.env, True)
            first_frame(program, app_id, desktop.env, False)
            return 0
        os.environ["DISPLAY"] = desktop.env["DISPLAY"]  # xdotool's and import's
        game_env = dict(desktop.env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
        del game_env["DISPLAY"]
        game = desktop.start(program, env=game_env, stderr=err)
        play = Play(err, game)
        wait_for(lambda: drawn(play.log()) or game.poll() is not None, 15)
        without_wayland(play.log())
        assert drawn(play.log()), "the game drew no frame: " + play.log()[-500:]
        play.main = toplevels(play.log())[0]["surface"]
        play.do()
        play.game("the first game", 64, 1)
        drag(play)
        steps(play)
        made = toplevels(play.log())
        assert len([t for t in made if t["parent"] is None]) == 1 and not made[0]["destroyed"], "not one main toplevel"
        # Last: the client can bring a minimised window back only as a new toplevel.
        for route in (maximise_button, crosshair_after_h_let_go_in_the_dialog, minimised_game_back_after_cancel):
            assert game.poll() is None, "the game ended"
            route(play)
        return 0


if __name__ == "__main__":
    sys.exit(main())
