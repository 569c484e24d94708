#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads the game's accessibility tree over AT-SPI, as a screen reader does,
and checks it.

  read_accessibility.py start       the window as it first shows
  read_accessibility.py score TEXT  the score label reads TEXT
"""
import sys
import time

import pyatspi


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
    rows = {}
    for colour in ("yellow", "orange", "cyan"):
        rows[colour] = {i["name"]: i for i in items
                        if i["description"] == "Letter for the %s slot" % colour}
        check(len(rows[colour]) == 26, "%d tiles in the %s row" % (len(rows[colour]), colour))
    blocked = {"yellow": "FGHIJKLORTUY", "orange": "ACDEIJKLOQSUWXZ", "cyan": "ACDEFGHQRSTWXYZ"}
    for colour, letters in blocked.items():
        for letter, tile in rows[colour].items():
            check(tile["enabled"] == (letter not in letters),
                  "tile %s of the %s row: enabled %s" % (letter, colour, tile["enabled"]))
    for colour in ("yellow", "orange", "cyan"):
        check("Keys for the %s letter" % colour in names, "no key box for the %s letter" % colour)
    print("ok: %d accessible objects; frame, labels, 78 tiles with their blocked state "
          "and key boxes" % len(items))


def check_score(text, timeout=5.0):
    end = time.time() + timeout
    while time.time() < end:
        scores = [i for i in tree() if i["name"] == text and i["role"] == "label"]
        if scores:
            print("ok: the score label reads %r" % text)
            return
        time.sleep(0.1)
    sys.exit("FAIL: no label reads %r" % text)


if __name__ == "__main__":
    if sys.argv[1] == "start":
        check_start()
    elif sys.argv[1] == "score":
        check_score(sys.argv[2])
