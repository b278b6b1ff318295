#!/usr/bin/env python3
"""The shape of src/: only the front ends (platform/, web/, main.cpp) include SDL, and no folder
includes another that (through any others) includes it back.

    include_graph.py SRC_DIR
"""
import os
import re
import sys

FRONT_ENDS = ("platform", "web")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def main(src):
    bad = []
    uses = {}  # folder -> {folder it includes: first file that does}
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src)
            folder = rel.split(os.sep)[0] if os.sep in rel else ""
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for quote, target in INCLUDE.findall(text):
                if target.startswith("SDL") and folder not in FRONT_ENDS and rel != "main.cpp":
                    bad.append(f"{rel} includes SDL ({target}): only platform/, web/ and main.cpp may")
                if quote == '"' and "/" in target and folder:
                    other = target.split("/")[0]
                    if other != folder and os.path.isdir(os.path.join(src, other)):
                        uses.setdefault(folder, {}).setdefault(other, rel)
    # A cycle among the folders, found by a depth-first walk.
    state, stack = {}, []

    def walk(folder):
        state[folder] = "open"
        stack.append(folder)
        for other in sorted(uses.get(folder, {})):
            if state.get(other) == "open":
                cycle = stack[stack.index(other):] + [other]
                steps = [f"{a} -> {b} ({uses[a][b]})" for a, b in zip(cycle, cycle[1:])]
                bad.append("folders include each other: " + ", ".join(steps))
            elif other not in state:
                walk(other)
        stack.pop()
        state[folder] = "done"

    for folder in sorted(uses):
        if folder not in state:
            walk(folder)
    for line in bad:
        print(line)
    if not bad:
        print(f"include graph: {len(uses)} folders, no SDL outside the front ends, no cycle")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
