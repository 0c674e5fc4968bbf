#!/usr/bin/python3
"""Plays one game of the running program the way a screen reader user's helper would: reads the
question from the accessibility tree, answers with real mouse clicks (xdotool), answers wrong
once to bring up the correct-answer pop-up, and plays on until someone wins.

Prints the accessibility events the game's windows and the draw button send, and writes a
"###" line for every move into SPOKEN (the file speech-dispatcher writes Orca's speech into),
so that what Orca said can be read in order with the moves.

Usage: screenreader_check.py SPOKEN   (run by tools/screenreader-check.sh)
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

spoken_file = sys.argv[1]
started = time.monotonic()


def note(text):
    line = "%6.2f %s" % (time.monotonic() - started, text)
    print(line, flush=True)
    with open(spoken_file, "a", encoding="utf-8") as spoken:
        spoken.write("### %s\n" % text)


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quintarlow!":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(role, name_starts=""):
    app = game()
    if app is None:
        return None
    for node in walk(app):
        if node.getRole() == role and node.name.startswith(name_starts) and showing(node):
            return node
    return None


def describe(node):
    try:
        return "%s %r" % (node.getRoleName(), node.name)
    except Exception:  # the object may be gone already
        return "(gone)"


def on_event(event):
    try:
        if event.host_application is None or event.host_application.name != "Quintarlow!":
            return
    except Exception:
        return
    role = event.source.getRole()
    if event.type.startswith("object:property-change:accessible-name") and role not in (
        pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
        return  # squares and captions change all the time; the screens are what matters here
    if event.type.startswith("object:state-changed:focused") and not event.detail1:
        return
    print("%6.2f EVENT %s %s %s" % (time.monotonic() - started, event.type, describe(event.source),
                                    event.any_data if isinstance(event.any_data, str) else ""),
          flush=True)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def click(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


def factor(which):
    label = find(pyatspi.ROLE_LABEL, which + " factor, ")
    text = label.name.rsplit(", ", 1)[1] if label else ""
    return int(text) if text.isdigit() else None


def square(product):
    for node in walk(game()):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(node) and (
                node.name == str(product) or node.name.startswith("%d, " % product)):
            return node
    return None


def moves():
    """Each step yields how many seconds to wait before the next."""
    while find(pyatspi.ROLE_TEXT, "Red player's name") is None:
        yield 1
    note("name entry is up: typing the names")
    for key, name in (("ctrl+a", "<i>Ann</i>"), ("Tab", None), ("ctrl+a", "<b>Ben</b>")):
        xdotool("key", key)
        if name:
            xdotool("type", "--delay", "50", name)
    yield 1
    xdotool("key", "Return")
    note("START PLAYING")
    yield 6
    wrong_once = True
    for turn in range(200):
        if find(pyatspi.ROLE_DIALOG, "WE HAVE A WINNER") is not None:
            break
        xdotool("key", "alt+g")
        yield 1
        first, second = factor("First"), factor("Second")
        if first is None or second is None:
            note("no question on the board")
            yield 1
            continue
        product = first * second
        if wrong_once and turn % 2 == 1:
            wrong_once = False
            wrong = square(1 if product != 1 else 2)
            note("asked %d x %d: answering %s (wrong)" % (first, second, wrong.name))
            click(wrong)
            yield 11
            note("the pop-up has gone")
            continue
        note("asked %d x %d: answering %d" % (first, second, product))
        click(square(product))
        yield 2
    yield 4
    note("winner screen: %s" % describe(find(pyatspi.ROLE_DIALOG, "")))
    GLib.idle_add(pyatspi.Registry.stop)


def step(steps):
    try:
        GLib.timeout_add(int(next(steps) * 1000), step, steps)
    except StopIteration:
        pass
    return False


for kind in ("window:activate", "object:state-changed:focused",
             "object:property-change:accessible-name",
             "object:property-change:accessible-description"):
    pyatspi.Registry.registerEventListener(on_event, kind)
GLib.timeout_add(1000, step, moves())
GLib.timeout_add(600 * 1000, pyatspi.Registry.stop)
pyatspi.Registry.start()
