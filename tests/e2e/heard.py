# SPDX-License-Identifier: MIT
"""What a listener heard, read from speech-dispatcher's own log (LogLevel 5)
as it grows: each message with the times it was queued and began to sound,
the words it reached, and whether it played to its end, was cut or was
dropped unplayed."""
import html
import re
import time

STAMP = re.compile(r"^\[\w+ (\w+ +\d+ [\d:]+ \d+) : (\d+)\] speechd: +(.*)")
QUEUED = re.compile(r"Queueing message \|(.*)\| with priority")
SENT = re.compile(r"Incoming text: \|(.*)$")
VOICED = re.compile(r"'symbols\.dic' translated '.*' to '(.*)'$")
# A text of one character sent as a character: espeak-ng says a capital so
# as "capital T" (0.75 s against 0.35 s for "t", by speech-dispatcher 0.12).
CHARACTER = re.compile(r"DATA:\|CHAR (.)\r?$")


def plain(ssml):
    return html.unescape(re.sub(r"<[^>]*>", "", ssml))


class Message:
    def __init__(self, ssml, queued):
        self.ssml, self.text, self.queued = ssml, plain(ssml), queued
        self.words = self.text.strip().rstrip(".,")   # without the stop or comma that ends it
        self.voiced = None      # the words as spoken, punctuation read aloud included
        self.capital = False    # a capital letter sent as a character
        self.began = None       # when its sound began
        self.fate = None        # "whole", "cut", or "dropped"
        self.ended = None       # when it played to its end or was cut
        self.reached = []       # the character offsets of the words it reached

    def reached_word(self, word):
        """Whether it played past the start of `word` (or to its end)."""
        at = self.text.find(word)
        return self.fate == "whole" or (at >= 0 and any(r > at for r in self.reached))

    def __repr__(self):
        return "%r(%s)" % (self.text, self.fate or "playing")


class Heard:
    def __init__(self, path):
        self.path, self.offset, self.partial = path, 0, ""
        self.messages, self.waiting, self.current = [], [], None
        self.character, self.last = None, 0.0

    def poll(self):
        try:
            with open(self.path, errors="replace") as log:
                log.seek(self.offset)
                chunk = log.read()
                self.offset = log.tell()
        except FileNotFoundError:
            return self.messages
        lines = (self.partial + chunk).split("\n")
        self.partial = lines.pop()
        for line in lines:
            self._line(line)
        return self.messages

    def _line(self, line):
        stamp = STAMP.match(line)
        if not stamp:
            return
        when = time.mktime(time.strptime(stamp.group(1), "%b %d %H:%M:%S %Y")) + int(stamp.group(2)) / 1e6
        # Just past a full second, speech-dispatcher may stamp the second
        # before ("22 : 530" after "22 : 987376").
        self.last = when = when + 1 if when < self.last - 0.5 else when
        what = stamp.group(3)
        if m := CHARACTER.search(what):
            self.character = m.group(1)
        elif m := QUEUED.search(what):
            message = Message(m.group(1), when)
            message.capital = message.text == self.character and message.text.isupper()
            message.voiced = "capital " + message.text if message.capital else None
            self.character = None
            self.messages.append(message)
            self.waiting.append(message)
        elif m := SENT.match(what):
            text = plain(m.group(1).removesuffix("|"))
            # Those queued before it and never sent were dropped.
            while self.waiting and self.waiting[0].text != text:
                self.waiting.pop(0).fate = "dropped"
            if self.waiting:
                self.current = self.waiting.pop(0)
        elif (m := VOICED.search(what)) and self.waiting:
            # The words as they go to the synthesizer, the message next
            # to be sent.
            if not self.waiting[0].capital:
                self.waiting[0].voiced = m.group(1)
        elif what.startswith("INDEX MARK: ") and self.current is not None:
            mark = what[len("INDEX MARK: "):].strip()
            if mark == "__spd_begin":
                self.current.began = when
            elif mark in ("__spd_end", "__spd_stopped"):
                self.current.fate = "whole" if mark == "__spd_end" else "cut"
                self.current.ended, self.current = when, None
            elif re.fullmatch(r"\d+:\d+", mark):
                self.current.reached.append(int(mark.split(":")[0]))
        elif "Cancel received" in what:
            for message in self.waiting:
                message.fate = "dropped"
            self.waiting = []

    def wait(self, condition, timeout, what):
        """The first message that meets condition(message) once it is
        settled enough for it to say; fails after timeout seconds."""
        end = time.time() + timeout
        while time.time() < end:
            for message in self.poll():
                if condition(message):
                    return message
            time.sleep(0.02)
        raise AssertionError("%s; heard %r" % (what, self.messages[-12:]))
