#!/usr/bin/env python3
"""Turns Xvfb's screen file (XWD, 24 or 32 bits a pixel, as Xvfb -fbdir writes it) into a PNG.
    xwd-to-png.py SCREEN.xwd PICTURE.png"""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header_size, width, height = fields[0], fields[4], fields[5]
bits_per_pixel, bytes_per_line, colours = fields[11], fields[12], fields[19]
if bits_per_pixel != 32:
    sys.exit(f"{sys.argv[1]}: {bits_per_pixel} bits a pixel, only 32 are read")
start = header_size + colours * 12
rows = []
for y in range(height):
    line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * 4]
    # Pixels are stored blue, green, red, unused (little-endian 0x00RRGGBB).
    rgb = bytearray(width * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
    rows.append(b"\0" + bytes(rgb))


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


with open(sys.argv[2], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n")
    out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
    out.write(chunk(b"IDAT", zlib.compress(b"".join(rows), 6)))
    out.write(chunk(b"IEND", b""))
