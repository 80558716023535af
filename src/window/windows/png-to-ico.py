#!/usr/bin/env python3
"""Wraps a PNG picture into an .ico file of one image, as Windows Vista and later read it.
    png-to-ico.py PICTURE.png ICON.ico"""
import struct
import sys

png = open(sys.argv[1], "rb").read()
if png[:8] != b"\x89PNG\r\n\x1a\n":
    sys.exit(f"{sys.argv[1]}: not a PNG file")
width, height, depth, colour_type = struct.unpack(">IIBB", png[16:26])
if width > 256 or height > 256:
    sys.exit(f"{sys.argv[1]}: an icon is at most 256 pixels square")
# A palette picture counts its colours; the others count bits per pixel.
colours = 1 << depth if colour_type == 3 and depth < 8 else 0
bits = depth if colour_type == 3 else 32
header = struct.pack("<HHH", 0, 1, 1)
# Width and height 256 are written as 0; the image starts right after this directory entry.
entry = struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, 1, bits, len(png), 6 + 16)
with open(sys.argv[2], "wb") as out:
    out.write(header + entry + png)
