# SPDX-License-Identifier: MIT
"""The benchmark natively on Wayland, in a sway session of its own
(bench/wayland.sh starts it): the game and the bare Qt window, each started
once per round, in the same rounds. Every program runs with
WAYLAND_DEBUG=client, which stamps each protocol message with the time
(microseconds of CLOCK_REALTIME, as libwayland writes it); both pay for
that logging alike.
- start-up: from just before the exec to the first wl_surface.commit that
  follows an attach of a buffer: the first frame handed to the compositor;
- anonymous memory: /proc/PID/smaps_rollup after that frame and 2 s idle;
- key-to-commit: from the wl_keyboard.key event of a key press (its arrival
  at the program) to the next commit of a buffer. wtype types the keys; the
  game gets its yellow letter, then the others in turn, the bare window any
  letter. The compositor's own delivery of the key and of the frame is not
  in this figure.
Prints Markdown rows.
  wayland.py ZINDLE REF_QT ROUNDS PRESSES"""
import os
import re
import statistics
import subprocess
import sys
import time

zindle, ref_qt, rounds, presses = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
STAMP = re.compile(r"^\[\s*(\d+)\.(\d+)\]")
ATTACH = re.compile(r"wl_surface[@#]\d+\.attach\(wl_buffer")
COMMIT = re.compile(r"wl_surface[@#]\d+\.commit\(\)")
KEY = re.compile(r"wl_keyboard[@#]\d+\.key\(\d+, \d+, \d+, 1\)")
WRAP = 1 << 32   # libwayland's stamp: 32 bits of microseconds


def now_us():
    return time.clock_gettime_ns(time.CLOCK_REALTIME) // 1000 % WRAP


def stamp(line):
    m = STAMP.match(line)
    return int(m.group(1)) * 1000 + int(m.group(2)) if m else None


def since(start, end):
    return (end - start) % WRAP / 1000.0   # ms


class Program:
    def __init__(self, path, log):
        env = dict(os.environ, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="client")
        self.log_path = log
        self.log = open(log, "w")
        self.started = now_us()
        self.process = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=self.log)
        self.offset = 0

    def lines(self):
        with open(self.log_path, errors="replace") as f:
            f.seek(self.offset)
            text = f.read()
        complete = text[:text.rfind("\n") + 1]
        self.offset += len(complete.encode())
        return complete.splitlines()

    def wait_for(self, pattern, after=None, timeout=10):
        """The stamp of the first line matching pattern (after one matching
        `after`, when given) among the lines not read yet."""
        end = time.monotonic() + timeout
        armed = after is None
        while time.monotonic() < end:
            for line in self.lines():
                if after is not None and after.search(line):
                    armed = True
                elif armed and pattern.search(line):
                    return stamp(line)
            time.sleep(0.002)
        raise SystemExit(f"{self.log_path}: nothing matched {pattern.pattern}")

    def anonymous_kb(self):
        with open(f"/proc/{self.process.pid}/smaps_rollup") as f:
            for line in f:
                if line.startswith("Anonymous:"):
                    return int(line.split()[1])
        return 0

    def stop(self):
        self.process.terminate()
        self.process.wait()
        self.log.close()


def figure(values, digits=1):
    values = sorted(values)
    p95 = values[min(len(values) - 1, int(round(0.95 * (len(values) - 1))))]
    f = f".{digits}f"
    return f"{statistics.median(values):{f}} ({values[0]:{f}}–{values[-1]:{f}}, p95 {p95:{f}})"


programs = {"Zindle": zindle, "bare Qt": ref_qt}
startup = {name: [] for name in programs}
memory = {name: [] for name in programs}
keys = {name: [] for name in programs}
workdir = os.environ.get("XDG_RUNTIME_DIR", "/tmp")
for round_ in range(rounds + 1):   # round 0 warms the caches and is not counted
    for name, path in programs.items():
        program = Program(path, f"{workdir}/{name.replace(' ', '_')}.log")
        first = program.wait_for(COMMIT, after=ATTACH)
        time.sleep(2)
        if round_ > 0:
            startup[name].append(since(program.started, first))
            memory[name].append(program.anonymous_kb())
        if round_ == rounds:
            program.lines()   # what came before the keys
            word = "sti" if name == "Zindle" else "a"
            text = (word * presses)[:presses]
            # One virtual keyboard for all the keys, 300 ms for the
            # compositor to take it, then 100 ms between keys.
            subprocess.run(["wtype", "-s", "300", "-d", "100", text], check=True)
            time.sleep(0.5)
            pressed = None
            for line in program.lines():
                if KEY.search(line):
                    pressed = stamp(line)
                elif pressed is not None and COMMIT.search(line):
                    keys[name].append(since(pressed, stamp(line)))
                    pressed = None
            if len(keys[name]) != presses:
                raise SystemExit(f"{name}: {len(keys[name])} of {presses} key presses seen and painted")
        program.stop()

print("| figure (sway, headless) | Zindle | bare Qt | Zindle ÷ Qt |")
print("|---|---|---|---|")
ratio = statistics.median(startup["Zindle"]) / statistics.median(startup["bare Qt"])
print(f"| start-up to first committed frame, ms, {rounds} starts | {figure(startup['Zindle'])} | "
      f"{figure(startup['bare Qt'])} | {ratio:.2f} |")
mz, mq = statistics.median(memory["Zindle"]), statistics.median(memory["bare Qt"])
print(f"| anonymous memory after 2 s idle, kB | {mz:.0f} | {mq:.0f} | {mz - mq:+.0f} kB |")
kz, kq = statistics.median(keys["Zindle"]), statistics.median(keys["bare Qt"])
print(f"| key event to next committed frame, ms, {presses} presses | {figure(keys['Zindle'], 2)} | "
      f"{figure(keys['bare Qt'], 2)} | {kz - kq:+.2f} ms |")
