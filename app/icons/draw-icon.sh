#!/usr/bin/env bash
# Draws the program icon from scratch: a framed landscape picture with a tag badge in the lower
# right corner, 32x32 with at most 256 colours. Writes pictavo.png (window icon and desktop icon)
# and pictavo.ico (Windows icon resource). Needs ImageMagick; run it again after changing the
# drawing and commit both outputs.
set -euo pipefail
cd "$(dirname "$0")"

/usr/bin/convert -size 32x32 xc:none +antialias \
    -fill '#f4f1e8' -stroke '#5a4630' -strokewidth 1 -draw 'rectangle 1,3 30,26' \
    -stroke none -fill '#7fb8e8' -draw 'rectangle 3,5 28,24' \
    -fill '#ffd23f' -draw 'circle 22,10 22,13' \
    -fill '#3f8f3a' -draw 'polygon 3,24 3,18 9,13 15,19 19,16 28,22 28,24' \
    -fill '#2d6a2a' -draw 'polygon 9,24 15,19 19,22 23,24' \
    -fill '#000099' -stroke '#000066' -draw 'roundrectangle 12,20 31,31 2,2' \
    -stroke '#ffffff' -strokewidth 1 -fill none \
    -draw 'polyline 17,23 15,25.5 17,28' \
    -draw 'line 20,28 23,23' \
    -draw 'polyline 26,23 28,25.5 26,28' \
    -colors 256 PNG32:pictavo.png

# The Windows icon resource is one 32x32 image of 256 colours: an 8-bit palette bitmap with a
# transparency mask, written byte by byte because ImageMagick would shrink the palette to the
# 16 colours the drawing needs.
/usr/bin/python3 - <<'PY'
import struct
from PIL import Image

image = Image.open("pictavo.png").convert("RGBA")
size = image.size[0]
indexed = image.convert("RGB").quantize(colors=256)
palette = (indexed.getpalette() + [0] * 768)[:768]
opaque = [alpha >= 128 for alpha in image.getchannel("A").getdata()]
rows = range(size - 1, -1, -1)  # bitmaps are stored bottom-up
pixels = bytes(indexed.getpixel((x, y)) for y in rows for x in range(size))
mask_row_bytes = ((size + 31) // 32) * 4
mask = bytearray()
for y in rows:
    bits = bytearray(mask_row_bytes)
    for x in range(size):
        if not opaque[y * size + x]:
            bits[x // 8] |= 0x80 >> (x % 8)
    mask += bits
colours = b"".join(bytes((palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3], 0)) for i in range(256))
header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(pixels) + len(mask), 0, 0, 256, 0)
bitmap = header + colours + pixels + bytes(mask)
directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(bitmap), 6 + 16)
with open("pictavo.ico", "wb") as out:
    out.write(directory + bitmap)
PY
