#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Paint resources/pictures/board.jpg, the background of the board window.

The picture is stretched over the window's drawing area, whose board units
run x -70..220 (left to right) and y 0..220 (top to bottom). Everything is
placed in board units so it lines up with the text and hit areas the program
draws and tests on top of it: the command slabs and readouts on the purple
panel, the keypad, and the stone-framed black playing area.

Needs Debian's python3-pil and fonts-liberation (for the pi sign).
    /usr/bin/python3 tools/make_board_picture.py [output.jpg]
"""
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont, ImageOps

from picture_texture import fractal, modulate, noise

WIDTH, HEIGHT = 850, 600
SS = 3  # paint supersampled, then shrink: smooth edges without fuss
UX0, UX1, UY0, UY1 = -70.0, 220.0, 0.0, 220.0

# The program wipes the clock with exactly this colour each second, so the
# readout slabs must be this colour, flat, under the text.
READOUT = (169, 169, 175)
LAVENDER_TOP = (190, 186, 206)
LAVENDER_BOTTOM = (160, 157, 178)
PURPLE_TOP = (96, 56, 146)
PURPLE_BOTTOM = (54, 26, 92)
KEY_TOP = (132, 132, 142)
KEY_BOTTOM = (84, 84, 94)
STONE = (164, 153, 134)

# Top edge (board y) of each text drawn on the panel; slab i runs from
# y - 1 to y + 12, which leaves 2 units between neighbours.
BUTTON_LABEL_Y = [10, 25, 42, 57, 72, 87, 103]  # New .. About
SCORE_Y = 118
CLOCK_Y = 136
SLAB_X0, SLAB_X1 = -66.0, -4.0

# Keypad digits are drawn with top-left (-53 + 19c, 157 + 13r) in a larger
# font; the keys are centred on where those digits land.
KEY_PITCH_X, KEY_PITCH_Y = 19.0, 13.0
KEY_X0, KEY_W = -56.5, 15.0      # column 0 spans -56.5 .. -41.5
KEY_Y0, KEY_H = 157.75, 11.5     # row 0 spans 157.75 .. 169.25
DELETE_BOX = (-60.0, 196.5, -4.0, 208.5)  # behind "Delete" at (-40, 197)

FRAME = 6.0  # stone border width of the playing area, board units

PI_FONT = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf"


def px(x):
    return (x - UX0) * WIDTH * SS / (UX1 - UX0)


def py(y):
    return (y - UY0) * HEIGHT * SS / (UY1 - UY0)


def box(x0, y0, x1, y1):
    return (round(px(x0)), round(py(y0)), round(px(x1)), round(py(y1)))


def vgradient(size, top, bottom):
    w, h = size
    ramp = Image.linear_gradient("L").resize((w, h), Image.BICUBIC)
    return ImageOps.colorize(ramp, top, bottom)


def rounded_mask(size, rect, radius):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(rect, radius=radius, fill=255)
    return mask


def paste_rect(canvas, rect, img, radius):
    """Paste img (sized to rect) into canvas through a rounded-rect mask."""
    x0, y0, x1, y1 = rect
    mask = rounded_mask((x1 - x0, y1 - y0), (0, 0, x1 - x0 - 1, y1 - y0 - 1), radius)
    canvas.paste(img, (x0, y0), mask)


def overlay(canvas, draw_fn, blur=0):
    """Draw translucent shapes on a separate layer and composite them."""
    layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    draw_fn(ImageDraw.Draw(layer))
    if blur:
        layer = layer.filter(ImageFilter.GaussianBlur(blur))
    canvas.paste(Image.alpha_composite(canvas.convert("RGBA"), layer).convert("RGB"))


def shade(color, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in color)


def button(canvas, rect, top, bottom, radius, sunken=False, flat=None):
    """A bevelled slab: soft drop shadow, dark rim, gradient (or flat) face,
    a light lip on the lit edge and a dark one on the other."""
    x0, y0, x1, y1 = rect
    one = SS  # one final pixel
    if not sunken:
        overlay(canvas, lambda d: d.rounded_rectangle(
            (x0 + one, y0 + 2 * one, x1 + one, y1 + 2 * one),
            radius=radius, fill=(0, 0, 0, 120)), blur=2 * SS)
    rim = shade(bottom, 0.55)
    paste_rect(canvas, rect, Image.new("RGB", (x1 - x0, y1 - y0), rim), radius)
    face = (x0 + one, y0 + one, x1 - one, y1 - one)
    size = (face[2] - face[0], face[3] - face[1])
    if flat is not None:
        img = Image.new("RGB", size, flat)
    else:
        img = vgradient(size, top, bottom)
    paste_rect(canvas, face, img, max(1, radius - one))

    light, dark = (255, 255, 255, 130), (0, 0, 0, 90)
    upper, lower = (dark, light) if sunken else (light, dark)
    lip = 2 * SS if sunken else SS

    def lips(d):
        fx0, fy0, fx1, fy1 = face
        inset = radius // 2
        d.line((fx0 + inset, fy0 + lip // 2, fx1 - inset, fy0 + lip // 2), fill=upper, width=lip)
        d.line((fx0 + inset, fy1 - lip // 2, fx1 - inset, fy1 - lip // 2), fill=lower, width=lip)
    overlay(canvas, lips)

    if not sunken and flat is None:
        # Faint gloss over the upper half.
        overlay(canvas, lambda d: d.rounded_rectangle(
            (face[0] + one, face[1] + one, face[2] - one, (face[1] + face[3]) // 2),
            radius=max(1, radius - 2 * one), fill=(255, 255, 255, 28)))


def bevel_frame(canvas, outer, inner, width, raised=True, strength=110):
    """Light and dark trapezoids along the outer and inner edges of a frame."""
    ox0, oy0, ox1, oy1 = outer
    ix0, iy0, ix1, iy1 = inner
    w = width
    light, dark = (255, 255, 255, strength), (0, 0, 0, strength)
    if not raised:
        light, dark = dark, light

    def draw(d):
        # Outer edge: lit from the top left.
        d.polygon([(ox0, oy0), (ox1, oy0), (ox1 - w, oy0 + w), (ox0 + w, oy0 + w)], fill=light)
        d.polygon([(ox0, oy0), (ox0 + w, oy0 + w), (ox0 + w, oy1 - w), (ox0, oy1)], fill=light)
        d.polygon([(ox0, oy1), (ox0 + w, oy1 - w), (ox1 - w, oy1 - w), (ox1, oy1)], fill=dark)
        d.polygon([(ox1, oy0), (ox1, oy1), (ox1 - w, oy1 - w), (ox1 - w, oy0 + w)], fill=dark)
        # Inner edge: the slopes face the other way.
        d.polygon([(ix0 - w, iy0 - w), (ix1 + w, iy0 - w), (ix1, iy0), (ix0, iy0)], fill=dark)
        d.polygon([(ix0 - w, iy0 - w), (ix0, iy0), (ix0, iy1), (ix0 - w, iy1 + w)], fill=dark)
        d.polygon([(ix0 - w, iy1 + w), (ix0, iy1), (ix1, iy1), (ix1 + w, iy1 + w)], fill=light)
        d.polygon([(ix1 + w, iy0 - w), (ix1 + w, iy1 + w), (ix1, iy1), (ix1, iy0)], fill=light)
    overlay(canvas, draw)


def paint_panel(canvas, rng):
    x0, y0, x1, y1 = box(-70, 0, 0, 220)
    size = (x1 - x0, y1 - y0)
    panel = vgradient(size, PURPLE_TOP, PURPLE_BOTTOM)
    # A soft diagonal sheen and a fine grain keep the panel from looking flat.
    side = size[0] + size[1]
    sheen = Image.linear_gradient("L").resize((side, side), Image.BICUBIC)
    sheen = sheen.rotate(35, resample=Image.BICUBIC)
    left, top = (side - size[0]) // 2, (side - size[1]) // 2
    sheen = sheen.crop((left, top, left + size[0], top + size[1]))
    panel = modulate(panel, sheen, 10)
    panel = modulate(panel, fractal(size, [48 * SS, 12 * SS, 3 * SS], rng), 7)
    canvas.paste(panel, (x0, y0))
    bevel_frame(canvas, (x0, y0, x1, y1), (x0 + 3 * SS, y0 + 3 * SS, x1 - 3 * SS, y1 - 3 * SS),
                3 * SS, raised=True, strength=70)

    # Engraved rule between the commands and the readouts, and above the keypad.
    def rules(d):
        for y in (116.0 - 1.75, 151.5):
            yy = py(y)
            d.line((px(-64), yy, px(-6), yy), fill=(0, 0, 0, 110), width=SS)
            d.line((px(-64), yy + SS, px(-6), yy + SS), fill=(255, 255, 255, 45), width=SS)
    overlay(canvas, rules)


def paint_slabs(canvas):
    radius = 3 * SS
    for y in BUTTON_LABEL_Y:
        button(canvas, box(SLAB_X0, y - 1, SLAB_X1, y + 12), LAVENDER_TOP, LAVENDER_BOTTOM, radius)
    # Score and clock are readouts, not buttons: sunken, and flat in the
    # colour the clock is wiped with.
    for y in (SCORE_Y, CLOCK_Y):
        button(canvas, box(SLAB_X0, y - 1, SLAB_X1, y + 12), READOUT, READOUT, radius,
               sunken=True, flat=READOUT)


def paint_keypad(canvas):
    # A recessed tray that gathers the keys and Delete into one block.
    tray = box(-62, 154.5, -1.5, 210)
    overlay(canvas, lambda d: d.rounded_rectangle(tray, radius=4 * SS, fill=(20, 6, 40, 90)))
    bevel_frame(canvas, tray, (tray[0] + 2 * SS, tray[1] + 2 * SS, tray[2] - 2 * SS, tray[3] - 2 * SS),
                2 * SS, raised=False, strength=60)
    radius = 3 * SS
    for r in range(3):
        for c in range(3):
            x = KEY_X0 + KEY_PITCH_X * c
            y = KEY_Y0 + KEY_PITCH_Y * r
            button(canvas, box(x, y, x + KEY_W, y + KEY_H), KEY_TOP, KEY_BOTTOM, radius)
    button(canvas, box(*DELETE_BOX), KEY_TOP, KEY_BOTTOM, radius)


def paint_playing_area(canvas, rng):
    outer = box(0, 0, 220, 220)
    # Same border thickness in pixels on all four sides.
    bw = round(px(FRAME) - px(0))
    inner = (outer[0] + bw, outer[1] + bw, outer[2] - bw, outer[3] - bw)

    size = (outer[2] - outer[0], outer[3] - outer[1])
    stone = Image.new("RGB", size, STONE)
    stone = modulate(stone, fractal(size, [90 * SS, 30 * SS, 10 * SS], rng), 26)
    stone = modulate(stone, fractal(size, [4 * SS, SS], rng), 14)
    # Warm and cool patches, as in real sandstone.
    tint = fractal(size, [60 * SS, 20 * SS], rng)
    warm = Image.new("RGB", size, (176, 150, 118))
    stone = Image.composite(warm, stone, tint.point(lambda v: max(0, v - 150)))
    # Darker flecks.
    flecks = noise(size, SS, rng).point(lambda v: 255 if v > 246 else 0)
    stone = Image.composite(Image.new("RGB", size, (96, 88, 78)), stone,
                            flecks.filter(ImageFilter.GaussianBlur(SS * 0.6)))
    canvas.paste(stone, outer[:2])
    # A rounded moulding: a broad soft slope and a crisp edge on each side.
    bevel_frame(canvas, outer, inner, bw // 2, raised=True, strength=45)
    bevel_frame(canvas, outer, inner, 2 * SS, raised=True, strength=90)

    # Mitre joints at the corners, cut in and catching the light on one side.
    def mitres(d):
        for (ox, oy), (ix, iy) in zip(
                [(outer[0], outer[1]), (outer[2], outer[1]), (outer[0], outer[3]), (outer[2], outer[3])],
                [(inner[0], inner[1]), (inner[2], inner[1]), (inner[0], inner[3]), (inner[2], inner[3])]):
            d.line((ox, oy, ix, iy), fill=(40, 34, 26, 150), width=SS)
            d.line((ox + SS, oy, ix + SS, iy), fill=(255, 250, 235, 70), width=SS)
    overlay(canvas, mitres)

    black = (inner[2] - inner[0], inner[3] - inner[1])
    canvas.paste(Image.new("RGB", black, (0, 0, 0)), inner[:2])

    # The frame casts a short shadow onto the black well.
    def shadow(d):
        for i in range(5 * SS):
            a = int(60 * (1 - i / (5 * SS)))
            d.rectangle((inner[0] + i, inner[1] + i, inner[2] - 1 - i, inner[3] - 1 - i),
                        outline=(60, 52, 40, a))
    overlay(canvas, shadow)

    # Thin dark groove where the panel meets the stone.
    overlay(canvas, lambda d: d.line((outer[0], 0, outer[0], outer[3]), fill=(0, 0, 0, 160), width=SS))


def paint_pi(canvas):
    """Small white pi in a dark badge in the bottom-right corner."""
    cx, cy = px(214.6), py(214.6)
    rx = ry = 11.5 * SS
    overlay(canvas, lambda d: d.ellipse((cx - rx + SS, cy - ry + 2 * SS, cx + rx + SS, cy + ry + 2 * SS),
                                        fill=(0, 0, 0, 140)), blur=2 * SS)
    d = ImageDraw.Draw(canvas)
    d.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=(40, 36, 46), outline=(205, 196, 176), width=SS)
    overlay(canvas, lambda d2: d2.ellipse((cx - rx + 2 * SS, cy - ry + 2 * SS, cx + rx - 2 * SS, cy),
                                          fill=(255, 255, 255, 30)))
    font = ImageFont.truetype(PI_FONT, int(20 * SS))
    d.text((cx, cy + SS), "\u03c0", font=font, fill=(255, 255, 255), anchor="mm")


def render():
    rng = random.Random(9)  # fixed seed: the same picture every run
    canvas = Image.new("RGB", (WIDTH * SS, HEIGHT * SS), (0, 0, 0))
    paint_panel(canvas, rng)
    paint_playing_area(canvas, rng)
    paint_slabs(canvas)
    paint_keypad(canvas)
    paint_pi(canvas)
    return canvas.resize((WIDTH, HEIGHT), Image.LANCZOS)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "resources", "pictures", "board.jpg")
    img = render()
    # Full chroma resolution: the readout colour must survive the round trip.
    img.save(out, "JPEG", quality=92, subsampling=0, optimize=True)
    print("wrote", os.path.normpath(out), os.path.getsize(out), "bytes")


if __name__ == "__main__":
    main()
