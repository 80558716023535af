#!/usr/bin/env python3
"""Writes the web app's icons: the desktop icon (an 8-bit palette PNG) scaled up by whole
pixels to each size given, as RGBA PNG, with the standard library alone.
   scripts/web-icons.py resources/shrink2d.png build/web 192 512"""
import struct
import sys
import zlib


def chunks(data):
    pos = 8
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return rows


def read_rgba(path):
    data = open(path, "rb").read()
    idat, palette, alpha = b"", b"", b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
        elif kind == b"PLTE":
            palette = body
        elif kind == b"tRNS":
            alpha = body
        elif kind == b"IDAT":
            idat += body
    if depth != 8 or colour not in (2, 3, 6):
        sys.exit(f"web-icons: {path}: only 8-bit palette, RGB or RGBA pictures")
    bpp = {2: 3, 3: 1, 6: 4}[colour]
    pixels = []
    for line in unfilter(zlib.decompress(idat), width, height, bpp):
        row = []
        for x in range(width):
            if colour == 3:
                k = line[x]
                row.append(bytes(palette[3 * k:3 * k + 3]) + bytes([alpha[k] if k < len(alpha) else 255]))
            elif colour == 2:
                row.append(bytes(line[3 * x:3 * x + 3]) + b"\xff")
            else:
                row.append(bytes(line[4 * x:4 * x + 4]))
        pixels.append(row)
    return width, height, pixels


def write_png(path, size, pixels, width):
    raw = bytearray()
    for y in range(size):
        source = pixels[y * width // size]
        raw.append(0)
        for x in range(size):
            raw += source[x * width // size]

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def main():
    source, folder, *sizes = sys.argv[1:]
    width, height, pixels = read_rgba(source)
    for size in map(int, sizes):
        write_png(f"{folder}/icon-{size}.png", size, pixels, width)


main()
