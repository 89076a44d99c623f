#!/usr/bin/env python3
"""Writes a Windows .ico from PNG pictures, one picture a size.

Each picture goes in as a classic DIB (BITMAPINFOHEADER, 32-bit BGRA rows
from the bottom, then the 1-bit AND mask), not as embedded PNG: every Windows
and Wine reads those. Standard library only.

    make-icon.py OUT.ico IN.png [IN.png ...]
"""
import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}  # grey, RGB, grey+alpha, RGBA
OPAQUE = 255
# Below this alpha the AND mask lets the background through.
MASK_THRESHOLD = 128


def read_png(path):
    """The picture as (width, height, rows of RGBA bytes), top row first."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError(f"{path}: not a PNG file")
    pos = len(PNG_SIGNATURE)
    header = None
    compressed = b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
    if header is None:
        raise ValueError(f"{path}: no IHDR chunk")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in COLOUR_CHANNELS or interlace != 0:
        raise ValueError(f"{path}: only 8-bit grey, RGB or RGBA pictures without interlacing")
    channels = COLOUR_CHANNELS[colour]
    raw = zlib.decompress(compressed)
    stride = width * channels
    rows = []
    previous = bytearray(stride)
    pos = 0
    for _ in range(height):
        kind = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        unfilter(kind, line, previous, channels)
        rows.append(to_rgba(line, channels))
        previous = line
    return width, height, rows


def unfilter(kind, line, previous, bpp):
    for i in range(len(line)):
        left = line[i - bpp] if i >= bpp else 0
        up = previous[i]
        if kind == 0:
            continue
        if kind == 1:
            line[i] = (line[i] + left) & 0xFF
        elif kind == 2:
            line[i] = (line[i] + up) & 0xFF
        elif kind == 3:
            line[i] = (line[i] + (left + up) // 2) & 0xFF
        elif kind == 4:
            upper_left = previous[i - bpp] if i >= bpp else 0
            line[i] = (line[i] + paeth(left, up, upper_left)) & 0xFF
        else:
            raise ValueError(f"unknown PNG filter {kind}")


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def to_rgba(line, channels):
    out = bytearray()
    for i in range(0, len(line), channels):
        px = line[i:i + channels]
        if channels == 1:
            out += bytes((px[0], px[0], px[0], OPAQUE))
        elif channels == 2:
            out += bytes((px[0], px[0], px[0], px[1]))
        elif channels == 3:
            out += bytes((px[0], px[1], px[2], OPAQUE))
        else:
            out += bytes(px)
    return out


def dib_image(width, height, rows):
    # The height counts colour rows and mask rows together.
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = row[4 * x:4 * x + 4]
            colour += bytes((b, g, r, a))
            if a < MASK_THRESHOLD:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    images = []
    for path in argv[2:]:
        width, height, rows = read_png(path)
        if width > 256 or height > 256:
            raise ValueError(f"{path}: larger than 256 pixels")
        images.append((width, height, dib_image(width, height, rows)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, image in images:
        # 256 is written as 0; no palette, one plane, 32 bits a pixel.
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for _, _, image in images:
        out += image
    with open(argv[1], "wb") as f:
        f.write(out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
