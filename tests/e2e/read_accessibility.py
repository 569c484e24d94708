#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads the game's accessibility tree over AT-SPI, as a screen reader does,
and checks it.

  read_accessibility.py start       the window as it first shows
  read_accessibility.py choose      D, G and P chosen through tiles' actions
  read_accessibility.py continue    the game's end, left through Continue's action
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def application(timeout=15.0):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "zindle":
                return app
        time.sleep(0.1)
    sys.exit("FAIL: no application named Zindle on the accessibility bus")


def nodes(accessible):
    yield accessible
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def describe(node):
    states = node.getState()
    return {
        "name": node.name,
        "role": node.getRoleName(),
        "description": node.description,
        "enabled": states.contains(pyatspi.STATE_ENABLED),
        "showing": states.contains(pyatspi.STATE_SHOWING),
    }


def tree():
    return [describe(n) for n in nodes(application())]


def check(condition, message):
    if not condition:
        sys.exit("FAIL: " + message)


def check_start(timeout=15.0):
    end = time.time() + timeout
    items = tree()
    while not any(i["role"] == "frame" for i in items) and time.time() < end:
        time.sleep(0.1)
        items = tree()
    names = [i["name"] for i in items]
    frames = [i for i in items if i["role"] == "frame"]
    check(any(f["name"] == "Zindle" for f in frames), "no frame named Zindle: %r" % frames)
    for text in ("S", "T", "I", " 1", " 5", " 0", " :",
                 "Hit these letters as many time as you can in 15 seconds :",
                 "Game starts, when you hit the yellow letter first time!"):
        check(text in names, "no label reads %r" % text)
    for colour in ("yellow", "orange", "cyan"):
        tiles = [i for i in items if i["description"] == "Letter for the %s slot" % colour]
        check(len(tiles) == 26, "%d tiles in the %s row" % (len(tiles), colour))
    nameless = [i for i in items[1:] if not i["name"] and i["role"] != "frame"]
    check(not nameless, "objects that say nothing: %r" % nameless[:5])
    print("ok: %d accessible objects; frame, labels, 78 tiles "
          "and key boxes, none nameless" % len(items))


def tile_event(event):
    """(row colour, letter, detail) of a tile's event, or None."""
    source = event.source
    if source is None or not source.description.startswith("Letter for the "):
        return None
    return (source.description.split()[3], source.name, event.detail1)


def check_showing(act, shown, what):
    """Does act() and checks that each of the 78 tiles announces, once, that
    it is shown (or hidden)."""
    heard = []
    pyatspi.Registry.registerEventListener(lambda e: heard.append(tile_event(e)),
                                           "object:state-changed:showing")
    act()
    wait_for(lambda: len([h for h in heard if h]) >= 78, "%d tiles announced %s" % (len(heard), what))
    tiles = [h for h in heard if h]
    check(len(set(tiles)) == 78 and all(h[2] == int(shown) for h in tiles),
          "the tiles announced %s: %r" % (what, tiles))


def shown_score():
    """The score as the window shows it: the one wide label of digits."""
    for node in nodes(application()):
        if node.getRoleName() == "label" and node.name.strip().isdigit() and \
                node.queryComponent().getExtents(pyatspi.WINDOW_COORDS).width > 60:
            return int(node.name)
    sys.exit("FAIL: no label shows the score")


def find(role, name=None, description=None):
    for node in nodes(application()):
        if node.getRoleName() in role and (name is None or node.name == name) and \
                (description is None or node.description == description):
            return node
    return None


BUTTON = ("push button", "button")   # the role's name differs between AT-SPI versions


def tile(colour, letter):
    node = find(BUTTON, letter, "Letter for the %s slot" % colour)
    check(node is not None, "no tile %s in the %s row" % (letter, colour))
    return node


def big_letters():
    """The captions of the three big letters, left to right."""
    labels = [n for n in nodes(application()) if n.getRoleName() == "label" and
              len(n.name) == 1 and n.name.isalpha()]
    labels.sort(key=lambda n: n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)
    return "".join(n.name for n in labels)


def wait_for(condition, what, timeout=5.0):
    end = time.time() + timeout
    while time.time() < end:
        pump()
        if condition():
            return
        time.sleep(0.05)
    sys.exit("FAIL: " + what)


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def focused():
    for node in nodes(application()):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def keyboard_holder():
    """What the holder of the keyboard tells: its name."""
    node = focused()
    return node.name if node is not None else None


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    check("press" in names, "%s %r offers no press action: %r" % (node.getRoleName(), node.name, names))
    action.doAction(names.index("press"))


def tile_states():
    return {(i["description"].split()[3], i["name"]): i["enabled"] for i in tree()
            if i["description"].startswith("Letter for the ")}


def check_choose():
    """Chooses D, G and P through the tiles' press actions alone; a choice
    announces exactly the tiles whose blocked state it changed."""
    heard = []   # in order: the big letters' changes of name and the tiles' changes
    pyatspi.Registry.registerEventListener(lambda e: heard.append(tile_event(e)), "object:state-changed:enabled")
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append("name") if e.source.getRoleName() == "label"
        and not e.source.getState().contains(pyatspi.STATE_FOCUSABLE) else None,
        "object:property-change:accessible-name")
    check(big_letters() == "STI", "the big letters read %r at the start" % big_letters())
    holder = keyboard_holder()
    check(holder == "S, T, I,", "the keyboard's holder tells %r" % (holder,))
    # F is free in the orange row while S is the yellow letter; D's keys
    # block it. A, next to S alone, comes free.
    check(enabled(tile("orange", "F")) and not enabled(tile("orange", "A")), "orange F and A at the start")
    before = tile_states()
    for colour, letter, letters in (("yellow", "D", "DTI"), ("orange", "G", "DGI"), ("cyan", "P", "DGP")):
        press(tile(colour, letter))
        wait_for(lambda: big_letters() == letters,
                 "after pressing %s in the %s row the big letters read %r" % (letter, colour, big_letters()))
        if letter == "D":
            after = tile_states()
    check(not enabled(tile("orange", "F")) and enabled(tile("orange", "A")), "orange F and A after D")
    # The events of choosing D: from its letter's change of name to G's.
    wait_for(lambda: heard.count("name") >= 2, "no change of name heard for the big letters: %r" % heard)
    first = heard.index("name")
    of_d = sorted(h for h in heard[first + 1:heard.index("name", first + 1)] if isinstance(h, tuple))
    changed = sorted((c, l, int(after[(c, l)])) for (c, l) in after if after[(c, l)] != before[(c, l)])
    check(("orange", "F", 0) in changed and ("orange", "A", 1) in changed, "orange F and A did not change: %r" % changed)
    check(of_d == changed, "choosing D announced %r; the tiles that changed: %r" % (of_d, changed))
    holder = keyboard_holder()
    check(holder == "P. D, G, P,", "after choosing D, G and P the keyboard's holder tells %r" % (holder,))
    # A blocked tile offers no action, and nothing done to it changes anything.
    blocked = tile("orange", "D")
    check(not enabled(blocked), "orange D is not blocked")
    action = blocked.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    check("press" not in names, "the blocked orange D offers %r" % names)
    for i in range(max(action.nActions, 1)):   # the first action even where it offers none
        try:
            action.doAction(i)
        except Exception:   # refused: as it should be
            pass
    # A free tile pressed after it must change the letters; once it has,
    # the blocked tile's action has been handled too.
    press(tile("cyan", "M"))
    wait_for(lambda: big_letters() != "DGP", "pressing the free cyan M changed nothing")
    check(big_letters() == "DGM", "acting on a blocked tile changed the letters to %r" % big_letters())
    press(tile("cyan", "P"))
    wait_for(lambda: big_letters() == "DGP", "pressing cyan P again did not bring back DGP")
    print("ok: D, G and P chosen through press actions, choosing D announced the %d tiles "
          "it changed and no other, a blocked tile refused, the keyboard unmoved" % len(changed))


def check_continue():
    """Waits for the game's end and continues through Continue's action."""
    def button():
        for node in nodes(application()):
            if node.getRoleName() in BUTTON and node.name.endswith("Continue"):
                return node
        return None

    def shown():
        return button() is not None and button().getState().contains(pyatspi.STATE_SHOWING)
    wait_for(shown, "no Continue button showed at the end of the game", timeout=20.0)
    score = shown_score()
    result = "Time is up, %d %s. Continue" % (score, "hit" if score == 1 else "hits")
    check(button().name == result, "Continue is named %r when the window shows %d" % (button().name, score))
    check_showing(lambda: press(button()), True, "shown again after Continue")
    names = [n["name"] for n in tree()]
    for text in (" 1", " 5", " 0", "Game starts, when you hit the yellow letter first time!"):
        check(text in names, "after Continue no label reads %r" % text)
    check(big_letters() == "DGP", "after Continue the big letters read %r" % big_letters())
    print("ok: the game ended and Continue's press action readied the next one")


if __name__ == "__main__":
    if sys.argv[1] == "start":
        check_start()
    elif sys.argv[1] == "choose":
        check_choose()
    elif sys.argv[1] == "continue":
        check_continue()

