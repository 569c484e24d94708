#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""No file of the Qt binding includes another that includes it back, directly
or through others: a header and its source count as one file."""
import pathlib, re, sys

folder = pathlib.Path(sys.argv[1])
includes = {}
for path in folder.glob("*.[hc]*"):
    found = re.findall(r'^#include "qt/(\w+)\.h"', path.read_text(), re.M)
    includes.setdefault(path.stem, set()).update(f for f in found if f != path.stem)


def cycle(start, node, path):
    for nxt in sorted(includes.get(node, ())):
        if nxt == start:
            return path + [nxt]
        if nxt not in path:
            found = cycle(start, nxt, path + [nxt])
            if found:
                return found
    return None


cycles = [c for c in (cycle(f, f, [f]) for f in sorted(includes)) if c]
for c in cycles:
    print("include cycle: " + " -> ".join(c))
print("%d files of %s, %d in a cycle" % (len(includes), folder, len(cycles)))
sys.exit(1 if cycles else 0)
