#!/usr/bin/env python3
"""Writes every character the game can show, one UTF-8 text: the web page carries its fonts cut
down to these. Every text the game draws is known before it runs: our own texts in the sources,
the names in the data files (cp932, decoded by glibc's iconv as the game decodes them), numbers
and the plain ASCII marks, and the yen sign the Japanese faces draw for a backslash.
    game_chars.py OUT.txt SOURCE_DIR DATA_FILE...
"""
import pathlib
import subprocess
import sys

out, source_dir, data_files = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3:]
chars = {chr(c) for c in range(0x20, 0x7F)} | {"\u00a5"}
for path in sorted(source_dir.rglob("*")):
    if path.suffix in (".cpp", ".h"):
        chars |= set(path.read_text(encoding="utf-8"))
for path in data_files:
    text = subprocess.run(["iconv", "-f", "CP932", "-t", "UTF-8", path], check=True, capture_output=True).stdout
    chars |= set(text.decode("utf-8"))
shown = sorted(c for c in chars if c.isprintable() or c == "\u3000")
pathlib.Path(out).write_text("".join(shown), encoding="utf-8")
