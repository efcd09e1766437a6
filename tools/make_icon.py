#!/usr/bin/env python3
"""Draws Brenvik's icon and writes it as brenvik.ico.

One 32 x 32 image with 256 colours: a 40-byte BITMAPINFOHEADER, a 256-entry
palette (1024 bytes), 1024 bytes of 8-bit pixels and a 128-byte AND mask, 2216
bytes in all. The picture is a blue rounded tile with a white pair of beamed
notes and a small yellow status dot. Run it again after changing the drawing:
    python3 tools/make_icon.py app/resources/brenvik.ico
"""
import math
import struct
import sys

SIZE = 32
SAMPLES = 4  # supersampling per axis, for smooth edges


def inside_rounded_square(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_ellipse(x, y, cx, cy, rx, ry, tilt):
    dx, dy = x - cx, y - cy
    c, s = math.cos(tilt), math.sin(tilt)
    u, v = dx * c + dy * s, -dx * s + dy * c
    return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0


def inside_beam(x, y):
    # A slanted bar joining the tops of the two stems.
    x0, y0, x1, y1 = 12.0, 8.0, 23.5, 5.5
    if not (x0 <= x <= x1):
        return False
    top = y0 + (y1 - y0) * (x - x0) / (x1 - x0)
    return top <= y <= top + 3.2


def note(x, y):
    """Coverage test for the white beamed notes."""
    heads = [(10.0, 21.0), (21.5, 18.5)]
    for hx, hy in heads:
        if inside_ellipse(x, y, hx, hy, 3.4, 2.5, -0.45):
            return True
    if 11.9 <= x <= 13.6 and 9.0 <= y <= 20.5:
        return True
    if 21.8 <= x <= 23.5 and 6.5 <= y <= 18.0:
        return True
    return inside_beam(x, y)


def tile_colour(y):
    # Vertical gradient, light blue at the top to deep blue at the bottom.
    t = y / SIZE
    top, bottom = (74, 144, 226), (22, 66, 150)
    return tuple(a + (b - a) * t for a, b in zip(top, bottom))


def render():
    """Returns rows of (r, g, b, opaque) pixels, top row first."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    if not inside_rounded_square(x, y, 0.5, 0.5, 31.5, 31.5, 6.0):
                        continue
                    covered += 1
                    if not inside_rounded_square(x, y, 1.5, 1.5, 30.5, 30.5, 5.0):
                        colour = (12, 40, 100)  # outline
                    elif inside_ellipse(x, y, 26.0, 26.0, 3.2, 3.2, 0.0):
                        colour = (255, 204, 0)  # status dot
                    elif note(x, y):
                        colour = (255, 255, 255)
                    else:
                        colour = tile_colour(y)
                    for i in range(3):
                        acc[i] += colour[i]
            if covered * 2 < SAMPLES * SAMPLES:
                row.append((0, 0, 0, False))
            else:
                row.append(tuple(round(c / covered) for c in acc) + (True,))
        rows.append(row)
    return rows


def median_cut(colours, count):
    """Splits the colour set along its widest channel until `count` boxes remain."""
    boxes = [sorted(set(colours))]
    while len(boxes) < count:
        boxes.sort(key=lambda b: max(max(c[i] for c in b) - min(c[i] for c in b) for i in range(3)))
        widest = boxes.pop()
        if len(widest) < 2:
            boxes.append(widest)
            break
        channel = max(range(3), key=lambda i: max(c[i] for c in widest) - min(c[i] for c in widest))
        widest.sort(key=lambda c: c[channel])
        half = len(widest) // 2
        boxes += [widest[:half], widest[half:]]
    return [tuple(round(sum(c[i] for c in b) / len(b)) for i in range(3)) for b in boxes]


def build_icon(rows):
    opaque = [p[:3] for row in rows for p in row if p[3]]
    palette = [(0, 0, 0)] + median_cut(opaque, 255)  # entry 0: black, under the mask
    palette += [(0, 0, 0)] * (256 - len(palette))

    def nearest(colour):
        return min(range(1, 256), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))

    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        bits = 0
        for x, p in enumerate(row):
            pixels.append(nearest(p[:3]) if p[3] else 0)
            if not p[3]:
                bits |= 1 << (31 - x)
        mask += bits.to_bytes(4, "big")

    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(pixels) + len(mask), 0, 0, 256, 0)
    image = header + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette) + pixels + mask
    assert len(image) == 2216, len(image)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "brenvik.ico", "wb") as out:
        out.write(build_icon(render()))
