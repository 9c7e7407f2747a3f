#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build resources/fonts/mahjongkanji.ttf: the kanji numerals one to nine
placed on the letters Q W E R T Y U I O, so the board can show a kanji
digit by drawing a plain ASCII letter in this family.

The outlines come from Noto Serif CJK JP Bold (Debian package
fonts-noto-cjk), SIL Open Font License 1.1. The OFL reserves the names
"Noto" and "Source", so the new font carries neither.

Run with Debian's interpreter, which has the fontforge module:
    /usr/bin/python3 tools/make_kanji_font.py [output.ttf]
"""
import os
import struct
import sys

# Fixed timestamps in the head table, so a rebuild gives the same bytes.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1700000000")

import fontforge  # noqa: E402  (reads SOURCE_DATE_EPOCH)

SOURCE_FILE = "/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc"
SOURCE_FACE = "Noto Serif CJK JP Bold"

FAMILY = "Mah Jong Kanji SimSun"
PS_NAME = "MahJongKanjiSimSun-Bold"

# Letter typed on the keyboard -> kanji numeral it stands for.
LETTER_TO_KANJI = [
    ("Q", "\u4e00"),  # 一 one
    ("W", "\u4e8c"),  # 二 two
    ("E", "\u4e09"),  # 三 three
    ("R", "\u56db"),  # 四 four
    ("T", "\u4e94"),  # 五 five
    ("Y", "\u516d"),  # 六 six
    ("U", "\u4e03"),  # 七 seven
    ("I", "\u516b"),  # 八 eight
    ("O", "\u4e5d"),  # 九 nine
]

EM = 1000
# Same line box as Liberation Sans Narrow Bold as Qt measures it (OS/2 win
# metrics 1888/2048 up, 431/2048 down), so a kanji drawn at the digits' size
# and top-left position shares their baseline.
ASCENT = 922
DESCENT = 210
KANJI_ADVANCE = 1000  # one full-width cell, as in any CJK face
SPACE_ADVANCE = 228   # ordinary word space of the Latin set we mimic


def source_name_strings(path, face_name):
    """Read the Windows English name records of one face of a .ttc/.otf.

    fontforge does not carry the name table across a CID flatten, and the
    copyright and licence strings have to travel with the derived font.
    """
    data = open(path, "rb").read()
    if data[:4] == b"ttcf":
        count = struct.unpack(">I", data[8:12])[0]
        offsets = struct.unpack(">%dI" % count, data[12:12 + 4 * count])
    else:
        offsets = (0,)
    for off in offsets:
        names = {}
        num_tables = struct.unpack(">H", data[off + 4:off + 6])[0]
        for i in range(num_tables):
            rec = data[off + 12 + 16 * i:off + 28 + 16 * i]
            tag, _checksum, toff, _length = struct.unpack(">4sIII", rec)
            if tag != b"name":
                continue
            _fmt, count, strings = struct.unpack(">HHH", data[toff:toff + 6])
            for j in range(count):
                rec = data[toff + 6 + 12 * j:toff + 18 + 12 * j]
                pid, _eid, lang, nid, length, soff = struct.unpack(">6H", rec)
                if pid == 3 and lang == 0x409:
                    start = toff + strings + soff
                    names[nid] = data[start:start + length].decode("utf-16-be")
        if names.get(4) == face_name:
            return names
    sys.exit("face %r not found in %s" % (face_name, path))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "resources", "fonts", "mahjongkanji.ttf")

    names = source_name_strings(SOURCE_FILE, SOURCE_FACE)

    src = fontforge.open("%s(%s)" % (SOURCE_FILE, SOURCE_FACE))
    # CID-keyed: glyphs are reachable by code point only after flattening.
    src.cidFlatten()
    src.reencode("UnicodeFull")

    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    # fontforge's ascent/descent split the em itself (em = ascent + descent);
    # the line box is set through the hhea/OS2 fields further down.
    font.em = EM

    notdef = font.createChar(-1, ".notdef")
    pen = notdef.glyphPen()
    # Hollow box, the customary "missing glyph" mark.
    for box, clockwise in (((50, -100, 650, 800), True), ((100, -50, 600, 750), False)):
        x0, y0, x1, y1 = box
        pts = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not clockwise:
            pts.reverse()
        pen.moveTo(pts[0])
        for p in pts[1:]:
            pen.lineTo(p)
        pen.closePath()
    pen = None
    notdef.width = 700

    space = font.createChar(0x20, "space")
    space.width = SPACE_ADVANCE

    for letter, kanji in LETTER_TO_KANJI:
        src.selection.select(("unicode",), ord(kanji))
        src.copy()
        glyph = font.createChar(ord(letter), letter)
        font.selection.select(glyph)
        font.paste()
        # The real code point too, so the font is honest about what it draws.
        glyph.altuni = ((ord(kanji), -1, 0),)
        glyph.width = KANJI_ADVANCE
    src.close()

    font.selection.all()
    font.round()
    font.removeOverlap()
    font.correctDirection()

    font.fontname = PS_NAME
    font.familyname = FAMILY
    font.fullname = FAMILY + " Bold"
    font.weight = "Bold"
    font.os2_weight = 700
    font.macstyle = 1  # bold
    font.version = "1.000"
    font.copyright = names[0] + " Modified subset made for Ninebox."

    for key, value in (
            ("Copyright", font.copyright),
            ("Family", FAMILY),
            ("SubFamily", "Bold"),
            ("Fullname", FAMILY + " Bold"),
            ("PostScriptName", PS_NAME),
            ("Version", "Version 1.000"),
            ("UniqueID", "1.000;Ninebox;" + PS_NAME),
            ("Manufacturer", names.get(8, "Adobe")),
            ("Designer", names.get(9, "")),
            ("Descriptor",
             "Kanji numerals one to nine on the letters Q W E R T Y U I O. "
             "Modified subset of " + SOURCE_FACE + " (version "
             + names.get(5, "?").split(";")[0].replace("Version ", "") + ")."),
            ("License", names[13]),
            ("License URL", names.get(14, "https://openfontlicense.org")),
    ):
        font.appendSFNTName("English (US)", key, value)

    font.os2_vendor = "NINE"
    font.os2_version = 4
    font.os2_fstype = 0  # installable embedding, as OFL fonts allow
    for attr in ("hhea_ascent_add", "hhea_descent_add", "os2_typoascent_add",
                 "os2_typodescent_add", "os2_winascent_add", "os2_windescent_add"):
        setattr(font, attr, False)
    font.hhea_ascent = ASCENT
    font.hhea_descent = -DESCENT
    font.hhea_linegap = 0
    font.os2_typoascent = ASCENT
    font.os2_typodescent = -DESCENT
    font.os2_typolinegap = 0
    font.os2_winascent = ASCENT
    font.os2_windescent = DESCENT
    font.os2_use_typo_metrics = True

    font.generate(out, flags=("opentype", "omit-instructions"))
    font.close()
    print("wrote", os.path.normpath(out), os.path.getsize(out), "bytes")


if __name__ == "__main__":
    main()
