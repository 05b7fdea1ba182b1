#!/usr/bin/env python3
"""Prints the reference line of each demo view PNG: palette set, view, width, height and the
FNV-1a 64 checksum of its pixels as R, G, B bytes row by row, the format of demo_views.txt.

The PNGs are named demo_set<N>_<view>.png and written by `pelmora-cli render`; they are read
from this folder or from the folder given as argument. With --check, compares the lines with
demo_views.txt instead and exits 1 on any difference. Only the standard
library is used: 8-bit RGB or RGBA, non-interlaced PNGs.
"""
import re
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent


def read_png(path):
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError(f"{path}: need 8-bit RGB or RGBA, non-interlaced")
    channels = 3 if colour_type == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            upper_left = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                best = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                line[i] = (line[i] + best) & 0xFF
        rows.append(line)
        previous = line
    rgb = bytearray()
    for line in rows:
        for x in range(width):
            rgb += line[x * channels:x * channels + 3]
    return width, height, bytes(rgb)


def fnv1a64(data):
    value = 0xCBF29CE484222325
    for byte in data:
        value = ((value ^ byte) * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return value


def reference_lines(folder):
    lines = []
    for path in sorted(folder.glob("demo_set*_*.png")):
        match = re.fullmatch(r"demo_set(\d+)_(\w+)\.png", path.name)
        width, height, rgb = read_png(path)
        lines.append(f"{match[1]} {match[2]} {width} {height} {fnv1a64(rgb):x}")
    return lines


def main():
    folders = [Path(arg) for arg in sys.argv[1:] if not arg.startswith("--")]
    lines = reference_lines(folders[0] if folders else HERE)
    if "--check" not in sys.argv[1:]:
        print("\n".join(lines))
        return 0
    kept = {line for line in (HERE / "demo_views.txt").read_text().splitlines()
            if line and not line.startswith("#")}
    differing = sorted(set(lines) ^ kept)
    for line in differing:
        print(("png only: " if line in lines else "txt only: ") + line)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
