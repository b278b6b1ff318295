#!/usr/bin/env python3
"""Writes down everything tenrali-play shows for a script: every answer, and a digest of the
screen after every command that can change it (each tick of a "tick N" on its own).

    python3 tools/output_digest.py build/tenrali-play SCRIPT [--seed N] > digest.txt

Two builds that give the same digest for the same script answered alike and drew alike, pixel
for pixel, at every step: a change meant to be invisible (a faster start, pictures held for less
time) is proved invisible by diffing the digests taken before and after it.
"""

import argparse
import hashlib
import os
import subprocess
import sys
import tempfile

ANSWERS = {"click", "clickat", "state", "element", "visible", "message", "sounds"}
QUIET = {"seed", "set", "screenshot", "save"}  # change nothing that is drawn, or draw nothing themselves


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("play")
    parser.add_argument("script")
    parser.add_argument("--seed", default="0")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as work:
        shot = os.path.join(work, "shot.bmp")
        proc = subprocess.Popen([args.play, "--seed", args.seed], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                text=True, encoding="utf-8")

        def send(line, answers):
            proc.stdin.write(line + "\n")
            proc.stdin.flush()
            if not answers:
                return None
            answer = proc.stdout.readline()
            if not answer:
                sys.exit(f"tenrali-play ended at: {line}")
            return answer.rstrip("\n")

        def screen():
            # A screenshot, then a query: its answer says the screenshot is written.
            send("screenshot " + shot, False)
            send("visible", True)
            with open(shot, "rb") as f:
                return hashlib.sha256(f.read()).hexdigest()[:16]

        shots = 0
        with open(args.script, encoding="utf-8") as script:
            for number, line in enumerate(script, 1):
                words = line.split()
                if not words or words[0].startswith("#"):
                    continue
                command = words[0]
                steps = [line.rstrip("\n")]
                if command == "tick" and len(words) == 2:
                    steps = ["tick"] * int(words[1])
                for step in steps:
                    answer = send(step, command in ANSWERS)
                    if answer is not None:
                        print(f"{number} answer {answer}")
                    if command == "menu" and words[1:] == ["quit"]:
                        proc.stdin.close()
                        proc.wait()
                        print(f"end status {proc.returncode}, {shots} screens")
                        return
                    if command not in ANSWERS - {"click", "clickat"} and command not in QUIET:
                        print(f"{number} screen {screen()}")
                        shots += 1
        proc.stdin.close()
        proc.wait()
        print(f"end status {proc.returncode}, {shots} screens")


if __name__ == "__main__":
    main()
