#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""text_characters.py OUTPUT FILE...: writes every character of the UTF-8 files, once each and
in order, to OUTPUT. OUTPUT is left untouched when it already holds exactly those, so that an
edit that brings no new character does not cut the faces again."""
import sys

output, *inputs = sys.argv[1:]
characters = set()
for name in inputs:
    with open(name, encoding="utf-8") as f:
        characters.update(f.read())
text = "".join(sorted(characters - {"\n", "\r"}))
try:
    with open(output, encoding="utf-8") as f:
        unchanged = f.read() == text
except FileNotFoundError:
    unchanged = False
if not unchanged:
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)
