#!/usr/bin/python3
"""Makes every embedded resource of Velto in this folder.

Run it with Debian's own Python, not a pyenv or virtualenv python3 that may
come first on PATH:

    sudo apt-get install python3-numpy python3-pil python3-fonttools \
        fonts-lato fonts-roboto-slab fonts-comic-neue
    /usr/bin/python3 resources/generate.py            # everything, then checks
    /usr/bin/python3 resources/generate.py lila icons # only some steps

The output is deterministic: every random number comes from a seeded
numpy.random.RandomState (whose streams numpy keeps stable across versions),
so a run on the same Debian packages gives byte-identical files. The fonts
are copied from Debian's font packages, unchanged but for an empty U+2006
added where one lacks it; both .otf slots are CFF fonts already, so no
conversion is needed. The files are committed; the build only embeds them
(resources/CMakeLists.txt), so building Velto needs none of the packages
above.

What it writes (names fix the resource names, e.g. pencil.png -> pencil_png):

    AvenirNextBold.ttf      Lato Bold            (fonts-lato, OFL 1.1)
    AvenirNextDemiBold.ttf  Lato Semibold        (fonts-lato, OFL 1.1)
    Enyo.otf                Roboto Slab Light    (fonts-roboto-slab, Apache 2.0; CFF)
    Pistara.otf             Comic Neue Regular   (fonts-comic-neue, OFL 1.1; CFF)
                            (each .otf gets an empty U+2006 when it lacks one)
    licences/               the fonts' licences, CREDITS.md names them
    pencil.png, pencil2x.png            graphite stroke, tiles along x
    papper.png, papper2x.png            fibrous paper tile
    filltexture.png, filltexture2x.png  graphite hatch tile for glyph fills
    lila.png                            lilac watercolour wash (background)
    title_icon.png, title_icon2x.png    hand-drawn emblem with alpha
    velto_appicon.png                   application icon
    sorvan.svg                          the maker's wordmark, one even-odd path
    loop.wav                            a short stereo loop, 16-bit 44.1 kHz
"""

import math
import os
import shutil
import logging
import sys
import wave

import numpy as np
from PIL import Image, ImageDraw
from fontTools.pens.basePen import BasePen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))

logging.getLogger("fontTools").setLevel(logging.ERROR)   # Lato's old 'created' date

GRAPHITE = np.array([52.0, 53.0, 58.0])


# ---------------------------------------------------------------------------
# Helpers
# ---------------------------------------------------------------------------

def out(name):
    return os.path.join(HERE, name)


def save_png(name, pixels, mode):
    """Writes an 8-bit PNG with no metadata (RGB or RGBA)."""
    pixels = np.clip(np.rint(pixels), 0, 255).astype(np.uint8)
    Image.fromarray(pixels, mode).save(out(name), format="PNG",
                                       optimize=False, compress_level=9)


def periodic_filter(white, sigma_y, sigma_x, angle=0.0):
    """Gaussian blur of a field on the torus (FFT), so the result tiles.

    sigma_x runs along the direction `angle` (radians from +x), sigma_y
    across it."""
    h, w = white.shape
    fy = np.fft.fftfreq(h)[:, None]
    fx = np.fft.fftfreq(w)[None, :]
    c, s = math.cos(angle), math.sin(angle)
    along = fx * c + fy * s
    across = -fx * s + fy * c
    kernel = np.exp(-2.0 * math.pi ** 2 * ((along * sigma_x) ** 2 + (across * sigma_y) ** 2))
    return np.real(np.fft.ifft2(np.fft.fft2(white) * kernel))


def normalised(field):
    field = field - field.mean()
    sd = field.std()
    return field / sd if sd > 0 else field


def periodic_noise(rng, h, w, sigma_y, sigma_x, angle=0.0):
    return normalised(periodic_filter(rng.standard_normal((h, w)), sigma_y, sigma_x, angle))


def box_down(img, fy, fx):
    """Averages fy x fx blocks (keeps a tileable image tileable)."""
    h, w = img.shape[:2]
    shape = (h // fy, fy, w // fx, fx) + img.shape[2:]
    return img.reshape(shape).mean(axis=(1, 3))


def resample_rows(img, new_h):
    """Area-resamples the rows of an image to new_h rows (no x filtering)."""
    h = img.shape[0]
    edges = np.linspace(0.0, h, new_h + 1)
    rows = []
    for i in range(new_h):
        a, b = edges[i], edges[i + 1]
        acc = 0.0
        k = int(math.floor(a))
        while k < b and k < h:
            lo, hi = max(a, k), min(b, k + 1)
            acc = acc + img[k] * (hi - lo)
            k += 1
        rows.append(acc / (b - a))
    return np.stack(rows)


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


# ---------------------------------------------------------------------------
# Fonts
# ---------------------------------------------------------------------------

FONTS = [
    # (slot file, file of the Debian package it is copied from)
    ("AvenirNextBold.ttf", "/usr/share/fonts/truetype/lato/Lato-Bold.ttf"),
    ("AvenirNextDemiBold.ttf", "/usr/share/fonts/truetype/lato/Lato-Semibold.ttf"),
    ("Enyo.otf", "/usr/share/fonts/opentype/roboto/slab/RobotoSlab-Light.otf"),
    ("Pistara.otf", "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf"),
]

LICENCES = [
    ("licences/Lato-OFL-1.1.txt", ["/usr/share/doc/fonts-lato/copyright"]),
    ("licences/ComicNeue-OFL-1.1.txt", ["/usr/share/doc/fonts-comic-neue/copyright"]),
    ("licences/RobotoSlab-Apache-2.0.txt", ["/usr/share/doc/fonts-roboto-slab/copyright",
                                            "/usr/share/common-licenses/Apache-2.0"]),
]


def add_six_per_em_space(path):
    """Adds an empty U+2006 a sixth of an em wide to a CFF font that lacks it.

    The small captions space their letters with it; a font without the
    character would draw its missing-glyph box there instead.
    """
    from fontTools.misc.psCharStrings import T2CharString

    font = TTFont(path)
    if 0x2006 in font.getBestCmap():
        return
    for tag in font.keys():
        font[tag]   # decompile every table while the glyph order is the old one
    name = "uni2006"
    width = round(font["head"].unitsPerEm / 6)
    cff = font["CFF "].cff
    top = cff.topDictIndex[0]
    charstring = T2CharString(program=[width - top.Private.nominalWidthX, "endchar"],
                              private=top.Private, globalSubrs=cff.GlobalSubrs)
    top.CharStrings.charStringsIndex.append(charstring)
    top.CharStrings.charStrings[name] = len(top.CharStrings.charStringsIndex) - 1
    top.charset.append(name)   # the font's glyph order is this same list
    font["maxp"].numGlyphs = len(top.charset)
    font["hmtx"].metrics[name] = (width, 0)
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap[0x2006] = name
    font.save(path)


def make_fonts():
    for slot, source in FONTS:
        shutil.copyfile(source, out(slot))
        font = TTFont(out(slot))
        if slot.endswith(".otf"):
            # The .otf slots hold OpenType fonts with CFF outlines.
            assert "CFF " in font and "glyf" not in font, slot
            add_six_per_em_space(out(slot))
        else:
            assert "glyf" in font, slot
    os.makedirs(out("licences"), exist_ok=True)
    for target, sources in LICENCES:
        with open(out(target), "w", encoding="utf-8") as f:
            for i, source in enumerate(sources):
                if i:
                    f.write("\n" + "=" * 72 + "\n\n")
                with open(source, encoding="utf-8") as s:
                    f.write(s.read())


# ---------------------------------------------------------------------------
# Pencil stroke: graphite along x, soft alpha edge across y, tiles along x
# ---------------------------------------------------------------------------

def make_pencil():
    rng = np.random.RandomState(1101)
    W, H = 1200, 72                       # 2x of pencil2x (600 x 36)
    y = (np.arange(H) + 0.5)[:, None]

    streak = periodic_noise(rng, H, W, 0.7, 9.0)       # graphite drawn along x
    fine = periodic_noise(rng, H, W, 0.6, 0.6)         # paper tooth
    wobble_top = periodic_noise(rng, 1, W, 0.01, 40.0)[0]
    wobble_bot = periodic_noise(rng, 1, W, 0.01, 40.0)[0]

    centre = H * 0.5
    d = (y - centre) / (H * 0.5)                       # -1 .. 1 across the stroke
    d = np.where(d < 0, d - 0.07 * wobble_top[None, :], d + 0.07 * wobble_bot[None, :])
    d = np.abs(d)
    profile = 1.0 - smoothstep(0.42, 0.92, d + 0.04 * fine)

    body = np.clip(0.86 + 0.16 * streak + 0.10 * fine, 0.0, 1.0)
    holes = smoothstep(-1.2, -2.2, fine + 0.35 * streak)  # specks the lead skipped
    alpha = profile * body * (1.0 - 0.55 * holes)

    shade = np.clip(1.0 - 0.12 * streak, 0.8, 1.2)
    rgb = np.clip(GRAPHITE[None, None, :] * shade[:, :, None], 0, 255)
    rgba = np.concatenate([rgb, 255.0 * alpha[:, :, None]], axis=2)

    two = box_down(rgba, 2, 2)                          # 600 x 36
    one = resample_rows(box_down(rgba, 1, 4), 22)       # 300 x 22
    save_png("pencil2x.png", two, "RGBA")
    save_png("pencil.png", one, "RGBA")


# ---------------------------------------------------------------------------
# Paper tile: light off-white with fibres, tiles both ways
# ---------------------------------------------------------------------------

def splat_curves(rng, h, w, count, length_range, step, bend, weight_range):
    """Draws random bent fibres into a field with wrap-around (bilinear)."""
    field = np.zeros((h, w))
    for _ in range(count):
        n = int(rng.uniform(*length_range) / step)
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        a = rng.uniform(0, 2 * math.pi)
        da = rng.normal(0, bend)
        weight = rng.uniform(*weight_range)
        xs, ys = np.empty(n), np.empty(n)
        for i in range(n):
            xs[i], ys[i] = x, y
            a += da + rng.normal(0, bend * 0.5)
            x += math.cos(a) * step
            y += math.sin(a) * step
        taper = np.sin(np.linspace(0.15, math.pi - 0.15, n))
        x0, y0 = np.floor(xs).astype(int), np.floor(ys).astype(int)
        fx, fy = xs - x0, ys - y0
        for oy, ox, wgt in ((0, 0, (1 - fx) * (1 - fy)), (0, 1, fx * (1 - fy)),
                            (1, 0, (1 - fx) * fy), (1, 1, fx * fy)):
            np.add.at(field, ((y0 + oy) % h, (x0 + ox) % w), weight * taper * wgt)
    return field


def make_paper():
    rng = np.random.RandomState(2202)
    N = 500
    mottle = periodic_noise(rng, N, N, 28, 28)
    cloud = periodic_noise(rng, N, N, 6, 6)
    dark = splat_curves(rng, N, N, 1600, (10, 60), 0.8, 0.012, (0.6, 1.4))
    light = splat_curves(rng, N, N, 800, (10, 45), 0.8, 0.012, (0.6, 1.4))
    dark = periodic_filter(dark, 0.55, 0.55)
    light = periodic_filter(light, 0.7, 0.7)
    grain = periodic_noise(rng, N, N, 0.5, 0.5)

    lum = (-2.0 * mottle - 1.2 * cloud - 11.0 * dark / (dark.std() * 6 + 1e-9)
           + 6.0 * light / (light.std() * 6 + 1e-9) - 1.6 * grain)
    base = np.array([241.0, 237.0, 228.0])
    tint = np.array([1.0, 1.0, 1.08])                   # fibres a touch cooler
    rgb = base[None, None, :] + lum[:, :, None] * tint[None, None, :]
    save_png("papper2x.png", rgb, "RGB")
    save_png("papper.png", box_down(rgb, 2, 2), "RGB")


# ---------------------------------------------------------------------------
# Fill texture: dark graphite hatching with grain, tiles both ways
# ---------------------------------------------------------------------------

def make_fill():
    rng = np.random.RandomState(3303)
    N = 500
    hatch = periodic_noise(rng, N, N, 1.1, 22.0, math.radians(-52))
    cross = periodic_noise(rng, N, N, 1.0, 16.0, math.radians(38))
    smear = periodic_noise(rng, N, N, 14, 14)
    tooth = periodic_noise(rng, N, N, 0.6, 0.6)

    v = 76.0 - 24.0 * hatch - 8.0 * cross + 9.0 * smear + 9.0 * tooth
    v = np.clip(v, 22, 150)
    rgb = np.stack([v * 0.99, v, v * 1.03 + 1.0], axis=2)
    save_png("filltexture2x.png", rgb, "RGB")
    save_png("filltexture.png", box_down(rgb, 2, 2), "RGB")


# ---------------------------------------------------------------------------
# Lilac watercolour wash (background picture) and its square variant
# ---------------------------------------------------------------------------

PAPER_WHITE = np.array([247.0, 244.0, 238.0])
# Absorption per unit of pigment (Beer-Lambert): a lilac that leaves blue.
LILAC_K = np.log(PAPER_WHITE / np.array([196.0, 168.0, 222.0]))


def blur(field, sigma_y, sigma_x=None):
    """Gaussian blur with reflected borders (via a mirrored periodic field)."""
    if sigma_x is None:
        sigma_x = sigma_y
    big = np.concatenate([field, field[::-1]], axis=0)
    big = np.concatenate([big, big[:, ::-1]], axis=1)
    return periodic_filter(big, sigma_y, sigma_x)[:field.shape[0], :field.shape[1]]


def fractal(rng, h, w, scale, aniso=1.0, octaves=5, persistence=0.55):
    """Non-periodic fractal noise (zero mean, unit sd): made on a larger torus
    and cropped, so nothing wraps or mirrors at the borders."""
    pad = int(1.5 * scale * aniso) + 8
    H, W = h + 2 * pad, w + 2 * pad
    total = np.zeros((H, W))
    amp = 1.0
    for o in range(octaves):
        s = scale / (2 ** o)
        total += amp * normalised(periodic_filter(rng.standard_normal((H, W)), s * aniso, s))
        amp *= persistence
    return normalised(total[pad:pad + h, pad:pad + w])


def wash(rng, h, w, scale, layers=3, coverage=(0.45, 0.7), amount=(0.25, 0.42), rim_px=6.0):
    """Pigment density of a few overlapping watercolour washes (h x w).

    Each wash is a region with an organic, fairly crisp edge (a threshold of
    fractal noise), pigment a little uneven inside and pooled along the edge,
    as it dries on paper; overlaps glaze darker."""
    density = np.zeros((h, w))
    for i in range(layers):
        n = fractal(rng, h, w, scale, aniso=1.5, octaves=4, persistence=0.5)
        t = np.quantile(n, 1.0 - rng.uniform(*coverage))
        mask = 1.0 / (1.0 + np.exp(-(n - t) / 0.025))
        mask = blur(mask, 0.8)
        inside = smoothstep(-2.0, 2.0, fractal(rng, h, w, scale * 0.5, aniso=1.2, octaves=3))
        rim = np.clip(mask - blur(mask, rim_px), 0.0, 1.0) * 2.0
        a = rng.uniform(*amount)
        density += a * mask * (0.6 + 0.5 * inside) + 0.55 * a * rim
    granulation = fractal(rng, h, w, 5.0, aniso=1.0, octaves=2)
    density *= 1.0 + 0.10 * granulation
    # a little more pigment towards the borders, where the brush started
    yy, xx = np.mgrid[0:h, 0:w]
    r2 = ((xx - w / 2.0) / (w / 2.0)) ** 2 + ((yy - h / 2.0) / (h / 2.0)) ** 2
    return np.clip(density + 0.04 + 0.12 * r2, 0.0, None)


def colour_of(density, paper):
    return paper * np.exp(-density[..., None] * LILAC_K[None, None, :])


def make_lila():
    rng = np.random.RandomState(4404)
    W, H = 2000, 1796
    h, w = H // 2, W // 2
    d = wash(rng, h, w, scale=220.0)
    d = np.asarray(Image.fromarray(d.astype(np.float32), "F").resize((W, H), Image.BICUBIC),
                   dtype=np.float64)
    rgb = colour_of(d, PAPER_WHITE[None, None, :])
    save_png("lila.png", rgb, "RGB")


# ---------------------------------------------------------------------------
# Hand-drawn emblem: title icon (RGBA) and app icon (RGB)
# ---------------------------------------------------------------------------

def resample_path(points, spacing):
    """Points along a polyline at even arc-length spacing."""
    pts = np.asarray(points, dtype=np.float64)
    seg = np.hypot(*np.diff(pts, axis=0).T)
    s = np.concatenate([[0.0], np.cumsum(seg)])
    n = max(2, int(s[-1] / spacing) + 1)
    t = np.linspace(0.0, s[-1], n)
    return np.stack([np.interp(t, s, pts[:, 0]), np.interp(t, s, pts[:, 1])], axis=1)


def pencil_line(canvas, points, rng, width, strength, jitter):
    """Draws one hand-drawn pencil line onto canvas (float alpha, 0..1).

    The line wanders a little, its pressure (width and darkness) varies along
    it and it tapers where the pencil lands and lifts; overlapping strokes
    darken like graphite does."""
    size = canvas.shape[0]
    pts = resample_path(points, max(1.0, width * 0.12))
    n = len(pts)
    drift = np.cumsum(rng.normal(0.0, jitter, (n, 2)), axis=0)
    drift -= np.linspace(0.0, 1.0, n)[:, None] * drift[-1:]
    drift = np.stack([np.convolve(drift[:, k], np.ones(15) / 15.0, mode="same") for k in (0, 1)], axis=1)
    pts = pts + drift
    u = np.linspace(0.0, 1.0, n)
    pressure = np.convolve(rng.normal(0.0, 1.0, n + 120), np.ones(121) / 121.0, mode="valid")[:n]
    pressure = 1.0 + 0.25 * pressure / (np.abs(pressure).max() + 1e-9)
    taper = np.minimum(smoothstep(0.0, 0.06, u), smoothstep(1.0, 0.90, u))
    widths = width * pressure * (0.45 + 0.55 * taper)
    alphas = strength * np.clip(pressure, 0.0, 1.0) * (0.35 + 0.65 * taper)
    layer = Image.new("L", (size, size), 0)
    draw = ImageDraw.Draw(layer)
    for (x, y), w, a in zip(pts, widths, alphas):
        r = w / 2.0
        draw.ellipse((x - r, y - r, x + r, y + r), fill=int(round(255 * a)))
    a = np.asarray(layer, dtype=np.float64) / 255.0
    a = blur(a, size * 0.0008)
    canvas[:] = 1.0 - (1.0 - canvas) * (1.0 - a)


def emblem_layers(size, rng):
    """(ink alpha, wash alpha) of the emblem on a size x size canvas, 0..1:
    a sketched circle around a V from which sound spreads to both sides."""
    c = size / 2.0
    ink = np.zeros((size, size))
    w = size * 0.024
    jitter = size * 0.0006

    def arc(cx, cy, r, start, sweep, squash=1.0, n=400):
        t = np.linspace(start, start + sweep, n)
        rr = r * (1.0 + 0.015 * np.sin(2 * t + 0.7))
        return np.stack([cx + rr * np.cos(t), cy + squash * rr * np.sin(t)], axis=1)

    r = size * 0.40
    # the circle in two loose passes that overshoot where they start and end
    pencil_line(ink, arc(c, c, r, -2.0, 2 * math.pi + 0.45), rng, w * 1.15, 0.92, jitter)
    pencil_line(ink, arc(c + size * 0.006, c - size * 0.004, r * 0.975, 0.9, 2 * math.pi - 0.9),
                rng, w * 0.6, 0.55, jitter)

    # the V: two slightly bowed strokes meeting at the bottom
    top_l = (c - 0.165 * size, c - 0.175 * size)
    top_r = (c + 0.165 * size, c - 0.175 * size)
    bottom = (c + 0.004 * size, c + 0.195 * size)
    for a0, a1, bow in ((top_l, bottom, 0.012), (bottom, top_r, 0.012)):
        t = np.linspace(0.0, 1.0, 60)[:, None]
        p0, p1 = np.array(a0), np.array(a1)
        normal = np.array([p1[1] - p0[1], p0[0] - p1[0]])
        normal /= np.hypot(*normal)
        pts = p0 + (p1 - p0) * t + normal * (bow * size) * np.sin(math.pi * t)
        pencil_line(ink, pts, rng, w * 1.5, 0.95, jitter)

    # sound spreading to both sides
    for side in (-1, 1):
        for k, rad in enumerate((0.225, 0.295)):
            t0 = -0.52 + 0.06 * k
            start = t0 if side > 0 else math.pi - t0 - 2 * abs(t0)
            pts = arc(c, c + 0.01 * size, size * rad, start, 2 * abs(t0), squash=1.0, n=120)
            pencil_line(ink, pts, rng, w * (0.95 - 0.15 * k), 0.85 - 0.12 * k, jitter)

    # graphite grain: mostly solid, with flecks where the lead skipped
    tooth = periodic_noise(rng, size, size, size * 0.0018, size * 0.0018)
    ink *= 1.0 - 0.45 * smoothstep(0.4, 2.2, tooth)

    # a loose lilac watercolour fill, spilling a little past the line
    yy, xx = np.mgrid[0:size, 0:size]
    rr = np.hypot(xx - (c - 0.01 * size), yy - (c + 0.012 * size)) / (r * 0.97)
    edge = rr + 0.05 * fractal(rng, size, size, size * 0.08, octaves=4)
    mask = blur(1.0 / (1.0 + np.exp(-(1.0 - edge) / 0.008)), size * 0.0015)
    rim = np.clip(mask - blur(mask, size * 0.012), 0.0, 1.0) * 2.0
    inside = smoothstep(-2.0, 2.0, fractal(rng, size, size, size * 0.15, octaves=3))
    wash_a = np.clip(mask * (0.42 + 0.15 * inside) + 0.25 * rim, 0.0, 1.0)
    return ink, wash_a


def make_icons():
    rng = np.random.RandomState(5505)
    S = 1000
    ink, wash_a = emblem_layers(S, rng)
    lilac = np.array([176.0, 148.0, 214.0])
    # straight-alpha composite of ink over the lilac wash
    a = ink + wash_a * (1.0 - ink)
    rgb = (GRAPHITE * ink[..., None] + lilac * (wash_a * (1.0 - ink))[..., None]) / np.maximum(a, 1e-6)[..., None]
    rgba = np.concatenate([rgb, 255.0 * a[..., None]], axis=2)
    # premultiply for averaging, then back
    pm = rgba.copy()
    pm[..., :3] *= a[..., None]

    def down(f):
        d = box_down(pm, f, f)
        alpha = d[..., 3:4] / 255.0
        colour = d[..., :3] / np.maximum(alpha, 1e-6)
        colour = np.where(alpha > 0, colour, GRAPHITE)
        return np.concatenate([colour, d[..., 3:4]], axis=2)

    save_png("title_icon2x.png", down(4), "RGBA")
    save_png("title_icon.png", down(8), "RGBA")

    # App icon: the emblem large on a lilac wash, opaque.
    N = 1024
    d = wash(np.random.RandomState(5506), N // 2, N // 2, scale=70.0, layers=3)
    d = np.asarray(Image.fromarray(d.astype(np.float32), "F").resize((N, N), Image.BICUBIC), dtype=np.float64)
    bg = colour_of(d, PAPER_WHITE[None, None, :])
    ink2, wash2 = emblem_layers(N, np.random.RandomState(5507))
    wash_colour = np.array([150.0, 120.0, 200.0])
    img = bg * (1 - 0.6 * wash2[..., None]) + wash_colour * 0.6 * wash2[..., None]
    img = img * (1 - ink2[..., None]) + GRAPHITE * ink2[..., None]
    save_png("velto_appicon.png", img, "RGB")


# ---------------------------------------------------------------------------
# The maker's wordmark: SORVAN as one even-odd path, 160 x 31
# ---------------------------------------------------------------------------

class PathPen(BasePen):
    def __init__(self, glyph_set, transform):
        super().__init__(glyph_set)
        self.t = transform
        self.parts = []

    def _pt(self, p):
        x, y = self.t(p)
        return "%s %s" % (fmt(x), fmt(y))

    def _moveTo(self, p):
        self.parts.append("M" + self._pt(p))

    def _lineTo(self, p):
        self.parts.append("L" + self._pt(p))

    def _qCurveToOne(self, p1, p2):
        self.parts.append("Q" + self._pt(p1) + " " + self._pt(p2))

    def _curveToOne(self, p1, p2, p3):
        self.parts.append("C" + self._pt(p1) + " " + self._pt(p2) + " " + self._pt(p3))

    def _closePath(self):
        self.parts.append("Z")


def fmt(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def make_logo():
    font = TTFont("/usr/share/fonts/truetype/lato/Lato-Black.ttf")
    glyphs = font.getGlyphSet()
    cmap = font.getBestCmap()
    hmtx = font["hmtx"]
    text = "SORVAN"
    tracking = 140                                     # font units between letters
    names = [cmap[ord(ch)] for ch in text]
    advances = [hmtx[n][0] for n in names]
    # exact ink box of the word
    xmin = ymin = float("inf")
    xmax = ymax = float("-inf")
    pen_x = 0
    origins = []
    for n, adv in zip(names, advances):
        bp = BoundsPen(glyphs)
        glyphs[n].draw(bp)
        gx0, gy0, gx1, gy1 = bp.bounds
        xmin, xmax = min(xmin, pen_x + gx0), max(xmax, pen_x + gx1)
        ymin, ymax = min(ymin, gy0), max(ymax, gy1)
        origins.append(pen_x)
        pen_x += adv + tracking
    W, H = 160.0, 31.0
    scale = min((W - 2) / (xmax - xmin), (H - 4) / (ymax - ymin))
    ox = (W - (xmax - xmin) * scale) / 2.0 - xmin * scale
    oy = (H + (ymax - ymin) * scale) / 2.0 + ymin * scale
    parts = []
    for n, x0 in zip(names, origins):
        pen = PathPen(glyphs, lambda p, x0=x0: (ox + (x0 + p[0]) * scale, oy - p[1] * scale))
        glyphs[n].draw(pen)
        parts.extend(pen.parts)
    d = "".join(parts)
    svg = ('<?xml version="1.0" encoding="UTF-8"?>\n'
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="160px" height="31px" '
           'viewBox="0 0 160 31">\n'
           '  <title>SORVAN</title>\n'
           '  <path fill="#ffffff" fill-rule="evenodd" d="%s"/>\n'
           '</svg>\n') % d
    with open(out("sorvan.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(svg)


# ---------------------------------------------------------------------------
# Audio loop: four bars of soft chords and a stereo arpeggio
# ---------------------------------------------------------------------------

def make_loop():
    rate = 44100
    bpm = 124.0
    beat = 60.0 / bpm
    bars = 4
    frames = int(round(bars * 4 * beat * rate))          # about 7.74 s
    left = np.zeros(frames)
    right = np.zeros(frames)

    def midi(m):
        return 440.0 * 2 ** ((m - 69) / 12.0)

    def add(start, dur, freq, amp, pan, kind):
        n = int(dur * rate)
        t = np.arange(n) / rate
        if kind == "pad":
            env = np.minimum(t / 0.08, 1.0) * np.exp(-t / (dur * 0.9))
            wave_ = (np.sin(2 * math.pi * freq * t) + 0.35 * np.sin(2 * math.pi * 2 * freq * t + 0.3)
                     + 0.12 * np.sin(2 * math.pi * 3 * freq * t + 1.1))
            wave_ *= 1.0 + 0.15 * np.sin(2 * math.pi * 4.5 * t)
        elif kind == "pluck":
            env = np.minimum(t / 0.004, 1.0) * np.exp(-t / 0.22)
            wave_ = (np.sin(2 * math.pi * freq * t) + 0.5 * np.exp(-t / 0.05) * np.sin(2 * math.pi * 2 * freq * t)
                     + 0.2 * np.exp(-t / 0.03) * np.sin(2 * math.pi * 3 * freq * t))
        else:  # bass
            env = np.minimum(t / 0.01, 1.0) * np.exp(-t / 0.5)
            wave_ = np.sin(2 * math.pi * freq * t) + 0.25 * np.sin(2 * math.pi * 2 * freq * t)
        release = min(n, int(0.08 * rate))                # every note ends at zero: no clicks
        env[n - release:] *= 0.5 + 0.5 * np.cos(np.linspace(0.0, math.pi, release))
        sig = amp * env * wave_
        idx = (int(round(start * rate)) + np.arange(n)) % frames   # tails wrap: the loop is seamless
        gl = math.cos((pan + 1) * math.pi / 4)
        gr = math.sin((pan + 1) * math.pi / 4)
        np.add.at(left, idx, sig * gl)
        np.add.at(right, idx, sig * gr)

    # Am - F - C - G
    chords = [(57, [57, 60, 64]), (53, [53, 57, 60]), (48, [55, 60, 64]), (55, [55, 59, 62])]
    arp = [0, 1, 2, 1, 2, 3, 2, 1]
    for b, (root, notes) in enumerate(chords):
        bar0 = b * 4 * beat
        for k, m in enumerate(notes):
            add(bar0, 4 * beat + 0.25, midi(m), 0.10, (-0.5, 0.0, 0.5)[k], "pad")
        add(bar0, 2 * beat, midi(root - 12), 0.22, 0.0, "bass")
        add(bar0 + 2.5 * beat, 1.5 * beat, midi(root - 12), 0.16, 0.0, "bass")
        tones = notes + [notes[0] + 12]
        for i, step in enumerate(arp):
            m = tones[step] + 12
            pan = -0.7 if i % 2 == 0 else 0.7
            add(bar0 + i * 0.5 * beat, 0.9, midi(m), 0.09, pan, "pluck")

    peak = max(np.abs(left).max(), np.abs(right).max())
    gain = (10 ** (-3.0 / 20.0)) / peak                   # peak at -3 dBFS
    pcm = np.stack([left, right], axis=1) * gain
    pcm = np.clip(np.rint(pcm * 32767.0), -32768, 32767).astype("<i2")
    with wave.open(out("loop.wav"), "wb") as f:
        f.setnchannels(2)
        f.setsampwidth(2)
        f.setframerate(rate)
        f.writeframes(pcm.tobytes())


# ---------------------------------------------------------------------------

def check():
    def png(name, size, mode):
        im = Image.open(out(name))
        assert im.size == size and im.mode == mode, (name, im.size, im.mode)

    png("pencil.png", (300, 22), "RGBA")
    png("pencil2x.png", (600, 36), "RGBA")
    png("papper.png", (250, 250), "RGB")
    png("papper2x.png", (500, 500), "RGB")
    png("filltexture.png", (250, 250), "RGB")
    png("filltexture2x.png", (500, 500), "RGB")
    png("lila.png", (2000, 1796), "RGB")
    png("title_icon.png", (125, 125), "RGBA")
    png("title_icon2x.png", (250, 250), "RGBA")
    png("velto_appicon.png", (1024, 1024), "RGB")
    with wave.open(out("loop.wav"), "rb") as f:
        assert (f.getnchannels(), f.getsampwidth(), f.getframerate()) == (2, 2, 44100)
        assert 7.5 < f.getnframes() / 44100.0 < 7.9


STEPS = {
    "fonts": make_fonts,
    "pencil": make_pencil,
    "paper": make_paper,
    "fill": make_fill,
    "lila": make_lila,
    "icons": make_icons,
    "logo": make_logo,
    "loop": make_loop,
}


def main(argv):
    chosen = argv[1:] or list(STEPS)
    for name in chosen:
        print("making", name, flush=True)
        STEPS[name]()
    if not argv[1:]:
        check()


if __name__ == "__main__":
    main(sys.argv)
