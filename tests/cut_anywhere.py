#!/usr/bin/env python3
"""A cut anywhere changes nothing: the honest whole game, saved at many moments the home screen
waits and continued each time in a fresh tenrali-play with "load", must show the very screen it
was saved on, answer every later question as the uninterrupted game does, and end in the same
state with the same last picture.

    cut_anywhere.py TENRALI_PLAY SCRIPT WORK_FOLDER

SCRIPT is the honest game written by tools/honest_game.py (tests/honest_game.sh writes it when
the tests run). The cuts: the first home screen, early and middle days, the morning of each
contest (just before she is entered), home again after each win, and home screens right after a
dialogue or a word with her, chosen by a fixed random draw among every moment the home screen
waits.
"""

import json
import os
import random
import subprocess
import sys

ANSWERING = ("click", "clickat", "state", "element", "visible", "message")
TIMERS = [f"Timer{n}" for n in range(1, 9)]
IDLE = {"plantState": 5, "harvestState": 5, "accessoryMakeState": 8, "seedMakeState": 7,
        "speciesMakeState": 6, "shopState": 5, "seedShopState": 5, "giftState": 4,
        "itemViewState": 2, "contestEntryState": 3}


class Failure(Exception):
    pass


def play(binary, lines, cwd):
    """Runs tenrali-play on the lines; its answers, one per answering command."""
    run = subprocess.run([binary, "--seed", "0"], input="\n".join(lines) + "\n", capture_output=True,
                         text=True, cwd=cwd)
    if run.returncode != 0:
        raise Failure(f"tenrali-play failed ({run.returncode}): {run.stderr.strip()}")
    return run.stdout.splitlines()


def answers_of(commands):
    return sum(1 for c in commands if c.split()[0] in ANSWERING)


def main():
    binary, script_path, work = sys.argv[1:4]
    binary = os.path.abspath(binary)
    os.makedirs(work, exist_ok=True)
    game_dir = os.getcwd()
    with open(script_path, encoding="utf-8") as f:
        commands = [l.strip() for l in f if l.strip() and not l.startswith("#")]
    full = play(binary, commands, game_dir)
    if len(full) != answers_of(commands):
        raise Failure("the uninterrupted game answered a different number of questions")

    # Where the home screen waits: asked after every command of the game.
    probe = []
    for c in commands:
        probe += [c, "state", "element menuk1"] + [f"element {t}" for t in TIMERS]
    answers = iter(play(binary, probe, game_dir))
    waits = []
    for i, c in enumerate(commands):
        if c.split()[0] in ANSWERING:
            next(answers)
        s = json.loads(next(answers))
        menu = json.loads(next(answers))["visible"]
        timers = [json.loads(next(answers))["enabled"] for _ in TIMERS]
        if menu and not any(timers) and 1 <= s["contestStage"] <= 3 and all(s[k] == v for k, v in IDLE.items()):
            waits.append(i)

    # The cuts, each after command i.
    cuts = set()
    cuts.add(waits[0])                                            # the first home screen
    days = [i for i in waits if commands[i] == "click menuk9"]
    for share in (0.05, 0.25, 0.5, 0.75, 0.95):
        cuts.add(days[int(share * (len(days) - 1))])
    for i, c in enumerate(commands):
        if c == "click menuk1" and i - 1 in waits:                # the morning of a contest
            cuts.add(i - 1)
        if c.startswith("tick ") and i in waits:                  # home again after a win
            cuts.add(i)
    others = [i for i in waits if commands[i] != "click menuk9" and i not in cuts]
    cuts.update(random.Random(13).sample(others, min(6, len(others))))
    cuts = sorted(cuts)
    if len(cuts) < 12:
        raise Failure(f"only {len(cuts)} cuts found among {len(waits)} waits")

    dump_queries = ["state", "visible", "message"]

    def dump(picture):
        return dump_queries + [f"screenshot {picture}"]

    # One run of the whole game that saves at every cut and looks at the screen there.
    saving, looks = [], {}
    for i, c in enumerate(commands):
        saving.append(c)
        if i in cuts:
            saving += [f"save {work}/cut-{i}.txt"] + dump(f"{work}/cut-{i}.png")
    saving += dump(f"{work}/end.png")
    out = iter(play(binary, saving, game_dir))
    for i, c in enumerate(commands):
        if c.split()[0] in ANSWERING:
            next(out)
        if i in cuts:
            looks[i] = [next(out) for _ in dump_queries]
    end = [next(out) for _ in dump_queries]

    for i in cuts:
        rest = commands[i + 1:]
        lines = [f"load {work}/cut-{i}.txt"] + dump(f"{work}/continued-{i}.png") + rest + dump(f"{work}/end-{i}.png")
        got = play(binary, lines, game_dir)
        where = f"cut after line {i + 1} ({commands[i]})"
        n = len(dump_queries)
        for want, have, what in zip(looks[i], got[:n], dump_queries):
            if want != have:
                raise Failure(f"{where}: right after load, \"{what}\" answers\n  {have}\nnot\n  {want}")
        with open(f"{work}/cut-{i}.png", "rb") as a, open(f"{work}/continued-{i}.png", "rb") as b:
            if a.read() != b.read():
                raise Failure(f"{where}: the screen right after load is not the screen saved")
        later = got[n:len(got) - n]
        expected = full[len(full) - answers_of(rest):] if answers_of(rest) else []
        for k, (want, have) in enumerate(zip(expected, later)):
            if want != have:
                raise Failure(f"{where}: answer {k + 1} after the cut is\n  {have}\nnot\n  {want}")
        if len(later) != len(expected) or got[len(got) - n:] != end:
            raise Failure(f"{where}: the game ended differently")
        with open(f"{work}/end.png", "rb") as a, open(f"{work}/end-{i}.png", "rb") as b:
            if a.read() != b.read():
                raise Failure(f"{where}: the last picture differs")
    print(f"cut anywhere: {len(cuts)} cuts among {len(waits)} home-screen waits of {len(commands)} commands, "
          f"each continued to the same end")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as e:
        print(f"cut_anywhere: {e}", file=sys.stderr)
        sys.exit(1)
