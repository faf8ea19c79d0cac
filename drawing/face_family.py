#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""face_family.py FACE OUTPUT FAMILY: writes FACE with its family renamed to FAMILY (family,
full, unique and PostScript names, in every language), every other table as it was, so that no
installed face of the old name can be taken for it."""
import sys

from fontTools.ttLib import TTFont

source, output, family = sys.argv[1:]
font = TTFont(source, recalcBBoxes=False, recalcTimestamp=False)
names = font["name"]
old = names.getDebugName(16) or names.getDebugName(1)
renamed = {old: family, old.replace(" ", ""): family.replace(" ", "")}
for record in names.names:
    if record.nameID in (1, 3, 4, 6, 16, 18, 21):
        text = record.toUnicode()
        for before, after in renamed.items():
            text = text.replace(before, after)
        record.string = text
font.save(output)
