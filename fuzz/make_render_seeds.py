#!/usr/bin/env python3
"""Writes fuzz_render seeds from a skin folder: its description and its pictures at their sizes
(at most 255 pixels a side), each with a sample of its colours.

usage: make_render_seeds.py <skin.ini> <out file>"""
import os
import struct
import sys

SAMPLE = 96  # colours kept per picture; fuzz_render repeats them to fill the picture


def bmp_sample(path):
    """(width, height, RGB bytes of SAMPLE pixels spread over the picture) of an uncompressed BMP."""
    data = open(path, 'rb').read()
    offset, = struct.unpack_from('<I', data, 10)
    width, height, _, bits = struct.unpack_from('<iiHH', data, 18)
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = abs(height)
    out = bytearray()
    for i in range(SAMPLE):
        n = (i * width * rows) // SAMPLE
        x, y = n % width, n // width
        at = offset + (rows - 1 - y) * stride + x * step if height > 0 else offset + y * stride + x * step
        b, g, r = data[at:at + 3]
        out += bytes((r, g, b))
    return min(width, 255), min(rows, 255), bytes(out)


def pictures_of(ini_text):
    section, names, active = None, {}, {}
    for line in ini_text.splitlines():
        line = line.strip()
        if line.startswith('['):
            section = line.strip('[]').upper()
        elif section == 'PICTURES' and '=' in line:
            key, value = (p.strip() for p in line.split('=', 1))
            if key.isdigit():
                active[int(key)] = value
            else:
                names[key.lower()] = value
    return [names.get('picture', ''), names.get('inactivepicture', ''), names.get('mask', '')] + \
        [active[i] for i in sorted(active)]


def main():
    ini, out = sys.argv[1], sys.argv[2]
    raw = open(ini, 'rb').read()
    folder = os.path.dirname(ini)
    seed = bytearray(struct.pack('<I', len(raw))[:3]) + raw
    for name in pictures_of(raw.decode('latin-1'))[:16]:
        if not name:
            seed += b'\0\0'
            continue
        w, h, colours = bmp_sample(os.path.join(folder, name))
        seed += bytes((w, h)) + colours
    open(out, 'wb').write(seed)


main()
