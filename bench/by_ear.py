# SPDX-License-Identifier: MIT
"""The benchmark's player by ear, run by tests/e2e/orca.sh through
orca_player.py: `pace SECS` types the letter due every SECS seconds for a
whole game and prints, as one line of JSON, after how many hits the next
letter was heard whole and how long after the key its sound began."""
import json
import os
import statistics
import subprocess
import sys
import threading
import time

from orca_player import is_result, key


class Recording:
    """The speech sink as it sounds, from `parec`, timed by its first
    chunk."""
    RATE = 16000

    def __init__(self):
        self.samples, self.start = bytearray(), None
        self.parec = subprocess.Popen(["parec", "-d", "speech.monitor", "--raw", "--format=s16le",
                                       "--rate=%d" % self.RATE, "--channels=1", "--latency-msec=10"],
                                      stdout=subprocess.PIPE)
        threading.Thread(target=self._read, daemon=True).start()
        while self.start is None:
            time.sleep(0.01)

    def _read(self):
        while chunk := self.parec.stdout.read1(4096):
            if self.start is None:
                self.start = time.time() - len(chunk) / 2 / self.RATE
            self.samples += chunk

    def loudest(self, begin, end):
        first = max(0, int((begin - self.start) * self.RATE))
        last = max(first, int((end - self.start) * self.RATE))
        part = memoryview(self.samples)[first * 2:last * 2].cast("h")
        return max((abs(v) for v in part), default=0)

    def stop(self):
        self.parec.terminate()


def heard_whole(message, recording):
    """Whether its sound reached its end: it played to its end, or it was
    cut in the silence after its last word."""
    if message.fate == "whole":
        return True
    if message.fate != "cut" or message.began is None:
        return False
    quiet = message.ended - 0.06
    return quiet > message.began and recording.loudest(quiet, message.ended) < 300 and \
        recording.loudest(message.began, quiet) >= 300


def pace(heard, seconds):
    """The letter due typed every `seconds`; for each hit, whether the next
    letter was heard whole, and when its sound began. A letter told with
    more words after it counts as heard when its first word is the letter."""
    recording = Recording()
    letters, due, keys = "STI", 0, []
    start = time.time() + 0.5
    while True:
        when = start + len(keys) * seconds
        while time.time() < when:
            time.sleep(0.002)
        keys.append(time.time())
        key(letters[due].lower())
        due = (due + 1) % 3
        if any(is_result(m) for m in heard.poll()) or time.time() > start + 20:
            break
    time.sleep(2)
    recording.stop()
    messages = heard.poll()
    end = min([m.queued for m in messages if is_result(m)] or [keys[-1]])
    whole, delays, hits = 0, [], [k for k in keys if k < end]
    for n, typed in enumerate(hits):
        following = letters[(n + 1) % 3]
        upto = keys[n + 1] if n + 1 < len(keys) else end
        said = [m for m in messages if typed < m.queued < upto and m.words.split(" ")[0].rstrip(",") == following]
        if said and said[0].began is not None:
            delays.append(said[0].began - typed)
        whole += any(heard_whole(m, recording) for m in said)
        if os.environ.get("ZINDLE_BY_EAR_DEBUG"):
            for m in said:
                print(n, m, m.began and round(m.began - typed, 3), m.ended and round(m.ended - typed, 3),
                      m.began and m.ended and [recording.loudest(m.began + i * 0.02, m.began + i * 0.02 + 0.02)
                                               for i in range(int((m.ended - m.began) / 0.02))], file=sys.stderr)
    ordered = sorted(delays)
    print(json.dumps({
        "pace": seconds, "hits": len(hits), "heard_whole": whole,
        "share": round(whole / max(len(hits), 1), 3),
        "median_ms": round(statistics.median(ordered) * 1000) if ordered else None,
        "p95_ms": round(ordered[max(0, int(len(ordered) * 0.95 + 0.5) - 1)] * 1000) if ordered else None,
    }))


def main(heard, arguments):
    if arguments[0] == "pace":
        pace(heard, float(arguments[1]))
