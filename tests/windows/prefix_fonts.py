#!/usr/bin/env python3
"""The test prefix's stand-ins for Arial, Times New Roman and Courier New.

Usage: prefix_fonts.py FONTS_FOLDER

Writes copies of the metric-compatible Liberation fonts, renamed "Metricfont Sans",
"Metricfont Serif" and "Metricfont Mono" (the Liberation name is reserved for the fonts
as their makers ship them), into the prefix's Fonts folder. Each copy gets a unique
identifier of its own: the Liberation fonts share one per family ("Ascender - Liberation
Sans" for the regular and the bold face alike), which Windows and Wine report as the
font's full name, and by which Qt's PDF writer tells faces apart, so that a PDF made in
the prefix embedded whichever face of Arial it met first for every Arial text. The names
are rewritten in place, each no longer than before, so nothing else in the files moves.
"""

import pathlib
import struct
import sys

SOURCE = pathlib.Path("/usr/share/fonts/truetype/liberation2")
FAMILIES = ("Sans", "Serif", "Mono")
STYLES = ("Regular", "Bold", "Italic", "BoldItalic")
OLD, NEW = "Liberation", "Metricfont"
FAMILY, UNIQUE_ID, FULL_NAME, POSTSCRIPT_NAME, TYPOGRAPHIC_FAMILY = 1, 3, 4, 6, 16


def encode(platform, text):
    return text.encode("utf-16-be" if platform in (0, 3) else "latin-1")


def decode(platform, data):
    return data.decode("utf-16-be" if platform in (0, 3) else "latin-1")


def renamed(font):
    data = bytearray(font)
    tables = struct.unpack(">H", data[4:6])[0]
    for i in range(tables):
        tag, _, offset, _ = struct.unpack(">4sLLL", data[12 + 16 * i:28 + 16 * i])
        if tag == b"name":
            break
    else:
        raise ValueError("no name table")
    _, count, storage = struct.unpack(">HHH", data[offset:offset + 6])
    records = [struct.unpack(">HHHHHH", data[offset + 6 + 12 * j:offset + 18 + 12 * j])
               for j in range(count)]

    def text_of(record):
        platform, _, _, _, length, at = record
        start = offset + storage + at
        return decode(platform, bytes(data[start:start + length]))

    # The PostScript name is short and unique to the face: it becomes the unique identifier.
    postscript = {r[0]: text_of(r).replace(OLD, NEW) for r in records if r[3] == POSTSCRIPT_NAME}
    for record in records:
        platform, _, _, name, length, at = record
        if name not in (FAMILY, UNIQUE_ID, FULL_NAME, POSTSCRIPT_NAME, TYPOGRAPHIC_FAMILY):
            continue
        if platform not in postscript:
            continue
        text = postscript[platform] if name == UNIQUE_ID else text_of(record).replace(OLD, NEW)
        new = encode(platform, text)
        if len(new) > length:
            raise ValueError(f"{text!r} is longer than the name it replaces")
        start = offset + storage + at
        data[start:start + length] = new + encode(platform, " ") * ((length - len(new)) //
                                                                    len(encode(platform, " ")))
    return bytes(data)


def main():
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for family in FAMILIES:
        for style in STYLES:
            source = SOURCE / f"Liberation{family}-{style}.ttf"
            (folder / f"{NEW}{family}-{style}.ttf").write_bytes(renamed(source.read_bytes()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
