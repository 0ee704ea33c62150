#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Tilewarden through the accessibility bus alone, as a screen reader user would.

usage: desktop.py --a11y none python3 play_by_bus.py PROGRAM   (tests/desktop.py: a private desktop
with the accessibility bus); exits 77 where pyatspi is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi
except (ImportError, ValueError):
    print("SKIP: pyatspi is missing (scripts/setup --tests installs python3-pyatspi and gir1.2-atspi-2.0)")
    sys.exit(77)

TIMEOUT = 10.0
checks = 0
program_process = None


def check(condition, what):
    global checks
    checks += 1
    if not condition:
        raise AssertionError(what)


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(probe, what, timeout=TIMEOUT):
    """Polls probe() until it returns something true; lets bus events in meanwhile."""
    end = time.monotonic() + timeout
    while True:
        if program_process and program_process.poll() is not None:
            raise AssertionError("the program ended (%d) while waiting for %s"
                                 % (program_process.returncode, what))
        pump()
        try:
            found = probe()
        except GLib.GError:
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


def children(node):
    """The node's children; a window going away meanwhile leaves no gap."""
    try:
        found = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except GLib.GError:
        return []
    return [child for child in found if child is not None]


def role(node):
    try:
        return node.getRole()
    except GLib.GError:
        return None


def showing(node):
    try:
        return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.GError:
        return False


def find(root, wanted, name=None):
    """The first showing descendant with this role (and name), not looking inside the field."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        if node is not root and role(node) == wanted and (name is None or node.name == name):
            return node
        if node.name != "field":
            stack.extend(reversed(children(node)))
    return None


def act(node, *names):
    """Performs the first of the node's actions whose name is one of these."""
    action = node.queryAction()
    known = [action.getName(i).lower() for i in range(action.nActions)]
    for name in names:
        if name in known:
            check(action.doAction(known.index(name)), "action %s on %s" % (name, node.name))
            return
    raise AssertionError("%s offers no %s action, only %s" % (node.name, names, known))


class Game:
    def __init__(self, app):
        self.app = app

    def window(self):
        for node in children(self.app):
            if role(node) == pyatspi.ROLE_FRAME and node.name == "Tilewarden" and showing(node):
                return node
        return None

    def dialog(self, wanted):
        for node in children(self.app):
            if role(node) == wanted and showing(node):
                return node
        return None

    def table(self):
        window = self.window()
        # A panel to screen readers, which read a table's whole row at every step to another row.
        return find(window, pyatspi.ROLE_PANEL, "field") if window else None

    def fresh_table(self, size=None):
        """The field once a new game has laid it out afresh (at `size`, rows by columns)."""

        def probe():
            # Each node is read once: the rebuild may take it away between two reads.
            table = self.table()
            seconds = self.part(table, "seconds: ") if table is not None else None
            if seconds is None or seconds.name != "seconds: 0":
                return None
            if size is not None and self.size(table) != size:
                return None
            corners = (self.shows(table, 0, 0), self.shows(table, *[n - 1 for n in self.size(table)]))
            face = self.part(table, "new game")
            return table if corners == ("covered", "covered") and face and face.description == "smiling" else None

        return wait_for(probe, "a new field")

    def size(self, table):
        grid = table.queryTable()
        return grid.nRows, grid.nColumns

    def cell(self, table, row, column):
        return table.queryTable().getAccessibleAt(row, column)

    def shows(self, table, row, column):
        """What the cell shows; its name must also say where it is."""
        name = self.cell(table, row, column).name
        where = "row %d, column %d: " % (row + 1, column + 1)
        check(name.startswith(where), "cell name %r starts with %r" % (name, where))
        return name[len(where):]

    def field(self, table):
        rows, columns = self.size(table)
        return [[self.shows(table, r, c) for c in range(columns)] for r in range(rows)]

    def part(self, table, prefix):
        """The counter or face among the last three children, after the cells."""
        try:
            count = table.childCount
            parts = [table.getChildAtIndex(i) for i in range(count - 3, count)]
        except GLib.GError:
            return None
        return next((node for node in parts if node and node.name.startswith(prefix)), None)

    def counter(self, table, prefix):
        return self.part(table, prefix).name[len(prefix):]

    def face(self, table):
        face = self.part(table, "new game")
        check(face is not None and face.getRole() == pyatspi.ROLE_PUSH_BUTTON, "the face is a button")
        return face

    def menu(self, caption):
        item = find(self.window(), pyatspi.ROLE_MENU_ITEM, caption)
        check(item is not None, "menu item " + caption)
        act(item, "press", "click", "trigger")

    def close_message(self):
        """Reads the message box that is up and closes it with its OK button, as a player would."""
        box = wait_for(lambda: self.dialog(pyatspi.ROLE_ALERT) or self.dialog(pyatspi.ROLE_DIALOG),
                       "a message box")
        texts = [n.name for n in children(box) if n.getRole() == pyatspi.ROLE_LABEL]
        ok = find(box, pyatspi.ROLE_PUSH_BUTTON, "OK")
        check(ok is not None, "the message box has an OK button")
        act(ok, "press", "click")
        wait_for(lambda: not showing(box) or self.dialog(box.getRole()) is None, "the message box to close")
        return " ".join(texts)


def neighbours(rows, columns, r, c):
    return [(r + dr, c + dc) for dr in (-1, 0, 1) for dc in (-1, 0, 1)
            if (dr or dc) and 0 <= r + dr < rows and 0 <= c + dc < columns]


def next_move(grid, mines_left):
    """A safe move read from the numbers, or else a guess: ("Flag" or "Press", row, column)."""
    rows, columns = len(grid), len(grid[0])
    covered = [(r, c) for r in range(rows) for c in range(columns) if grid[r][c] == "covered"]
    for r in range(rows):
        for c in range(columns):
            if not grid[r][c].isdigit():
                continue
            around = neighbours(rows, columns, r, c)
            hidden = [p for p in around if grid[p[0]][p[1]] == "covered"]
            flags = sum(1 for p in around if grid[p[0]][p[1]] == "flag")
            if hidden and int(grid[r][c]) - flags == len(hidden):
                return ("Flag",) + hidden[0]
            if hidden and int(grid[r][c]) == flags:
                return ("Press",) + hidden[0]
    # A corner first: on a one-row field the numbers then always tell the rest.
    if mines_left == "0" or len(covered) == rows * columns:
        return ("Press",) + covered[0]
    return ("Press",) + covered[len(covered) // 2]


def play(game, table):
    """Plays the field to its end by its actions alone; returns "won" or "lost"."""
    while True:
        kind, r, c = next_move(game.field(table), game.counter(table, "mines left: "))
        act(game.cell(table, r, c), kind.lower(), "open")
        if kind == "Flag":
            wait_for(lambda: game.shows(table, r, c) == "flag", "a flag")
            continue
        shown = wait_for(lambda: game.shows(table, r, c) != "covered" and game.shows(table, r, c),
                         "the cell to open")
        if shown == "exploded mine":
            return "lost"
        # The winning release shows its message box before it lets any other call in.
        if game.dialog(pyatspi.ROLE_ALERT) or game.dialog(pyatspi.ROLE_DIALOG):
            return "won"


def main(program):
    started = time.monotonic()
    announced = []
    pyatspi.Registry.registerEventListener(lambda event: announced.append(event.source.name),
                                           "object:property-change:accessible-name")
    data = tempfile.mkdtemp(prefix="tilewarden-a11y-")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1", XDG_DATA_HOME=data)
    global program_process
    process = program_process = subprocess.Popen([program], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        name = os.path.basename(program)
        app = wait_for(lambda: next((a for a in children(desktop) if a and a.name == name), None),
                       "the program on the accessibility bus")
        app.setCacheMask(Atspi.Cache.NONE)
        game = Game(app)
        window = wait_for(game.window, "the main window")
        check(window.name == "Tilewarden", "the window is named after its caption")
        for caption, key in (("New Game", "F2"), ("Beginner", "Ctrl+B"), ("Custom...", "Ctrl+C")):
            item = find(window, pyatspi.ROLE_MENU_ITEM, caption)
            check(item.queryAction().getKeyBinding(0) == key, "the menu item %s tells its key %s" % (caption, key))

        table = game.fresh_table((8, 8))
        check(table.childCount == 64 + 3, "64 cells, two counters and the face")
        check(game.field(table) == [["covered"] * 8] * 8, "a new field is all covered")
        check(game.counter(table, "mines left: ") == "10", "ten mines left")
        check(game.counter(table, "seconds: ") == "0", "no seconds yet")

        game.menu("Expert")
        table = game.fresh_table((16, 30))
        check(game.counter(table, "mines left: ") == "99", "99 mines left")
        game.menu("Beginner")
        table = game.fresh_table((8, 8))

        # The first release of a game never meets a mine, whatever the button.
        act(game.cell(table, 0, 0), "flag")
        wait_for(lambda: game.shows(table, 0, 0) == "flag", "a flag on the first cell")
        check(game.counter(table, "mines left: ") == "9", "a flag takes one from the mines left")
        check(game.counter(table, "seconds: ") == "0", "a flag does not start the clock")
        act(game.cell(table, 0, 0), "flag")
        wait_for(lambda: game.shows(table, 0, 0) == "covered", "the flag taken off")
        check(game.counter(table, "mines left: ") == "10", "taking the flag off gives the mine back")

        act(game.cell(table, 0, 0), "press", "open")
        wait_for(lambda: game.shows(table, 0, 0) != "covered", "the first cell to open")
        grid = game.field(table)
        opened = [text for row in grid for text in row if text != "covered"]
        check(all(text == "empty" or text.isdigit() for text in opened), "opened cells read as numbers")
        check(int(game.counter(table, "seconds: ")) >= 1, "opening a cell starts the clock")
        wait_for(lambda: any(name.startswith("row 1, column 1: ") for name in announced)
                 and any(name.startswith("seconds: ") for name in announced),
                 "the cell and the clock to announce")

        act(game.face(table), "press", "click")
        table = game.fresh_table()
        check(game.field(table) == [["covered"] * 8] * 8, "the face starts a fresh field")
        check(game.counter(table, "seconds: ") == "0", "the clock is back at 0")

        result = play(game, table)
        face = game.face(table).description
        if result == "won":
            check(game.close_message() != "", "the winning message has a text")
            check(face == "game won", "the face says the game is won")
        else:
            check(face == "game lost", "the face says the game is lost, not %r" % face)
            check(any("mine" in text for row in game.field(table) for text in row), "the mines show")

        # A one-row field with one mine is always won from its numbers and the mines counter.
        act(game.face(table), "press", "click")
        table = game.fresh_table()
        game.menu("Custom...")
        dialog = wait_for(lambda: next((d for d in children(app) if d.name == "Custom Field" and showing(d)),
                                       None), "the Custom Field dialog")
        # Like the mouse, an action cannot reach the main window while the dialog disables it.
        act(game.cell(table, 3, 3), "press", "open")
        time.sleep(0.3)
        check(game.shows(table, 3, 3) == "covered", "a disabled window ignores the actions")
        for name, text in (("width", "8"), ("height", "1"), ("mines", "1")):
            box = find(dialog, pyatspi.ROLE_TEXT, name) or find(dialog, pyatspi.ROLE_ENTRY, name)
            check(box is not None, "a text box named %s among %s" % (name, [n.name for n in children(dialog)]))
            box.queryEditableText().setTextContents(text)
        act(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"), "press", "click")
        table = game.fresh_table((1, 8))
        # The first flag lays the mine elsewhere, so the corner that play() opens first is safe.
        for c in (0, 1):
            act(game.cell(table, 0, c), "flag")
            wait_for(lambda: game.shows(table, 0, c) == "flag", "a flag")
        check(game.counter(table, "mines left: ") == "minus 1", "more flags than mines read as minus")
        for c in (0, 1):
            act(game.cell(table, 0, c), "flag")
            wait_for(lambda: game.shows(table, 0, c) == "covered", "the flag taken off")
        check(play(game, table) == "won", "the one-row field is won")
        message = game.close_message()
        check(message != "", "the winning message has a text")
        check(game.face(table).description == "game won", "the winning face")

        game.menu("How to Play")
        help_window = wait_for(lambda: next((w for w in children(app) if w.name == "Tilewarden Help"
                                             and showing(w)), None), "the help window")
        # A screen reader reads a dialog's text when it opens.
        check(help_window.getRole() == pyatspi.ROLE_DIALOG, "the help window is a dialog")
        check(find(help_window, pyatspi.ROLE_LABEL, "How To Play") is not None, "the help heading")
        act(find(help_window, pyatspi.ROLE_PUSH_BUTTON, "OK"), "press", "click")
        wait_for(lambda: not showing(help_window), "the help window to close")
    finally:
        process.kill()
        process.wait()
        shutil.rmtree(data, ignore_errors=True)
    print("accessibility: %d checks passed in %.1f s (Beginner game %s)"
          % (checks, time.monotonic() - started, result))


if __name__ == "__main__":
    main(sys.argv[1])
