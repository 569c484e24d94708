#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays the game by ear through Orca, judged by what speech-dispatcher
played (its log, LOG).

  orca_player.py LOG play       chooses D, G and A with the tile cursor,
                                by ear alone, plays a whole game typing
                                only what it heard, types on after the end,
                                asks where it is, and continues with Space
  orca_player.py LOG pace SECS  the benchmark's player (bench/by_ear.py)
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from heard import Heard  # noqa: E402


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def echo_of(message, keys):
    """Orca's echo of a key typed: the key's own name, in lower case as
    typed (the letters the game tells are capitals)."""
    return message.text.strip() in keys


def is_result(message):
    return message.text.startswith("Time is up")


def result_of(hits):
    return "Time is up, %d %s." % (hits, "hit" if hits == 1 else "hits")


def check(condition, what):
    if not condition:
        sys.exit("FAIL: " + what)


def spoken_as_article(text):
    """Whether espeak-ng reads a letter A in `text` as the article."""
    phonemes = subprocess.run(["espeak-ng", "-q", "-x", text], capture_output=True, text=True).stdout
    return "a#" in phonemes


def choose(heard):
    """D, G and A chosen with the tile cursor, a key once the last was heard:
    each tile as its letter, alone or "blocked", after its row's colour where
    the cursor comes into a row; each choice as the new letter and the three
    (A the letter); at Escape the three. Orca 43 says the role at Left, Escape."""
    heard.wait(lambda m: m.fate == "whole" and m.text.startswith("S, T, I"), 40,
               "the three letters were not heard when the window took the focus")
    walk = (("Left", "yellow S"), ("Home", "A"), ("Right", "B"), ("Down", "orange B"), ("Up", "yellow B"),
            ("Right", "C"), ("Right", "D"), ("Return", "D. D, T, I"), ("Down", "orange D, blocked"),
            ("Right", "E, blocked"), ("Right", "F, blocked"), ("Right", "G"), ("Return", "G. D, G, I"),
            ("Down", "cyan G, blocked"), ("Home", "A"), ("Return", "A. D, G, A"), ("Escape", "D, G, A"))
    for name, words in walk:
        start = time.time()
        key(name)
        said = heard.wait(lambda m: m.queued > start and not echo_of(m, (name.lower(),)), 10,
                          "nothing was heard after %s" % name)
        heard.wait(lambda m: said.fate is not None, 10, "%r never ended" % said.text)
        got = said.words.removesuffix(" panel").rstrip(".,") if name in ("Left", "Escape") else said.words
        check(got == words and said.fate == "whole" and said.voiced in (None, said.text),
              "after %s heard %r (voiced %r), not %r whole" % (name, said.text, said.voiced, words))
        check(not spoken_as_article(said.voiced or said.text), "%r is spoken with A as the article" % said.text)
    print("ok: the tile cursor heard tile by tile, each choice as its letter, A as the letter")


def settled(heard, after, keys, timeout=10):
    """The first message after `after` that is no echo of `keys`, once it
    has played, been cut or been dropped."""
    said = heard.wait(lambda m: m.queued > after and not echo_of(m, keys), timeout,
                      "nothing but echoes heard for %.0f s" % timeout)
    heard.wait(lambda m: said.fate is not None or said.reached_word("Continue"), timeout,
               "%r never ended" % said.text)
    return said


def others(heard, after, keys, but):
    return [m for m in heard.poll() if m.queued > after and not echo_of(m, keys) and m not in but]


def play(heard):
    """A whole game by ear: each key typed is the letter last heard; after
    each hit the next letter due and nothing else must be heard."""
    letters, hits, due = "DGA", 0, "D"
    while True:
        typed = time.time()
        key(due.lower())
        said = settled(heard, typed, due.lower())
        if is_result(said):
            break
        following = letters[(letters.index(due) + 1) % 3]
        check(said.words == following,
              "after hit %d (%s) heard %r when %s was due" % (hits + 1, due, said.text, following))
        check(said.voiced in (None, said.text), "after hit %d the letter was said as %r" % (hits + 1, said.voiced))
        if said.fate != "whole":   # cut by the end of the game
            said = settled(heard, said.queued, due.lower())
            check(is_result(said), "a letter was cut, then %r heard" % said.text)
            hits += 1
            break
        extra = others(heard, typed, due.lower(), [said])
        hits, due = hits + 1, following
        if extra and is_result(extra[0]):   # the game ended while the letter played
            said = extra[0]
            break
        check(not extra, "after hit %d heard %r besides the letter %s" % (hits, extra, following))
    last_key = typed
    check(said.text.startswith(result_of(hits)) or said.text.startswith(result_of(hits + 1)),
          "the first thing heard at the end was %r after %d hits heard" % (said.text, hits))
    score = int(said.text.split()[3])
    heard.wait(lambda m: m.queued > last_key and is_result(m) and m.reached_word("Continue"), 10,
               "the result was not heard whole")
    check(said.voiced is None or said.voiced == said.text, "punctuation read aloud: %r" % said.voiced)
    print("ok: %d hits by ear, each followed by the letter due alone; then %r" % (score, said.text))
    return score


def after_the_end(heard, score):
    """Keys typed after the end cut the result; it is told again, whole,
    after the last of them, and where-am-I tells it too. Space continues."""
    result = result_of(score)
    for name in ("x", "y", "z"):
        key(name)
        time.sleep(0.25)
    last = time.time() - 0.25
    again = heard.wait(lambda m: m.queued > last and not echo_of(m, "xyz"), 5,
                       "nothing was heard after the keys typed past the end")
    check(again.text.startswith(result), "after the keys typed past the end heard %r" % again.text)
    heard.wait(lambda m: again.fate is not None or again.reached_word("Continue"), 10, "never ended")
    check(again.fate == "whole" or again.reached_word("Continue"), "the result told again was cut: %r" % again)
    asked = time.time()
    key("KP_Enter")
    where = heard.wait(lambda m: m.queued > asked and result in m.text, 5, "where-am-I did not tell the result")
    start = time.time()
    key("space")
    heard.wait(lambda m: m.queued > start and m.fate == "whole" and "D, G, A" in m.text, 10,
               "after Space the letters D, G, A were not heard")
    print("ok: the result told again after keys past the end, by where-am-I (%r), "
          "and the letters after Space" % where.text)


if __name__ == "__main__":
    log = Heard(sys.argv[1])
    if sys.argv[2] == "play":
        choose(log)
        after_the_end(log, play(log))
    else:   # the benchmark's players: bench/by_ear.py
        sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))
        import by_ear
        by_ear.main(log, sys.argv[2:])
