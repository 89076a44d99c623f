#!/usr/bin/python3
"""A game by ear: plays against the program with keys only (xdotool) and
reads back only what the accessibility bus gives: the board's cells, the
cursor's moves, the messages spoken and the boxes that come up. Each step
waits for the events it causes, never for a time.

Usage: atspi_probe.py READY_FILE OUT_FILE
Creates READY_FILE once it listens, for the program to be started then;
writes every message heard to OUT_FILE, one a line.
Prints "ok: ..." per passed check and "FAIL: ..." per failed one; exits 1
on a failure."""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

APP = "torvo"
CAPTION = "NeuesSpiel - Torvo Halvorn Schach Programm"
SETTINGS = "Haupt Einstellungen"
LEVEL_1 = "Level 1 (Schäfer)"
LEGAL_MOVES = "Gültige Züge"
INVALID = "Ungültiger Zug !"
ASK_OTHER = "MöchtenSie einen anderen von der Liste wählen?"
HINT = "Schachbrett, Weiß am Zug. Taste H: Hilfe"
NOTATION = "Partienotation"
MOVE_ENTRY = "Zug"
TIMEOUT = 20

failures = 0
heard = []  # the messages spoken, in order
cursor = []  # the names of the cells the cursor went to
focus = []  # (role, name) of each object that took the focus
windows = []  # (role, name, object) of each window that came up
lines = []  # the line at the caret of each caret move, as a screen reader reads it


def ok(text):
    print("ok: " + text, flush=True)


def fail(text):
    global failures
    failures += 1
    print("FAIL: " + text, flush=True)


def safe(call, default=""):
    try:
        return call()
    except GLib.Error:
        return default


def role_of(obj):
    return safe(obj.get_role, Atspi.Role.INVALID)


def on_event(event):
    source = event.source
    kind = event.type
    if kind.startswith("object:active-descendant-changed"):
        cell = event.any_data
        if cell is not None:
            cursor.append(safe(cell.get_name))
    elif kind.startswith("object:state-changed:showing"):
        if event.detail1 == 1 and role_of(source) == Atspi.Role.NOTIFICATION:
            heard.append(safe(source.get_name))
    elif kind.startswith("object:announcement"):
        heard.append(str(event.any_data))
    elif kind.startswith("object:state-changed:focused"):
        if event.detail1 == 1:
            focus.append((role_of(source), safe(source.get_name)))
    elif kind.startswith("object:text-caret-moved"):
        line = safe(lambda: source.get_string_at_offset(event.detail1, Atspi.TextGranularity.LINE), None)
        lines.append(line.content if line is not None else "")
    elif kind.startswith("window:activate"):
        windows.append((role_of(source), safe(source.get_name), source))


def wait(condition, what):
    """Runs the event loop until condition() holds; False after TIMEOUT."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + TIMEOUT
    while not condition():
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
            return False
        # Wakes the loop now and then, so that the deadline is looked at.
        GLib.timeout_add(100, lambda: False)
        context.iteration(True)
    return True


def wait_value(get, what):
    """Runs the event loop until get() gives something; None after TIMEOUT."""
    seen = [None]

    def got():
        seen[0] = get()
        return seen[0] is not None

    wait(got, what)
    return seen[0]


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *names], check=True)


def find_app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and safe(app.get_name) == APP:
            return app
    return None


def find(root, role, depth=0):
    if role_of(root) == role:
        return root
    if depth > 12:
        return None
    for i in range(safe(root.get_child_count, 0)):
        child = safe(lambda: root.get_child_at_index(i), None)
        found = child is not None and find(child, role, depth + 1)
        if found:
            return found
    return None


def texts(root, depth=0):
    """The texts a screen reader reads out of a window as it opens: its
    labels that label no control, in order."""
    found = []
    if role_of(root) == Atspi.Role.LABEL and not safe(root.get_relation_set, []):
        found.append(safe(root.get_name))
    if depth < 12:
        for i in range(safe(root.get_child_count, 0)):
            child = safe(lambda: root.get_child_at_index(i), None)
            if child is not None:
                found += texts(child, depth + 1)
    return found


def all_of(root, role, depth=0):
    found = [root] if role_of(root) == role else []
    if depth < 12:
        for i in range(safe(root.get_child_count, 0)):
            child = safe(lambda: root.get_child_at_index(i), None)
            if child is not None:
                found += all_of(child, role, depth + 1)
    return found


def heard_since(count, prefix):
    return [text for text in heard[count:] if text.startswith(prefix)]


def cell(table, square):
    """The cell of a square such as e4, White at the bottom."""
    column = ord(square[0]) - ord("a")
    row = 8 - int(square[1])
    return table.get_child_at_index(row * 8 + column)


def main():
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:active-descendant-changed", "object:state-changed:showing", "object:announcement",
                 "object:state-changed:focused", "window:activate", "object:text-caret-moved"):
        listener.register(kind)
    open(sys.argv[1], "w").close()

    app = wait_value(find_app, "the program")
    table = app and wait_value(lambda: find(app, Atspi.Role.TABLE), "the board's table")
    if not table:
        return
    # The board has the keyboard as the window comes up.
    if wait(lambda: table.get_state_set().contains(Atspi.StateType.FOCUSED), "the board's focus"):
        ok("the board has the focus at the start: '%s'" % table.get_name())
    if wait(lambda: heard, "the board's first words") and heard[0] == HINT:
        ok("its first words: " + heard[0])
    else:
        fail("first words: %s" % heard[:1])
    names = [safe(table.get_child_at_index(i).get_name) for i in range(64)]
    roles = {role_of(table.get_child_at_index(i)) for i in range(64)}
    if roles == {Atspi.Role.TABLE_CELL} and names[0] == "a8, schwarzer Turm" and names[52] == "e2, weißer Bauer":
        ok("a table of 64 named cells: %s ... %s" % (names[0], names[63]))
    else:
        fail("the table's cells: %s" % names[:9])
    extents = cell(table, "e2").get_extents(Atspi.CoordType.SCREEN)
    board = table.get_extents(Atspi.CoordType.SCREEN)
    if extents.width > 0 and abs(extents.x - (board.x + 4 * board.width // 8)) <= 1:
        ok("e2's cell lies where its square is drawn: %d,%d %dx%d" % (extents.x, extents.y, extents.width,
                                                                          extents.height))
    else:
        fail("e2's extents %s in the board %s" % (extents, board))

    # The toolbar's picture buttons are read by their tooltips.
    bar = find(app, Atspi.Role.TOOL_BAR)
    tools = [safe(b.get_name) for b in all_of(bar, Atspi.Role.PUSH_BUTTON)] if bar else []
    if tools and all(tools):
        ok("the toolbar's %d buttons are named: %s" % (len(tools), " | ".join(tools)))
    else:
        fail("the toolbar's buttons are called %s" % tools)

    # Level 1 in the settings, by keys: the dialog's controls are named and
    # the focus moves onto the level buttons.
    mark = len(focus)
    keys("alt+e", "h")
    if wait(lambda: any(w[1] == SETTINGS for w in windows), "the settings dialog"):
        # A key at a time, each after the focus it moved: keys typed before
        # the dialog has its first focus are lost. Tab to the checked level,
        # then Up to Level 1.
        wait(lambda: len(focus) > mark, "the dialog's first focus")
        for key in ("Tab",) * 4 + ("Up",) * 4:
            if focus[-1][1] == LEVEL_1 or (key == "Tab" and focus[-1][1].startswith("Level ")):
                continue
            mark = len(focus)
            keys(key)
            wait(lambda: len(focus) > mark, "the focus to move on " + key)
        if focus[-1][1] == LEVEL_1:
            ok("the settings dialog's level buttons take the focus by name: " + LEVEL_1)
        else:
            fail("the focus went to %s, not %s" % (focus[-1][1], LEVEL_1))
        mark = len(focus)
        keys("Return")
        wait(lambda: any(f[0] == Atspi.Role.TABLE for f in focus[mark:]), "the board's focus after the dialog")

    # F3's list of legal moves takes the focus under the name of its group.
    keys("F3")
    if wait(lambda: focus and focus[-1][1] == LEGAL_MOVES, "the named list of legal moves"):
        ok("F3's list has the focus by name: " + LEGAL_MOVES)
    mark = len(focus)
    keys("Escape")
    wait(lambda: any(f[0] == Atspi.Role.TABLE and f[1] != LEGAL_MOVES for f in focus[mark:]),
         "the board's focus after F3")

    # The cursor: Up from e2 says e3.
    keys("Up")
    if wait(lambda: cursor and cursor[-1].startswith("e3"), "the cursor on e3"):
        ok("Up moves the cursor: '%s'" % cursor[-1])
    keys("Down")
    wait(lambda: cursor[-1].startswith("e2"), "the cursor back on e2")

    # 1.e4 by keys; the computer's reply is heard once.
    count = len(heard)
    keys("Return", "Up", "Up", "Return")
    if wait(lambda: heard_since(count, "Schwarz:"), "the computer's reply"):
        moves = heard_since(count, "Weiß:") + heard_since(count, "Schwarz:")
        if len(moves) == 2 and moves[0].startswith("Weiß: Bauer e2 nach e4"):
            ok("the move and the reply were spoken once each: %s | %s" % tuple(moves))
        else:
            fail("moves spoken: %s" % moves)
    name = safe(cell(table, "e4").get_name)
    if name == "e4, weißer Bauer" and safe(cell(table, "e2").get_name) == "e2, leer":
        ok("the cells after the move: '%s'" % name)
    else:
        fail("e4 is called '%s', e2 '%s'" % (name, safe(cell(table, "e2").get_name)))

    # An illegal target: the pawn on e4 to e6 is refused with a spoken box.
    mark = len(windows)
    keys("Return", "Up", "Up", "Return")
    if wait(lambda: len(windows) > mark and windows[-1][1] == INVALID, "the box of the illegal move"):
        box = windows[-1][2]
        said = [t for t in texts(box) if t]
        reason = [t for t in said if t.startswith("Ungültiger Zug: e4e6")]
        if role_of(box) in (Atspi.Role.DIALOG, Atspi.Role.ALERT) and reason and ASK_OTHER in said:
            ok("the illegal move is refused in a %s: %s" % (box.get_role_name(), " | ".join(said)))
        else:
            fail("the %s says %s" % (box.get_role_name(), said))
        mark = len(focus)
        keys("alt+n")
        wait(lambda: any(f[0] == Atspi.Role.TABLE for f in focus[mark:]), "the board's focus after the box")

    # 2.d4: the cursor from e6 to d2 by keys, and the second reply.
    count = len(heard)
    keys("Left", "Down", "Down", "Down", "Down")
    wait(lambda: cursor[-1].startswith("d2"), "the cursor on d2")
    keys("Return", "Up", "Up", "Return")
    if not wait(lambda: heard_since(count, "Schwarz:"), "the second reply"):
        return
    reply = heard_since(count, "Schwarz:")[0]
    ok("the second reply was spoken: " + reply)
    # Z reads the last move again.
    count = len(heard)
    keys("z")
    if wait(lambda: len(heard) > count, "Z's message"):
        if heard[-1].startswith(reply):
            ok("Z says the last move again: " + heard[-1])
        else:
            fail("Z said '%s', not '%s'" % (heard[-1], reply))
    # P reads the game's moves, numbered.
    count = len(heard)
    keys("p")
    if wait(lambda: len(heard) > count, "P's message"):
        if heard[-1].startswith("Zug 1, Weiß: Bauer e2 nach e4. Schwarz: ") and reply in heard[-1]:
            ok("P reads the game: " + heard[-1])
        else:
            fail("P said '%s'" % heard[-1])

    # F7 says which side is at the bottom now, both ways.
    for side in ("Schwarz", "Weiß"):
        count = len(heard)
        keys("F7")
        if wait(lambda: heard_since(count, "Brett gedreht"), "F7's message"):
            said = heard_since(count, "Brett gedreht")[0]
            if said == "Brett gedreht, %s unten" % side:
                ok("F7 is heard: " + said)
            else:
                fail("F7 said '%s'" % said)

    # Escape after a pick says the pick is dropped.
    count = len(heard)
    keys("Return")
    wait(lambda: heard_since(count, "d4, weißer Bauer, ausgewählt"), "the pick of d4")
    count = len(heard)
    keys("Escape")
    if wait(lambda: len(heard) > count, "Escape's message") and heard[-1] == "Auswahl aufgehoben":
        ok("Escape after a pick is heard: " + heard[-1])
    else:
        fail("Escape said %s" % heard[count:])

    # F2 closed by Enter plays nothing, and says so.
    mark = len(windows)
    keys("F2")
    if wait(lambda: len(windows) > mark and windows[-1][1] == MOVE_ENTRY, "the move-entry dialog"):
        count = len(heard)
        keys("Return")
        if wait(lambda: heard_since(count, "Kein Zug"), "the word that nothing was played"):
            ok("F2 closed by Enter is heard: " + heard_since(count, "Kein Zug")[0])

    # The notation: a read-only text under its own name, holding the lines
    # drawn; the reader hears it shown, then a line at each Down.
    count = len(heard)
    keys("alt+a", "g")
    if not wait(lambda: heard_since(count, "Notation angezeigt"), "the notation's first words"):
        return
    ok("the notation is heard as it appears: " + heard_since(count, "Notation angezeigt")[0])
    if wait(lambda: cursor and cursor[-1] == NOTATION, "the notation's focus"):
        ok("the notation's text has the focus: " + cursor[-1])
    notation = next((child for child in all_of(table, Atspi.Role.TEXT) if safe(child.get_name) == NOTATION), None)
    whole = safe(lambda: notation.get_text(0, -1)) if notation else ""
    states = notation.get_state_set() if notation else None
    if whole and "1.e4 " in whole and states.contains(Atspi.StateType.READ_ONLY):
        ok("the notation's read-only text holds 1.e4: %s" % whole.replace("\n", " | "))
    else:
        fail("the notation's text: '%s'" % whole)
    mark = len(lines)
    keys("Down")
    drawn = whole.split("\n")
    if wait(lambda: len(lines) > mark, "the caret on Down"):
        if len(drawn) > 1 and lines[-1].rstrip("\n") == drawn[1]:
            ok("Down reads the next line: " + lines[-1].rstrip("\n"))
        else:
            fail("Down read '%s'" % lines[-1])
    count = len(heard)
    keys("alt+a", "g")
    if wait(lambda: heard_since(count, "Brett angezeigt"), "the board's return"):
        ok("the board is heard again: " + heard_since(count, "Brett angezeigt")[0])


if __name__ == "__main__":
    main()
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.writelines(text + "\n" for text in heard)
    sys.exit(1 if failures else 0)
