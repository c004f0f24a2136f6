#!/usr/bin/env python3
"""Draws the program icon: a blue rounded tile with a white "V" and a small yellow card,
at 16x16 and 32x32, and writes them as resources/vocorix.ico (32-bit images with masks)."""
import os
import struct

SAMPLES = 4  # per axis, for smooth edges


def inside_rounded(x, y, size, radius):
    lo, hi = radius, size - radius
    cx = min(max(x, lo), hi)
    cy = min(max(y, lo), hi)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and 0 <= x <= size and 0 <= y <= size


def inside_polygon(x, y, points):
    result = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def shapes(size):
    s = size / 32.0
    v = [(6, 7), (12, 7), (16, 20), (20, 7), (26, 7), (19, 26), (13, 26)]
    card = [(21, 19), (28, 19), (28, 28), (21, 28)]
    return [(x * s, y * s) for x, y in v], [(x * s, y * s) for x, y in card]


def pixel(size, px, py):
    """Colour (r, g, b, a) of one pixel, averaged over its samples."""
    letter, card = shapes(size)
    radius = size * 0.22
    acc = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if not inside_rounded(x, y, size, radius):
                continue
            if inside_polygon(x, y, card):
                colour = (250, 200, 40)
            elif inside_polygon(x, y, letter):
                colour = (255, 255, 255)
            else:
                shade = y / size  # lighter at the top
                colour = (int(40 - 20 * shade), int(110 - 40 * shade), int(210 - 50 * shade))
            for k in range(3):
                acc[k] += colour[k]
            acc[3] += 255
    n = SAMPLES * SAMPLES
    covered = acc[3] / 255
    if covered == 0:
        return (0, 0, 0, 0)
    return (int(acc[0] / covered), int(acc[1] / covered), int(acc[2] / covered), int(acc[3] / n))


def image(size):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for py in reversed(range(size)):
        row = b""
        bits = bytearray(mask_stride)
        for px in range(size):
            r, g, b, a = pixel(size, px, py)
            row += bytes((b, g, r, a))
            if a == 0:
                bits[px // 8] |= 0x80 >> (px % 8)
        rows.append(row)
        mask_rows.append(bytes(bits))
    return header + b"".join(rows) + b"".join(mask_rows)


def main():
    images = [image(16), image(32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "vocorix.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
