# SPDX-License-Identifier: GPL-3.0-or-later
"""Texture helpers shared by the picture scripts: value noise, its octaves, and shading
an image by a texture."""
from PIL import Image, ImageChops, ImageOps


def noise(size, cell, rng, margin=2):
    """Value noise: random values on a grid of `cell` pixels, smoothly resized. `margin`
    extra grid points per side keep each picture's drawing of the random stream."""
    w, h = size
    gw, gh = max(2, w // cell + margin), max(2, h // cell + margin)
    small = Image.frombytes("L", (gw, gh), rng.randbytes(gw * gh))
    return small.resize((w + 2 * cell, h + 2 * cell), Image.BICUBIC).crop(
        (cell, cell, cell + w, cell + h))


def fractal(size, cells, rng, margin=2):
    """Sum of noise octaves (coarse to fine), stretched to the full range."""
    out = None
    for i, cell in enumerate(cells):
        layer = noise(size, cell, rng, margin)
        out = layer if out is None else Image.blend(out, layer, 1.0 / (i + 1))
    return ImageOps.autocontrast(out, cutoff=0.5)


def modulate(img, tex, amount):
    """Lighten/darken img by tex (128 = unchanged), +-amount levels."""
    delta = tex.point(lambda v: int(128 + (v - 128) * amount / 128.0))
    return ImageChops.add(img, Image.merge("RGB", (delta, delta, delta)), 1.0, -128)
