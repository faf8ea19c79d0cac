#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""text_characters.py [--every-script] OUTPUT FILE...: writes every character of the UTF-8 files,
once each and in order, to OUTPUT; with --every-script also every letter, mark, digit,
punctuation mark and space of every script. OUTPUT is left untouched when it already holds
exactly those, so that an edit that brings no new character does not cut the faces again."""
import sys
import unicodedata

arguments = sys.argv[1:]
every_script = arguments[0] == "--every-script"
output, *inputs = arguments[every_script:]
characters = set()
for name in inputs:
    with open(name, encoding="utf-8") as f:
        characters.update(f.read())
if every_script:
    characters.update(chr(c) for c in range(0x20, 0x110000)
                      if unicodedata.category(chr(c))[0] in "LMNP"
                      or unicodedata.category(chr(c)) == "Zs")
text = "".join(sorted(characters - {"\n", "\r"}))
try:
    with open(output, encoding="utf-8") as f:
        unchanged = f.read() == text
except FileNotFoundError:
    unchanged = False
if not unchanged:
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)
