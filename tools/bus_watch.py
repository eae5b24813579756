#!/usr/bin/env python3
"""Answers a desktop session's questions about the running game, read from
the accessibility bus, one line for each line asked on stdin. It stays up for
the whole session, so a question costs a few milliseconds rather than a new
Python and a walk of the whole desktop.

  counters  the seven counters: coins used bet run paid wins losses
  stops     which of the three stop buttons take a press: "1 0 0"

A value not (or no longer) on the bus reads "?".
"""
import sys

import pyatspi

COUNTERS = ["コインすう", "しようまいすう", "ベット", "かいてんすう", "はいとうまいすう", "アタリすう", "ハズレすう"]
STOPS = ["リール1 ていし", "リール2 ていし", "リール3 ていし"]
WANTED = {**{name: pyatspi.ROLE_TEXT for name in COUNTERS}, **{name: pyatspi.ROLE_PUSH_BUTTON for name in STOPS}}


def walk(acc, found):
    for child in acc:
        if child is None:
            continue
        if WANTED.get(child.name) == child.getRole():
            found[child.name] = child
        walk(child, found)


def find():
    found = {}
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "kararion":
            walk(app, found)
    return found


def read(acc, name):
    if name in STOPS:
        return "1" if acc.getState().contains(pyatspi.STATE_SENSITIVE) else "0"
    return acc.queryText().getText(0, -1)


known = {}


def values(names):
    """The values of `names`; the objects are looked for again when one is
    missing or gone (the game's windows can come and go)."""
    global known
    for attempt in range(2):
        try:
            if attempt or any(name not in known for name in names):
                known = find()
            return [read(known[name], name) if name in known else "?" for name in names]
        except Exception:  # an object gone from the bus: look again
            known = {}
    return ["?"] * len(names)


for line in sys.stdin:
    question = line.strip()
    if question == "counters":
        print(" ".join(values(COUNTERS)), flush=True)
    elif question == "stops":
        print(" ".join(values(STOPS)), flush=True)
    else:
        print("?", flush=True)
