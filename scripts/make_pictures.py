#!/usr/bin/env python3
"""Draws the wizard's pictures and writes them as resources.

    python3 scripts/make_pictures.py [output folder, default src/ui/res]

Standard library only and deterministic: the same script writes the same bytes,
so the generated files can be committed and rebuilt at will.

Shapes are signed distance functions sampled at pixel centres; the distance
gives the edge's coverage, which is the anti-aliasing. Pictures are composed in
premultiplied RGBA and reduced to a 256-colour palette (median cut) for the
8-bit bitmaps. The icon keeps 32-bit colour with alpha.
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------- geometry


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def sd_round_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r

    return d, (x0, y0, x1, y1)


def sd_circle(cx, cy, r):
    return (lambda x, y: math.hypot(x - cx, y - cy) - r), (cx - r, cy - r, cx + r, cy + r)


def _segment_distance(x, y, ax, ay, bx, by):
    ex, ey = bx - ax, by - ay
    wx, wy = x - ax, y - ay
    t = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey))
    return math.hypot(wx - ex * t, wy - ey * t)


def sd_polyline(points, width, closed=False):
    """A stroke of the given width along the points, with round joins and caps."""
    segs = list(zip(points, points[1:] + (points[:1] if closed else [])))
    half = width / 2

    def d(x, y):
        return min(_segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - half

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return d, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)


def sd_polygon(points):
    n = len(points)

    def d(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            best = min(best, _segment_distance(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                inside = not inside
        return -best if inside else best

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return d, (min(xs), min(ys), max(xs), max(ys))


def sd_arc(cx, cy, radius, width, a0, a1):
    """A stroke along a circle from angle a0 to a1 (degrees, clockwise on screen), butt ends."""
    half = width / 2
    t0, t1 = math.radians(a0), math.radians(a1)
    ends = []
    for t in (t0, t1):
        c, s = math.cos(t), math.sin(t)
        ends.append((cx + c * (radius - half), cy + s * (radius - half),
                     cx + c * (radius + half), cy + s * (radius + half)))
    sweep = (t1 - t0) % (2 * math.pi)

    def d(x, y):
        t = (math.atan2(y - cy, x - cx) - t0) % (2 * math.pi)
        if t <= sweep:
            return abs(math.hypot(x - cx, y - cy) - radius) - half
        return min(_segment_distance(x, y, *e) for e in ends)

    r = radius + half
    return d, (cx - r, cy - r, cx + r, cy + r)


def arrow_head(cx, cy, radius, angle, length, spread, clockwise=True):
    """The triangle that ends an arc at `angle`, pointing along the direction of travel."""
    t = math.radians(angle)
    px, py = cx + radius * math.cos(t), cy + radius * math.sin(t)
    sign = 1 if clockwise else -1
    tx, ty = -math.sin(t) * sign, math.cos(t) * sign  # tangent
    nx, ny = math.cos(t), math.sin(t)  # outward normal
    return [(px + tx * length, py + ty * length),
            (px + nx * spread, py + ny * spread),
            (px - nx * spread, py - ny * spread)]


def outline(shape, width):
    d, (x0, y0, x1, y1) = shape
    half = width / 2
    return (lambda x, y: abs(d(x, y)) - half), (x0 - half, y0 - half, x1 + half, y1 + half)


def offset(shape, dx, dy):
    d, (x0, y0, x1, y1) = shape
    return (lambda x, y: d(x - dx, y - dy)), (x0 + dx, y0 + dy, x1 + dx, y1 + dy)


def scaled(shape, k):
    d, (x0, y0, x1, y1) = shape
    return (lambda x, y: d(x / k, y / k) * k), (x0 * k, y0 * k, x1 * k, y1 * k)


def union(*shapes):
    fs = [s[0] for s in shapes]
    boxes = [s[1] for s in shapes]
    return (lambda x, y: min(f(x, y) for f in fs)), (
        min(b[0] for b in boxes), min(b[1] for b in boxes),
        max(b[2] for b in boxes), max(b[3] for b in boxes))


def minus(a, b):
    fa, fb = a[0], b[0]
    return (lambda x, y: max(fa(x, y), -fb(x, y))), a[1]


# ---------------------------------------------------------------- paint


def solid(rgb):
    return lambda x, y: rgb


def linear(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def f(x, y):
        t = clamp(((x - x0) * dx + (y - y0) * dy) / ll)
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))

    return f


def hexrgb(h):
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))


class Canvas:
    """Premultiplied RGBA, 0..255 floats, y down."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        a = 0.0 if fill is None else 255.0
        c = (0.0, 0.0, 0.0) if fill is None else tuple(float(v) for v in fill)
        self.px = [[c[0], c[1], c[2], a] for _ in range(w * h)]

    def paint(self, shape, colour, opacity=1.0, soft=0.0):
        """Fills the shape; `soft` widens the edge into a blur of that many pixels."""
        d, (bx0, by0, bx1, by1) = shape
        if callable(colour):
            paint = colour
        else:
            paint = solid(colour)
        pad = soft + 1.0
        ix0, iy0 = max(0, int(bx0 - pad)), max(0, int(by0 - pad))
        ix1, iy1 = min(self.w, int(bx1 + pad) + 1), min(self.h, int(by1 + pad) + 1)
        for iy in range(iy0, iy1):
            y = iy + 0.5
            row = iy * self.w
            for ix in range(ix0, ix1):
                x = ix + 0.5
                dist = d(x, y)
                if soft > 0:
                    cov = clamp(0.5 - dist / (2 * soft))
                else:
                    cov = clamp(0.5 - dist)
                if cov <= 0:
                    continue
                a = cov * opacity
                r, g, b = paint(x, y)
                p = self.px[row + ix]
                k = 1 - a
                p[0] = r * a + p[0] * k
                p[1] = g * a + p[1] * k
                p[2] = b * a + p[2] * k
                p[3] = 255 * a + p[3] * k

    def blit(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                tx, ty = x + ox, y + oy
                if 0 <= tx < self.w and 0 <= ty < self.h:
                    s = other.px[y * other.w + x]
                    p = self.px[ty * self.w + tx]
                    k = 1 - s[3] / 255
                    for i in range(4):
                        p[i] = s[i] + p[i] * k

    def rgb_over(self, background):
        """Opaque pixels over a background colour, as integer tuples."""
        out = []
        for r, g, b, a in self.px:
            k = 1 - a / 255
            out.append(tuple(int(round(clamp(c + bg * k, 0, 255)))
                             for c, bg in zip((r, g, b), background)))
        return out

    def rgba(self):
        """Straight (not premultiplied) RGBA as integer tuples."""
        out = []
        for r, g, b, a in self.px:
            if a <= 0:
                out.append((0, 0, 0, 0))
                continue
            k = 255 / a
            out.append((int(round(clamp(r * k, 0, 255))), int(round(clamp(g * k, 0, 255))),
                        int(round(clamp(b * k, 0, 255))), int(round(clamp(a, 0, 255)))))
        return out


# ---------------------------------------------------------------- palette


def median_cut(pixels, count):
    hist = {}
    for p in pixels:
        hist[p] = hist.get(p, 0) + 1
    colours = sorted(hist)
    if len(colours) <= count:
        return colours
    boxes = [colours]

    def spread(box):
        return max(max(c[i] for c in box) - min(c[i] for c in box) for i in range(3))

    while len(boxes) < count:
        # Split the box whose colours spread widest, weighted by how many pixels it holds.
        scores = [(spread(b) * math.sqrt(sum(hist[c] for c in b)), i)
                  for i, b in enumerate(boxes) if len(b) > 1]
        if not scores:
            break
        _, i = max(scores)
        box = boxes.pop(i)
        ranges = [max(c[k] for c in box) - min(c[k] for c in box) for k in range(3)]
        axis = ranges.index(max(ranges))
        box.sort(key=lambda c: (c[axis], c))
        total = sum(hist[c] for c in box)
        run, cut = 0, 1
        for j, c in enumerate(box):
            run += hist[c]
            if run * 2 >= total:
                cut = min(max(j + 1, 1), len(box) - 1)
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for b in boxes:
        n = sum(hist[c] for c in b)
        palette.append(tuple(int(round(sum(c[k] * hist[c] for c in b) / n)) for k in range(3)))
    return sorted(set(palette))


def nearest_index(palette, first=0):
    cache = {}

    def find(c):
        if c not in cache:
            best, bi = None, first
            for i in range(first, len(palette)):
                p = palette[i]
                d = (p[0] - c[0]) ** 2 * 3 + (p[1] - c[1]) ** 2 * 4 + (p[2] - c[2]) ** 2 * 2
                if best is None or d < best:
                    best, bi = d, i
            cache[c] = bi
        return cache[c]

    return find


# ---------------------------------------------------------------- files


def bmp8(w, h, pixels, reserved=None):
    """An 8-bit palette BMP, bottom-up. `reserved` is a colour kept at index 0
    and given only to the pixels of exactly that colour (the glyphs' transparency)."""
    if reserved is None:
        palette = median_cut(pixels, 256)
        find = nearest_index(palette)
        indices = [find(p) for p in pixels]
    else:
        palette = [reserved] + median_cut([p for p in pixels if p != reserved], 255)
        find = nearest_index(palette, first=1)
        indices = [0 if p == reserved else find(p) for p in pixels]
    stride = (w + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytes(indices[y * w:(y + 1) * w])
        rows.append(row + b"\0" * (stride - w))
    data = b"".join(rows)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    pal += b"\0" * (4 * (256 - len(palette)))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(data), 3780, 3780, 256, 0)
    offbits = 14 + len(info) + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offbits + len(data), 0, 0, offbits)
    return header + info + pal + data


def ico(images):
    """An icon file of 32-bit images with alpha; `images` is a list of (size, rgba pixels)."""
    blobs = []
    for size, px in images:
        xor = []
        for y in range(size - 1, -1, -1):
            for r, g, b, a in px[y * size:(y + 1) * size]:
                xor.append(struct.pack("<BBBB", b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            row = bytearray(mask_stride)
            for x in range(size):
                if px[y * size + x][3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        body = b"".join(xor) + bytes(mask)
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(body), 0, 0, 0, 0)
        blobs.append((size, info + body))
    out = struct.pack("<HHH", 0, 1, len(blobs))
    pos = 6 + 16 * len(blobs)
    for size, blob in blobs:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), pos)
        pos += len(blob)
    return out + b"".join(blob for _, blob in blobs)


# ---------------------------------------------------------------- the motif

BLUE_TOP = hexrgb("4f93f0")
BLUE_BOTTOM = hexrgb("1c4fb0")
GREEN_LIGHT = hexrgb("7fdc4a")
GREEN_DARK = hexrgb("2f9a1c")
GREEN_EDGE = hexrgb("1d6a10")


def draw_motif(cv, k, small=False):
    """The computer with its curved arrow on a blue rounded square, drawn in a
    53-unit square scaled by k. `small` thickens the strokes for 16 pixels."""

    def S(shape):
        return scaled(shape, k)

    # Drop shadow and the rounded square.
    cv.paint(S(offset(sd_round_rect(3, 3, 50, 50, 10), 0.6, 1.4)), (0, 20, 60), 0.35,
             soft=1.2 * k if not small else 0)
    cv.paint(S(sd_round_rect(3, 3, 50, 50, 10)), linear(0, 3 * k, BLUE_TOP, 0, 50 * k, BLUE_BOTTOM))
    # A soft gloss over the upper half.
    gloss = minus(sd_round_rect(4, 4, 49, 49, 9), sd_circle(26.5, 78, 52))
    cv.paint(S(gloss), (255, 255, 255), 0.16)
    cv.paint(S(outline(sd_round_rect(3, 3, 50, 50, 10), 1.0)), hexrgb("163f8c"), 0.55)

    # The computer: a monitor on a stand, screen facing us.
    body = sd_round_rect(10, 13, 40, 35, 2.2)
    neck = sd_polygon([(22, 34.5), (28, 34.5), (29.5, 39.5), (20.5, 39.5)])
    base = sd_round_rect(15.5, 39, 34.5, 42.5, 1.6)
    shadow = union(body, neck, base)
    cv.paint(S(offset(shadow, 0.5, 1.0)), (0, 15, 50), 0.35, soft=0.8 * k if not small else 0)
    frame = linear(0, 13 * k, hexrgb("f4f6f9"), 0, 35 * k, hexrgb("c2c9d4"))
    cv.paint(S(neck), linear(0, 34 * k, hexrgb("b5bdc9"), 0, 40 * k, hexrgb("8d97a6")))
    cv.paint(S(base), linear(0, 39 * k, hexrgb("e8ecf1"), 0, 43 * k, hexrgb("a8b1be")))
    cv.paint(S(body), frame)
    cv.paint(S(outline(body, 0.8)), hexrgb("5c6a80"), 0.8)
    cv.paint(S(outline(base, 0.7)), hexrgb("5c6a80"), 0.7)
    screen = sd_round_rect(12.5, 15.5, 37.5, 31.5, 0.8)
    cv.paint(S(screen), linear(12 * k, 15 * k, hexrgb("9fe0ff"), 30 * k, 33 * k, hexrgb("2d7fd6")))
    # A diagonal sheen across the screen.
    sheen = minus(screen, sd_polygon([(12, 31.5), (28, 15.5), (40, 15.5), (40, 32), (12, 32)]))
    cv.paint(S(sheen), (255, 255, 255), 0.22)
    cv.paint(S(outline(screen, 0.6)), hexrgb("24528f"), 0.7)

    # The curved arrow: it sweeps over the monitor's top right and comes down into the screen.
    cx, cy, r = 30.0, 27.0, 12.5
    w = 4.6 if small else 3.6
    a0, a1 = 200.0, 318.0
    arc = sd_arc(cx, cy, r, w, a0, a1)
    head = sd_polygon(arrow_head(cx, cy, r, a1 - 1, 7.0 if small else 6.0, 5.6 if small else 5.0))
    arrow = union(arc, head)
    cv.paint(S(offset(arrow, 0.4, 0.9)), (0, 20, 40), 0.35, soft=0.7 * k if not small else 0)
    cv.paint(S(outline(arrow, 1.4)), GREEN_EDGE, 0.95)
    cv.paint(S(arrow), linear(0, 14 * k, GREEN_LIGHT, 0, 32 * k, GREEN_DARK))
    highlight = sd_arc(cx, cy, r + w * 0.22, w * 0.3, a0 + 6, a1 - 8)
    if not small:
        cv.paint(S(highlight), (230, 255, 200), 0.45)


def header_picture():
    cv = Canvas(53, 53, fill=(255, 255, 255))
    draw_motif(cv, 1.0)
    return cv.rgb_over((255, 255, 255))


def draw_motif_16(cv):
    """The motif redrawn on the pixel grid: scaled down, its details only blur."""
    cv.paint(sd_round_rect(0.5, 0.5, 15.5, 15.5, 3.2), linear(0, 0, BLUE_TOP, 0, 16, BLUE_BOTTOM))
    cv.paint(outline(sd_round_rect(0.5, 0.5, 15.5, 15.5, 3.2), 0.8), hexrgb("163f8c"), 0.6)
    # Monitor in the lower left, the arrow above it to the right: on 16 pixels
    # they must not overlap.
    cv.paint(sd_round_rect(2, 6, 11, 12, 0.6), hexrgb("e8ecf1"))
    cv.paint(sd_round_rect(3, 7, 10, 11, 0), linear(3, 7, hexrgb("9fe0ff"), 10, 11, hexrgb("2d7fd6")))
    cv.paint(sd_round_rect(5.5, 12, 7.5, 13, 0), hexrgb("9aa3b0"))
    cv.paint(sd_round_rect(4, 13, 9, 14, 0), hexrgb("d5dae2"))
    cx, cy, r = 9.4, 7.6, 3.5
    arrow = union(sd_arc(cx, cy, r, 1.8, 195, 335),
                  sd_polygon(arrow_head(cx, cy, r, 333, 3.0, 2.7)))
    cv.paint(offset(arrow, 0.3, 0.6), GREEN_EDGE, 0.8)
    cv.paint(arrow, linear(0, 3, GREEN_LIGHT, 0, 10, GREEN_DARK))


def motif_layer(size):
    cv = Canvas(size, size)
    if size == 16:
        draw_motif_16(cv)
    else:
        draw_motif(cv, size / 53)
    return cv


# ---------------------------------------------------------------- side banner


def side_picture():
    w, h = 164, 314
    cv = Canvas(w, h)
    cv.paint(sd_round_rect(-5, -5, w + 5, h + 5, 0),
             linear(0, 0, hexrgb("1d3f8f"), w * 0.35, h, hexrgb("07163f")))
    # A broad, faint glow behind the computer.
    cv.paint(sd_circle(82, 175, 70), hexrgb("3d6fd0"), 0.18, soft=45)

    line = hexrgb("8fb4f2")
    # The large computer, drawn as an outline.
    body = sd_round_rect(16, 128, 148, 222, 7)
    screen = sd_round_rect(28, 140, 136, 206, 3)
    neck = sd_polygon([(70, 222), (94, 222), (100, 246), (64, 246)])
    base = sd_round_rect(44, 245, 120, 256, 4)
    cv.paint(screen, hexrgb("2a5bc0"), 0.22)
    cv.paint(outline(body, 2.4), line, 0.75)
    cv.paint(outline(screen, 1.6), line, 0.55)
    cv.paint(outline(neck, 2.0), line, 0.6)
    cv.paint(outline(base, 2.4), line, 0.75)
    # A power light on the frame, and a few lines of "text" on the screen.
    cv.paint(sd_circle(82, 214, 2), hexrgb("9fe07a"), 0.9)
    for i, (x0, x1) in enumerate([(40, 104), (40, 90), (40, 118), (40, 76)]):
        y = 156 + i * 11
        cv.paint(sd_polyline([(x0, y), (x1, y)], 3), line, 0.28)

    # The curved arrow: from the upper left it bends down into the screen.
    cx, cy, r = 96.0, 160.0, 62.0
    a0, a1 = 197.0, 296.0
    arc = sd_arc(cx, cy, r, 11, a0, a1)
    head = sd_polygon(arrow_head(cx, cy, r, a1 - 1, 20, 16))
    arrow = union(arc, head)
    cv.paint(offset(arrow, 1.5, 3), (0, 0, 20), 0.35, soft=3)
    cv.paint(arrow, linear(30, 100, hexrgb("8ee35a"), 120, 170, hexrgb("3aa62a")), 0.92)
    cv.paint(outline(arrow, 1.5), hexrgb("c9f7ae"), 0.45)

    # A thin rule along the right edge, where the banner meets the page.
    cv.paint(sd_polyline([(w - 0.5, 0), (w - 0.5, h)], 1), hexrgb("5e86d8"), 0.5)

    # The header's picture in the top right corner.
    cv.blit(motif_layer(53), w - 53 - 6, 6)
    return cv.rgb_over((0, 0, 0))


# ---------------------------------------------------------------- glyphs

TRANSPARENT = (128, 128, 0)  # clOlive, the classic glyph background
FACE = (240, 240, 240)  # edges are smoothed against a light button face


def glyph(draw):
    cv = Canvas(16, 16)
    draw(cv)
    out = []
    for r, g, b, a in cv.rgba():
        if a < 90:
            out.append(TRANSPARENT)
        else:
            t = a / 255
            c = tuple(int(round(v * t + f * (1 - t))) for v, f in zip((r, g, b), FACE))
            out.append(c if c != TRANSPARENT else (c[0], c[1], c[2] + 1))
    assert out[15 * 16] == TRANSPARENT, "the bottom-left pixel must stay transparent"
    return out


def draw_ok(cv):
    tick = [(3.2, 8.6), (6.4, 11.8), (12.8, 4.4)]
    cv.paint(sd_polyline(tick, 4.2), hexrgb("1f6b12"))
    cv.paint(sd_polyline(tick, 2.6), linear(0, 4, hexrgb("6fd43c"), 0, 12, hexrgb("2e9a1c")))


def draw_cancel(cv):
    a = sd_polyline([(4.2, 4.2), (11.8, 11.8)], 4.0)
    b = sd_polyline([(11.8, 4.2), (4.2, 11.8)], 4.0)
    x = union(a, b)
    cv.paint(x, hexrgb("8c1010"))
    inner = union(sd_polyline([(4.2, 4.2), (11.8, 11.8)], 2.4),
                  sd_polyline([(11.8, 4.2), (4.2, 11.8)], 2.4))
    cv.paint(inner, linear(0, 3, hexrgb("ff6a5a"), 0, 13, hexrgb("d0201a")))


def draw_retry(cv):
    cx, cy, r = 8.0, 8.6, 4.6
    a0, a1 = 300.0, 232.0  # clockwise from just right of the top, nearly all the way round
    arc = sd_arc(cx, cy, r, 2.4, a0, a1)
    head = sd_polygon(arrow_head(cx, cy, r, a1 - 4, 3.6, 3.3))
    shape = union(arc, head)
    cv.paint(outline(shape, 1.3), hexrgb("1f6b12"))
    cv.paint(shape, linear(0, 3, hexrgb("74d842"), 0, 14, hexrgb("2e9a1c")))


def draw_ignore(cv):
    # A pencil lying from the lower left to the upper right, writing at its lower left.
    def along(t, n):
        # Point t along the pencil's axis, n across it.
        ax, ay, bx, by = 3.0, 13.0, 13.2, 2.8
        ux, uy = (bx - ax), (by - ay)
        ll = math.hypot(ux, uy)
        ux, uy = ux / ll, uy / ll
        return (ax + ux * t + uy * n, ay + uy * t - ux * n)

    half = 2.2
    tip = sd_polygon([along(0, 0), along(4.0, half), along(4.0, -half)])
    lead = sd_polygon([along(0, 0), along(1.6, 0.9), along(1.6, -0.9)])
    body = sd_polygon([along(4.0, half), along(11.0, half), along(11.0, -half), along(4.0, -half)])
    band = sd_polygon([along(11.0, half), along(12.2, half), along(12.2, -half), along(11.0, -half)])
    eraser = sd_polygon([along(12.2, half), along(14.2, half), along(14.2, -half),
                         along(12.2, -half)])
    edge = hexrgb("5a4010")
    cv.paint(outline(union(tip, body, band, eraser), 1.0), edge)
    cv.paint(tip, hexrgb("f3d9a8"))
    cv.paint(lead, hexrgb("303030"))
    cv.paint(body, linear(*along(7, half), hexrgb("ffd84a"), *along(7, -half), hexrgb("e09a10")))
    cv.paint(band, hexrgb("b8bcc4"))
    cv.paint(eraser, hexrgb("f08a9a"))


def draw_abort(cv):
    disc = sd_circle(8.0, 7.8, 6.4)
    cv.paint(disc, hexrgb("8c1010"))
    cv.paint(sd_circle(8.0, 7.8, 5.5), linear(0, 2, hexrgb("ff6a5a"), 0, 14, hexrgb("c8181a")))
    cross = union(sd_polyline([(5.6, 5.4), (10.4, 10.2)], 1.9),
                  sd_polyline([(10.4, 5.4), (5.6, 10.2)], 1.9))
    cv.paint(cross, (255, 255, 255))


# ---------------------------------------------------------------- main


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "src", "ui", "res")
    os.makedirs(out, exist_ok=True)
    files = {
        "header.bmp": bmp8(53, 53, header_picture()),
        "side.bmp": bmp8(164, 314, side_picture()),
        "vortanbar.ico": ico([(s, motif_layer(s).rgba()) for s in (16, 32, 48)]),
    }
    for name, draw in [("ok", draw_ok), ("cancel", draw_cancel), ("retry", draw_retry),
                       ("ignore", draw_ignore), ("abort", draw_abort)]:
        files["glyph_%s.bmp" % name] = bmp8(16, 16, glyph(draw), reserved=TRANSPARENT)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print("%s: %d bytes" % (os.path.join(out, name), len(data)))


if __name__ == "__main__":
    main()
