# SPDX-License-Identifier: MIT
"""Prints "x y width height app_id" of the window named argv[1] in sway's
tree (JSON on standard input), the app id "-" for an X11 window; exits 1
when there is none."""
import json
import sys


def windows(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from windows(child)


for node in windows(json.load(sys.stdin)):
    if node.get("name") == sys.argv[1] and node.get("pid"):
        r = node["rect"]
        print(r["x"], r["y"], r["width"], r["height"], node.get("app_id") or "-")
        sys.exit(0)
sys.exit(1)
