#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Tilewarden through the accessibility bus alone: its tree, names and actions, as a screen
reader sees them.

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

program_process = None


def ask(call, default=None):
    """What the bus answers, or `default` where the node (or the field's last parts) went away meanwhile."""
    try:
        return call()
    except (GLib.GError, StopIteration):
        return default


def wait_for(probe, what, timeout=10.0):
    """Polls probe() until it returns something true; lets bus events in meanwhile."""
    end = time.monotonic() + timeout
    while True:
        assert program_process.poll() is None, "the program ended while waiting for " + what
        while GLib.MainContext.default().iteration(False):
            pass
        found = ask(probe)
        if found:
            return found
        assert time.monotonic() < end, "timed out waiting for " + what
        time.sleep(0.02)


def children(node):
    return [child for child in ask(lambda: [node.getChildAtIndex(i) for i in range(node.childCount)], [])
            if child is not None]


def showing(node):
    return node is not None and ask(lambda: node.getState().contains(pyatspi.STATE_SHOWING), False)


def find(root, role, name=None):
    """The first descendant with this role (and name), not looking inside the field."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is not root and ask(node.getRole) == role and (name is None or node.name == name):
            return node
        if node.name != "field":
            stack.extend(reversed(children(node)))
    return None


def act(node, *names):
    """Performs the first of the node's actions whose name is one of these."""
    action = node.queryAction()
    known = [action.getName(i).lower() for i in range(action.nActions)]
    name = next((n for n in names if n in known), None)
    assert name and action.doAction(known.index(name)), "%s offers no %s action, only %s" % (node.name, names, known)


class Game:
    def __init__(self, app):
        self.app = app

    def top(self, role, name=None):
        """The showing window of the program with this role (and name)."""
        return next((n for n in children(self.app) if role in (None, ask(n.getRole)) and name in (None, n.name)
                     and showing(n)), None)

    def message(self):
        return self.top(pyatspi.ROLE_ALERT) or self.top(pyatspi.ROLE_DIALOG)

    def fresh_table(self, size):
        """The field (a panel to screen readers, which read a table's whole row at every step to
        another row) once a new game has laid it out afresh, rows by columns."""

        def probe():
            # Each node is read once: the rebuild may take it away between two reads.
            table = find(self.top(pyatspi.ROLE_FRAME, "Tilewarden"), pyatspi.ROLE_PANEL, "field")
            grid = table.queryTable()
            corners = (self.shows(table, 0, 0), self.shows(table, size[0] - 1, size[1] - 1))
            return table if ((grid.nRows, grid.nColumns) == size and self.counter(table, "seconds: ") == "0" and
                             corners == ("covered", "covered") and self.face(table).description == "smiling") else None

        return wait_for(probe, "a new field")

    def cell(self, table, row, column):
        return table.queryTable().getAccessibleAt(row, column)

    def shows(self, table, row, column):
        """What the cell shows; its name must also say where it is."""
        name = self.cell(table, row, column).name
        where = "row %d, column %d: " % (row + 1, column + 1)
        assert name.startswith(where), "cell name %r starts with %r" % (name, where)
        return name[len(where):]

    def field(self, table):
        grid = table.queryTable()
        return [[self.shows(table, r, c) for c in range(grid.nColumns)] for r in range(grid.nRows)]

    def part(self, table, prefix):
        """The counter or face among the last three children, after the cells."""
        return next(n for n in children(table)[-3:] if n.name.startswith(prefix))

    def counter(self, table, prefix):
        return self.part(table, prefix).name[len(prefix):]

    def face(self, table):
        face = self.part(table, "new game")
        assert face.getRole() == pyatspi.ROLE_PUSH_BUTTON, "the face is a button"
        return face

    def menu(self, caption):
        act(find(self.top(pyatspi.ROLE_FRAME, "Tilewarden"), pyatspi.ROLE_MENU_ITEM, caption), "press", "click")

    def flag(self, table, row, column, shown):
        act(self.cell(table, row, column), "flag")
        wait_for(lambda: self.shows(table, row, column) == shown, shown)


def play(game):
    window = wait_for(lambda: game.top(pyatspi.ROLE_FRAME, "Tilewarden"), "the main window named after its caption")
    for caption, key in (("New Game", "F2"), ("Beginner", "Ctrl+B"), ("Custom...", "Ctrl+C")):
        item = find(window, pyatspi.ROLE_MENU_ITEM, caption)
        assert item.queryAction().getKeyBinding(0) == key, "the menu item %s tells its key %s" % (caption, key)
    table = game.fresh_table((8, 8))
    assert table.childCount == 64 + 3, "64 cells, two counters and the face"
    assert game.field(table) == [["covered"] * 8] * 8, "a new field is all covered"
    game.menu("Expert")
    game.fresh_table((16, 30))
    game.menu("Beginner")
    table = game.fresh_table((8, 8))

    act(game.cell(table, 0, 0), "press", "open")  # the first release of a game never meets a mine
    wait_for(lambda: game.shows(table, 0, 0) != "covered", "the first cell to open")
    opened = [text for row in game.field(table) for text in row if text != "covered"]
    assert all(text == "empty" or text.isdigit() for text in opened), "opened cells read as numbers: %s" % opened
    assert int(game.counter(table, "seconds: ")) >= 1, "opening a cell starts the clock"
    wait_for(lambda: any(name.startswith("row 1, column 1: ") for name in announced)
             and any(name.startswith("seconds: ") for name in announced), "the cell and the clock to announce")
    act(game.face(table), "press", "click")
    table = game.fresh_table((8, 8))
    assert game.field(table) == [["covered"] * 8] * 8, "the face starts a fresh field"

    game.menu("Custom...")
    dialog = wait_for(lambda: game.top(None, "Custom Field"), "the Custom Field dialog")
    # Like the mouse, an action cannot reach the main window while the dialog disables it; the
    # action runs from the game's event loop, before the calls that fill the boxes are answered.
    act(game.cell(table, 3, 3), "press", "open")
    for name, text in (("width", "8"), ("height", "1"), ("mines", "1")):
        box = find(dialog, pyatspi.ROLE_TEXT, name) or find(dialog, pyatspi.ROLE_ENTRY, name)
        assert box, "a text box named %s among %s" % (name, [n.name for n in children(dialog)])
        box.queryEditableText().setTextContents(text)
    assert game.shows(table, 3, 3) == "covered", "a disabled window ignores the actions"
    act(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"), "press", "click")
    table = game.fresh_table((1, 8))
    # The first flag lays the mine elsewhere: opening the row from its first cell and then from
    # its last one opens every cell but the mine.
    game.flag(table, 0, 0, "flag")
    game.flag(table, 0, 1, "flag")
    assert game.counter(table, "mines left: ") == "minus 1", "more flags than mines read as minus"
    game.flag(table, 0, 0, "covered")
    game.flag(table, 0, 1, "covered")
    for c in (0, 7):
        act(game.cell(table, 0, c), "press", "open")
        wait_for(lambda: game.shows(table, 0, c) != "covered", "the cell to open")
        # The winning release shows its message box before it lets any other call in.
        if game.message():
            break
    box = wait_for(game.message, "the winning message")
    assert any(n.getRole() == pyatspi.ROLE_LABEL and n.name for n in children(box)), "the winning message has a text"
    act(find(box, pyatspi.ROLE_PUSH_BUTTON, "OK"), "press", "click")
    wait_for(lambda: not showing(box), "the message box to close")
    assert game.face(table).description == "game won", "the winning face"


announced = []
if __name__ == "__main__":
    pyatspi.Registry.registerEventListener(lambda event: announced.append(event.source.name),
                                           "object:property-change:accessible-name")
    data = tempfile.mkdtemp(prefix="tilewarden-a11y-")
    program_process = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                                                 QT_ACCESSIBILITY="1", XDG_DATA_HOME=data))
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        name = os.path.basename(sys.argv[1])
        app = wait_for(lambda: next((a for a in children(desktop) if a and a.name == name), None),
                       "the program on the accessibility bus")
        app.setCacheMask(Atspi.Cache.NONE)
        play(Game(app))
    finally:
        program_process.kill()
        program_process.wait()
        shutil.rmtree(data, ignore_errors=True)
