# SPDX-License-Identifier: MIT
"""Counts the separate sounds in a recording, read from standard input as
raw 16-bit mono samples at the rate given in argv[1]: runs of 10 ms windows
louder than a threshold, apart by at least 30 ms of quiet. Prints the count
and the loudest sample, full scale being 1."""
import array
import sys

rate = int(sys.argv[1])
samples = array.array("h", sys.stdin.buffer.read())
window = rate // 100
threshold = 0.02 * 32768
sounds, quiet = 0, 3
for start in range(0, len(samples), window):
    level = max((abs(s) for s in samples[start:start + window]), default=0)
    if level > threshold:
        if quiet >= 3:
            sounds += 1
        quiet = 0
    else:
        quiet += 1
peak = max((abs(s) for s in samples), default=0) / 32768
print(f"{sounds} separate sound(s), peak {peak:.2f}")
