#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Paint resources/pictures/about.jpg, the picture shown by About.

800 x 500, but the About window shows it at its natural size in a fixed 760 x 364
area from the top-left corner: everything is laid out inside that area, the stone frame
around it, and the rest of the picture is plain background. The window puts a small
close button over roughly x 712..745, y 8..33, so that corner is left plain too.

Needs Debian's python3-pil and fonts-liberation, and the kanji font made by
tools/make_kanji_font.py (the sample tile uses the same glyphs as the game).
    /usr/bin/python3 tools/make_about_picture.py [output.jpg]
"""
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont, ImageOps

from picture_texture import fractal, modulate

WIDTH, HEIGHT = 800, 500
SHOWN_WIDTH, SHOWN_HEIGHT = 760, 364  # what the About window shows of it
SS = 2
HERE = os.path.dirname(os.path.abspath(__file__))
FONTS = os.path.join(HERE, "..", "resources", "fonts")
LIB = "/usr/share/fonts/truetype/liberation/"

TITLE_FONT = LIB + "LiberationSerif-Bold.ttf"
ITALIC_FONT = LIB + "LiberationSerif-Italic.ttf"
NARROW_FONT = os.path.join(FONTS, "LiberationSansNarrow-Bold.ttf")
SANS_FONT = LIB + "LiberationSans-Regular.ttf"
KANJI_FONT = os.path.join(FONTS, "mahjongkanji.ttf")

PURPLE_TOP = (84, 46, 132)
PURPLE_BOTTOM = (30, 12, 54)
STONE = (164, 153, 134)
GOLD = (236, 204, 96)
LAVENDER = (200, 194, 224)

# Sample 3 x 3 block: digits as the game draws them, some as kanji
# (letters Q..O of the kanji font carry one..nine).
SAMPLE = [
    ("5", False), ("3", True), ("", None),
    ("6", True), ("", None), ("9", False),
    ("", None), ("8", False), ("1", True),
]
KANJI_LETTER = "QWERTYUIO"


def S(v):
    return int(round(v * SS))


def font(path, size):
    return ImageFont.truetype(path, S(size))


def overlay(canvas, draw_fn, blur=0):
    layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    draw_fn(ImageDraw.Draw(layer))
    if blur:
        layer = layer.filter(ImageFilter.GaussianBlur(blur))
    canvas.paste(Image.alpha_composite(canvas.convert("RGBA"), layer).convert("RGB"))


def background(rng):
    size = (S(WIDTH), S(HEIGHT))
    ramp = Image.linear_gradient("L").resize(size, Image.BICUBIC)
    img = ImageOps.colorize(ramp, PURPLE_TOP, PURPLE_BOTTOM)
    # Soft light from the upper left, and a fine grain.
    glow = Image.new("L", size, 0)
    ImageDraw.Draw(glow).ellipse((-S(300), -S(260), S(520), S(420)), fill=255)
    glow = glow.filter(ImageFilter.GaussianBlur(S(120)))
    img = Image.composite(Image.new("RGB", size, (124, 84, 172)), img, glow.point(lambda v: v * 0.45))
    img = modulate(img, fractal(size, [S(60), S(14), S(3)], rng, margin=3), 8)
    return img


def stone_border(canvas, rng, width, size):
    """A bevelled stone frame around the top-left area of this size."""
    stone = Image.new("RGB", size, STONE)
    stone = modulate(stone, fractal(size, [S(80), S(24), S(6)], rng, margin=3), 26)
    stone = modulate(stone, fractal(size, [S(2), 1], rng, margin=3), 12)
    mask = Image.new("L", size, 255)
    ImageDraw.Draw(mask).rectangle((width, width, size[0] - 1 - width, size[1] - 1 - width), fill=0)
    canvas.paste(stone, (0, 0), mask)
    w, h = size

    def bevel(d):
        b = S(2)
        light, dark = (255, 255, 255, 100), (0, 0, 0, 120)
        d.polygon([(0, 0), (w, 0), (w - b, b), (b, b)], fill=light)
        d.polygon([(0, 0), (b, b), (b, h - b), (0, h)], fill=light)
        d.polygon([(0, h), (b, h - b), (w - b, h - b), (w, h)], fill=dark)
        d.polygon([(w, 0), (w, h), (w - b, h - b), (w - b, b)], fill=dark)
        i0, i1, j1 = width, w - width, h - width
        d.polygon([(i0 - b, i0 - b), (i1 + b, i0 - b), (i1, i0), (i0, i0)], fill=dark)
        d.polygon([(i0 - b, i0 - b), (i0, i0), (i0, j1), (i0 - b, j1 + b)], fill=dark)
        d.polygon([(i0 - b, j1 + b), (i0, j1), (i1, j1), (i1 + b, j1 + b)], fill=light)
        d.polygon([(i1 + b, i0 - b), (i1 + b, j1 + b), (i1, j1), (i1, i0)], fill=light)
    overlay(canvas, bevel)


def sample_block(canvas, x, y, cell):
    """A 3 x 3 block as on the board: black cells, yellow frame, white digits."""
    size = 3 * cell
    overlay(canvas, lambda d: d.rectangle((x + S(6), y + S(9), x + size + S(6), y + size + S(9)),
                                          fill=(0, 0, 0, 150)), blur=S(8))
    d = ImageDraw.Draw(canvas)
    frame = S(7)
    d.rectangle((x - frame, y - frame, x + size + frame, y + size + frame), fill=(226, 196, 40))
    overlay(canvas, lambda o: (
        o.line((x - frame, y - frame, x + size + frame, y - frame), fill=(255, 255, 255, 120), width=S(2)),
        o.line((x - frame, y + size + frame, x + size + frame, y + size + frame), fill=(0, 0, 0, 120), width=S(2))))
    d = ImageDraw.Draw(canvas)
    d.rectangle((x, y, x + size, y + size), fill=(0, 0, 0))
    for i in range(1, 3):
        d.line((x + i * cell, y, x + i * cell, y + size), fill=(120, 120, 128), width=S(1.5))
        d.line((x, y + i * cell, x + size, y + i * cell), fill=(120, 120, 128), width=S(1.5))
    digit_font = font(NARROW_FONT, cell / SS * 0.62)
    kanji_font = font(KANJI_FONT, cell / SS * 0.56)
    for n, (digit, kanji) in enumerate(SAMPLE):
        if not digit:
            continue
        cx = x + (n % 3) * cell + cell // 2
        cy = y + (n // 3) * cell + cell // 2
        if kanji:
            d.text((cx, cy), KANJI_LETTER[int(digit) - 1], font=kanji_font, fill=(255, 255, 255), anchor="mm")
        else:
            d.text((cx, cy), digit, font=digit_font, fill=(255, 255, 255), anchor="mm")


def shadowed_text(canvas, pos, text, fnt, fill, shadow=(0, 0, 0, 170), offset=(2, 3), blur=3, anchor="ls"):
    ox, oy = S(offset[0]), S(offset[1])
    overlay(canvas, lambda d: d.text((pos[0] + ox, pos[1] + oy), text, font=fnt, fill=shadow, anchor=anchor),
            blur=S(blur))
    ImageDraw.Draw(canvas).text(pos, text, font=fnt, fill=fill, anchor=anchor)


def title(canvas, x, y):
    """Gold title with a vertical sheen."""
    fnt = font(TITLE_FONT, 92)
    text = "Ninebox"
    overlay(canvas, lambda d: d.text((x + S(3), y + S(4)), text, font=fnt, fill=(0, 0, 0, 190), anchor="ls"),
            blur=S(4))
    mask = Image.new("L", canvas.size, 0)
    ImageDraw.Draw(mask).text((x, y), text, font=fnt, fill=255, anchor="ls")
    top = y - S(70)
    ramp = Image.linear_gradient("L").resize((canvas.size[0], S(78)), Image.BICUBIC)
    band = ImageOps.colorize(ramp, (255, 240, 170), (196, 142, 34), mid=GOLD)
    gold = Image.new("RGB", canvas.size, (196, 142, 34))
    gold.paste(band, (0, top))
    canvas.paste(gold, (0, 0), mask)


def render():
    rng = random.Random(81)
    canvas = background(rng)
    stone_border(canvas, rng, S(6), (S(SHOWN_WIDTH), S(SHOWN_HEIGHT)))

    sample_block(canvas, S(54), S(42), S(64))

    tx = S(300)
    title(canvas, tx, S(104))
    shadowed_text(canvas, (tx + S(4), S(142)), "A Sudoku game", font(ITALIC_FONT, 30), LAVENDER)
    d = ImageDraw.Draw(canvas)
    d.line((tx + S(4), S(162), S(725), S(162)), fill=GOLD, width=S(1.5))
    shadowed_text(canvas, (tx + S(4), S(194)), "Fill every row, column and box", font(SANS_FONT, 19),
                  (232, 228, 244), offset=(1, 2), blur=2)
    shadowed_text(canvas, (tx + S(4), S(218)), "with the numbers one to nine.", font(SANS_FONT, 19),
                  (232, 228, 244), offset=(1, 2), blur=2)
    shadowed_text(canvas, (tx + S(4), S(256)), "by the Ninebox developers", font(NARROW_FONT, 22),
                  (255, 255, 255), offset=(1, 2), blur=2)

    small = font(SANS_FONT, 12.5)
    lines = [
        "Free software under the GNU GPL, version 3 or later. Made with Qt 6.",
        "Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.",
        "Board text in Liberation Sans Narrow (Liberation Fonts licence).",
    ]
    for i, line in enumerate(lines):
        shadowed_text(canvas, (S(40), S(302 + 18 * i)), line, small, (196, 188, 214),
                      offset=(1, 1), blur=1)

    return canvas.resize((WIDTH, HEIGHT), Image.LANCZOS)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        HERE, "..", "resources", "pictures", "about.jpg")
    for path in (KANJI_FONT, NARROW_FONT):
        if not os.path.exists(path):
            sys.exit("missing %s: run tools/make_kanji_font.py and tools/copy_narrow_font.sh first" % path)
    render().save(out, "JPEG", quality=90, optimize=True)
    print("wrote", os.path.normpath(out), os.path.getsize(out), "bytes")


if __name__ == "__main__":
    main()
