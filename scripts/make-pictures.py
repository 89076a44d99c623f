#!/usr/bin/python3
"""Draws the program's pictures into res/.

Run it from anywhere with Debian's Python (it needs python3-pil):

    /usr/bin/python3 scripts/make-pictures.py [--preview DIR]

The generated files are committed, so the build never runs this script.

- res/bitmaps/*.bmp: the eighteen 48 x 48 piece bitmaps (mask, White's
  picture, Black's picture for each kind), the coordinate picture KOORD and
  the toolbar strip. Pieces are drawn large and reduced with a hard
  threshold, so the masks are pure black on white and every picture is
  coloured exactly where its mask is black.
- res/icons/*.png: the program icon (a red knight on a blue-green board) and
  the document icon in the sizes a desktop wants; res/icons/torvo.svg: the
  program icon once more, scalable, from the same outlines.
"""

import argparse
import os
import struct

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BITMAPS = os.path.join(ROOT, "res", "bitmaps")
ICONS = os.path.join(ROOT, "res", "icons")

PIECE_SIZE = 48
USED = 47  # the board only ever shows the top-left 47 x 47 pixels
SCALE = 16  # pieces are drawn this many times larger, then reduced
FONT_DIR = "/usr/share/fonts/truetype/dejavu"

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (255, 0, 0)
BLUE = (0, 0, 255)

# The classic sixteen colours; the piece bitmaps and the toolbar use no others.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


# ---------------------------------------------------------------- BMP files

def write_bmp(path, image, bits):
    """Uncompressed bottom-up BMP with a palette of 2 (bits 1) or 16 (bits 4)."""
    image = image.convert("RGB")
    palette = [BLACK, WHITE] if bits == 1 else VGA
    index = {colour: i for i, colour in enumerate(palette)}
    width, height = image.size
    pixels = image.load()
    stride = ((width * bits + 31) // 32) * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            colour = pixels[x, y]
            if colour not in index:
                raise ValueError(f"{path}: colour {colour} at {x},{y} is not in the palette")
            value = index[colour]
            if bits == 1:
                row[x // 8] |= value << (7 - x % 8)
            else:
                row[x // 2] |= value << (4 if x % 2 == 0 else 0)
        rows.append(bytes(row))
    pixel_data = b"".join(rows)
    palette_data = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(palette_data)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixel_data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixel_data),
                       2835, 2835, len(palette), len(palette))
    with open(path, "wb") as f:
        f.write(header + info + palette_data + pixel_data)


# ---------------------------------------------------------------- pieces
#
# Coordinates are in board pixels of the 47 x 47 square (continuous: pixel i
# spans i to i + 1), so the vertical axis of a symmetric piece is x = 23.5.

CX = USED / 2.0


class Pen:
    """Draws in piece coordinates on the large canvas: ink is the piece, paper cuts holes."""

    def __init__(self, draw, scale=SCALE, inset=0.0):
        self.draw = draw
        self.scale = scale
        self.inset = inset

    def _p(self, points):
        return [((x + self.inset) * self.scale, (y + self.inset) * self.scale) for x, y in points]

    def poly(self, points, ink=True):
        self.draw.polygon(self._p(points), fill=0 if ink else 255)

    def sym(self, half_points, ink=True):
        """Polygon symmetric about the axis; half_points are (half width, y) from top to bottom."""
        left = [(CX - w, y) for w, y in half_points]
        right = [(CX + w, y) for w, y in reversed(half_points)]
        self.poly(left + right, ink)

    def ellipse(self, cx, cy, rx, ry, ink=True):
        (x0, y0), (x1, y1) = self._p([(cx - rx, cy - ry), (cx + rx, cy + ry)])
        self.draw.ellipse([x0, y0, x1, y1], fill=0 if ink else 255)

    def rect(self, x0, y0, x1, y1, ink=True):
        self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], ink)

    def line(self, points, width, ink=True):
        self.draw.line(self._p(points), fill=0 if ink else 255, width=max(1, int(width * self.scale)),
                       joint="curve")


def base(pen, top=36.0, half=14.5):
    """The common pedestal: a broad foot with a rounded rim and a narrower step."""
    pen.sym([(half - 3.5, top), (half - 2.0, top + 1.5), (half - 2.0, top + 2.5),
             (half, top + 3.5), (half, top + 6.5)])
    pen.rect(CX - half + 1, top + 6.5, CX + half - 1, top + 7.0)
    # A groove that separates the foot from its rim.
    pen.rect(CX - half + 2.5, top + 2.5, CX + half - 2.5, top + 3.4, ink=False)


def curve(x0, y0, x1, y1, bulge, steps=12):
    """Points along a gentle arc from (x0, y0) to (x1, y1), bowed out by bulge."""
    import math
    points = []
    for i in range(steps + 1):
        t = i / steps
        x = x0 + (x1 - x0) * t + bulge * math.sin(math.pi * t)
        y = y0 + (y1 - y0) * t
        points.append((x, y))
    return points


def pawn(pen):
    base(pen, top=35.5, half=13.0)
    # A waisted stem that flares into the foot.
    stem = curve(4.2, 20.5, 9.5, 35.6, -1.6)
    pen.sym([(w, y) for w, y in stem])
    pen.ellipse(CX, 21.0, 8.0, 2.6)  # collar
    pen.ellipse(CX, 13.0, 6.6, 6.6)  # head


def rook(pen):
    base(pen, top=35.5, half=14.0)
    body = curve(8.0, 14.0, 10.5, 35.6, -1.0)
    pen.sym(body)
    pen.sym([(10.5, 33.2), (12.0, 34.2), (12.0, 35.8), (10.5, 35.8)])  # lower ring
    pen.sym([(12.0, 11.0), (12.0, 13.2), (9.5, 15.8), (8.0, 15.8)])  # flare under the top
    pen.rect(CX - 12.0, 4.0, CX + 12.0, 11.5)  # the top
    for x0 in (CX - 7.5, CX + 3.5):  # two embrasures between three merlons
        pen.rect(x0, 3.0, x0 + 4.0, 8.0, ink=False)
    pen.rect(CX - 9.0, 12.8, CX + 9.0, 13.7, ink=False)  # line under the top
    pen.rect(CX - 9.0, 32.4, CX + 9.0, 33.3, ink=False)  # line above the ring


def bishop(pen):
    base(pen, top=35.5, half=13.5)
    stem = curve(4.5, 27.0, 9.0, 35.6, -1.0)
    pen.sym(stem)
    pen.ellipse(CX, 28.6, 9.0, 2.5)  # collar
    pen.rect(CX - 7.5, 29.5, CX + 7.5, 30.4, ink=False)
    # The mitre: an egg with a pointed top.
    mitre = [(0.0, 7.5), (2.5, 9.0), (5.2, 12.0), (7.2, 15.5), (8.2, 19.0),
             (8.0, 22.5), (6.8, 25.0), (5.2, 26.6)]
    pen.sym(mitre)
    pen.ellipse(CX, 5.5, 2.6, 2.6)  # knob
    # The slit, cut from upper right to the middle.
    pen.line([(CX + 5.2, 12.8), (CX - 0.6, 19.4)], 1.6, ink=False)
    pen.rect(CX - 6.0, 25.4, CX + 6.0, 26.2, ink=False)  # band under the mitre


def knight(pen):
    base(pen, top=35.5, half=14.5)
    # The horse's head and neck, looking left: ear, back of the neck, chest,
    # throat, jaw, muzzle, nose and forehead.
    head = [
        (26.2, 2.8), (28.6, 7.4), (31.8, 10.2), (34.4, 14.2), (36.0, 19.0),
        (36.6, 24.5), (36.2, 30.0), (35.0, 36.0), (12.6, 36.0), (13.0, 33.0),
        (15.0, 29.6), (18.2, 26.2), (20.4, 24.2), (17.4, 24.0), (14.2, 25.4),
        (11.2, 27.2), (8.4, 27.8), (6.6, 26.6), (5.8, 24.2), (6.4, 21.6),
        (8.8, 18.6), (12.2, 14.8), (15.8, 11.2), (19.4, 8.4), (22.6, 7.0),
    ]
    pen.poly(head)
    pen.ellipse(20.4, 13.2, 1.5, 1.4, ink=False)  # eye
    pen.ellipse(8.8, 23.0, 1.0, 1.0, ink=False)  # nostril
    # The mane follows the back of the neck.
    pen.line([(30.2, 11.6), (32.2, 15.0), (33.4, 19.6), (33.8, 24.5)], 1.6, ink=False)


def queen(pen):
    base(pen, top=35.5, half=14.5)
    # Points of the crown, outer to inner, each with a ball on top.
    tips = [(CX - 12.5, 11.0), (CX - 6.5, 8.0), (CX, 7.0), (CX + 6.5, 8.0), (CX + 12.5, 11.0)]
    valleys = [(CX - 9.5, 19.5), (CX - 3.3, 17.5), (CX + 3.3, 17.5), (CX + 9.5, 19.5)]
    body = [(CX - 8.0, 32.0), (CX - 10.0, 27.0)]
    for i, (x, y) in enumerate(tips):
        body += [(x - 0.7, y), (x + 0.7, y)]  # blunt tips that hold their balls
        if i < 4:
            body.append(valleys[i])
    body += [(CX + 10.0, 27.0), (CX + 8.0, 32.0)]
    pen.poly(body)
    for x, y in tips:
        pen.ellipse(x, y - 2.2, 2.3, 2.3)
    pen.ellipse(CX, 33.0, 10.0, 2.6)  # the band at the waist
    pen.rect(CX - 8.5, 33.8, CX + 8.5, 34.6, ink=False)
    pen.line([(CX - 10.0, 26.6), (CX + 10.0, 26.6)], 1.0, ink=False)  # the circlet


def king(pen):
    base(pen, top=35.5, half=14.5)
    # A bell-shaped body under a rounded cap, with a cross on top.
    body = [(8.2, 32.0), (10.5, 26.0), (12.8, 19.5), (13.2, 16.8), (12.4, 14.6),
            (10.6, 13.4), (7.0, 13.0), (4.0, 14.6), (2.2, 16.6), (0.0, 17.4)]
    half = [(w, y) for w, y in reversed(body)]
    pen.sym(half)
    pen.ellipse(CX, 33.0, 10.0, 2.6)
    pen.rect(CX - 8.5, 33.8, CX + 8.5, 34.6, ink=False)
    pen.line([(CX - 10.5, 24.8), (CX + 10.5, 24.8)], 1.0, ink=False)  # band
    pen.rect(CX - 1.6, 2.0, CX + 1.6, 14.6)  # cross, upright
    pen.rect(CX - 5.0, 5.0, CX + 5.0, 8.0)  # cross, bar
    # The cap's seam down the middle.
    pen.rect(CX - 0.45, 17.8, CX + 0.45, 24.0, ink=False)


PIECES = [  # (file stem, drawer), in the order of the view's bitmap table
    ("konig", king), ("dame", queen), ("laufer", bishop),
    ("springer", knight), ("turm", rook), ("bauer", pawn),
]


def piece_mask(drawer):
    """The silhouette as a two-colour 48 x 48 image: 0 piece, 255 background."""
    big = Image.new("L", (PIECE_SIZE * SCALE, PIECE_SIZE * SCALE), 255)
    drawer(Pen(ImageDraw.Draw(big)))
    small = big.resize((PIECE_SIZE, PIECE_SIZE), Image.BOX)
    mask = small.point(lambda v: 0 if v < 128 else 255)
    # The unused last row and column stay background.
    px = mask.load()
    for i in range(PIECE_SIZE):
        px[USED, i] = 255
        px[i, USED] = 255
    return mask


def coloured(mask, colour):
    image = Image.new("RGB", mask.size, BLACK)
    image.paste(Image.new("RGB", mask.size, colour), mask=mask.point(lambda v: 255 - v))
    return image


def write_pieces():
    masks = {}
    for stem, drawer in PIECES:
        mask = piece_mask(drawer)
        masks[stem] = mask
        write_bmp(os.path.join(BITMAPS, stem + "m.bmp"), mask.convert("RGB"), 4)
        write_bmp(os.path.join(BITMAPS, stem + "w.bmp"), coloured(mask, RED), 4)
        write_bmp(os.path.join(BITMAPS, stem + "b.bmp"), coloured(mask, BLUE), 4)
    return masks


# ---------------------------------------------------------------- KOORD

def font(size, bold=True):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def hard_text(image, xy, text, size, anchor="mm"):
    """Text without grey edges: drawn four times larger and reduced with a threshold."""
    k = 4
    w, h = image.size
    big = Image.new("L", (w * k, h * k), 255)
    ImageDraw.Draw(big).text((xy[0] * k, xy[1] * k), text, fill=0, font=font(size * k),
                             anchor=anchor)
    small = big.resize((w, h), Image.BOX).point(lambda v: 0 if v < 150 else 255)
    image.paste(0, mask=small.point(lambda v: 255 - v))


def write_koord():
    width, height = 269, 198
    square = 22
    board = 8 * square
    left = (width - board) // 2 + 6  # room for the rank digits at the left
    top = 0
    image = Image.new("L", (width, height), 255)
    draw = ImageDraw.Draw(image)
    for row in range(8):
        for col in range(8):
            x, y = left + col * square, top + row * square
            if (row + col) % 2 == 1:
                draw.rectangle([x, y, x + square - 1, y + square - 1], fill=0)
    draw.rectangle([left - 1, top, left + board, top + board], outline=0)
    for row in range(8):
        hard_text(image, (left - 13, top + row * square + square / 2), str(8 - row), 14)
    for col in range(8):
        hard_text(image, (left + col * square + square / 2, top + board + 11),
                  "abcdefgh"[col], 14)
    write_bmp(os.path.join(BITMAPS, "koord.bmp"), image.convert("RGB"), 1)


# ---------------------------------------------------------------- toolbar
#
# Seven 16 x 15 pictures drawn pixel by pixel, in the order of the buttons:
# new game, open, save, copy, paste, print, help. Silver is the background
# that the toolbar makes transparent.

TOOL_COLOURS = {
    ".": 7, "k": 0, "w": 15, "g": 8, "s": 7, "y": 11, "o": 3, "b": 4, "B": 12,
    "c": 6, "C": 14, "r": 9, "m": 1, "G": 2,
}

TOOLS = [
    # A small chess board.
    [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kwwwkkkwwwkkkk.",
        ".kwwwkkkwwwkkkk.",
        ".kwwwkkkwwwkkkk.",
        ".kkkkwwwkkkwwwk.",
        ".kkkkwwwkkkwwwk.",
        ".kkkkwwwkkkwwwk.",
        ".kwwwkkkwwwkkkk.",
        ".kwwwkkkwwwkkkk.",
        ".kwwwkkkwwwkkkk.",
        ".kkkkwwwkkkwwwk.",
        ".kkkkwwwkkkwwwk.",
        ".kkkkwwwkkkwwwk.",
        ".kkkkkkkkkkkkkk.",
    ],
    # An opening folder.
    [
        "................",
        "..........kkk...",
        ".........k...k.k",
        "..............kk",
        ".kkk.........kkk",
        "kyyykkkkkkk.....",
        "kyyyyyyyyyk.....",
        "kyyyyyyyyyk.....",
        "kyyyykkkkkkkkkkk",
        "kyyykooooooooook",
        "kyykooooooooook.",
        "kykooooooooook..",
        "kkooooooooook...",
        "kkkkkkkkkkkk....",
        "................",
    ],
    # A disk.
    [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkkk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbbkkkkkkkkbbk.",
        ".kbbbbbbbbbbbbk.",
        ".kbbkkkkkkkkbbk.",
        ".kbbkssssskskbk.",
        ".kbbksssssksskk.",
        ".kbbksssssksskk.",
        ".kbbksssssksskk.",
        "..kkkkkkkkkkkkk.",
        "................",
    ],
    # Two pages.
    [
        "kkkkkkk.........",
        "kwwwwwkk........",
        "kwkkkwkwk.......",
        "kwwwwwkkkk......",
        "kwkkkkkkkkkkk...",
        "kwwwwkwwwwwkkk..",
        "kwkkkkwkkkwkwk..",
        "kwwwwkwwwwwkkkk.",
        "kwkkkkwkkkkkwwk.",
        "kwwwwkwwwwwwwwk.",
        "kkkkkkwkkkkkkwk.",
        "......wwwwwwwwk.",
        "......wkkkkkkwk.",
        "......wwwwwwwwk.",
        "......kkkkkkkkk.",
    ],
    # A clipboard with a page.
    [
        "....kkkk........",
        ".kkkkyykkkk.....",
        "kooky..ykook....",
        "kookkkkkkook....",
        "koooooooooook...",
        "kooooookkkkkkk..",
        "kooooookwwwwwkk.",
        "kooooookwkkkwkwk",
        "kooooookwwwwwkkk",
        "kooooookwkkkkkwk",
        "kooooookwwwwwwwk",
        "kooooookwkkkkkwk",
        ".kkkkkkkwwwwwwwk",
        "........kkkkkkkk",
        "................",
    ],
    # A printer.
    [
        "................",
        "....kkkkkkkkk...",
        "....kwwwwwwwk...",
        "....kwkkkkkwk...",
        "....kwwwwwwwk...",
        "..kkkkkkkkkkkkk.",
        ".kssssssssssskk.",
        ".kkkkkkkkkkkkkk.",
        ".kssssssssssssk.",
        ".ksssssssssGGsk.",
        ".kssssssssssssk.",
        ".kkkkkkkkkkkkkk.",
        "..kwwwwwwwwwk...",
        "..kkkkkkkkkkk...",
        "................",
    ],
    # A question mark.
    [
        "................",
        ".....kkkkkk.....",
        "....kBBBBBBk....",
        "...kBBkkkkBBk...",
        "...kBBk..kBBk...",
        "....kk...kBBk...",
        "........kBBk....",
        ".......kBBk.....",
        "......kBBk......",
        "......kBBk......",
        ".......kk.......",
        "......kkkk......",
        "......kBBk......",
        "......kBBk......",
        ".......kk.......",
    ],
]


def write_toolbar():
    tw, th = 16, 15
    image = Image.new("RGB", (tw * len(TOOLS), th), VGA[7])
    px = image.load()
    for i, rows in enumerate(TOOLS):
        assert len(rows) == th, f"toolbar picture {i} has {len(rows)} rows"
        for y, row in enumerate(rows):
            assert len(row) == tw, f"toolbar picture {i}, row {y} is {len(row)} wide"
            for x, ch in enumerate(row):
                px[i * tw + x, y] = VGA[TOOL_COLOURS[ch]]
    write_bmp(os.path.join(BITMAPS, "toolbar.bmp"), image, 4)
    return image


# ---------------------------------------------------------------- icons

ICON_SIZES = [16, 32, 48, 64, 128, 256]
TEAL_DARK = (0, 128, 128)
TEAL_LIGHT = (110, 205, 190)
KNIGHT_RED = (220, 0, 0)
KNIGHT_OUTLINE = (40, 0, 0)


def knight_shape(size, inset):
    """The knight's silhouette, scaled to fill a size x size image (255 = piece)."""
    big_size = size * 8
    big = Image.new("L", (big_size, big_size), 255)
    knight(Pen(ImageDraw.Draw(big), big_size / (USED + 2 * inset), inset))
    return big.point(lambda v: 255 - v)


def program_icon(size):
    big_size = size * 8
    image = Image.new("RGB", (big_size, big_size), TEAL_LIGHT)
    draw = ImageDraw.Draw(image)
    cells = 4
    step = big_size / cells
    for row in range(cells):
        for col in range(cells):
            if (row + col) % 2 == 1:
                draw.rectangle([col * step, row * step, (col + 1) * step - 1, (row + 1) * step - 1],
                               fill=TEAL_DARK)
    paste_knight(image, (0, 0, big_size), size)
    return image.resize((size, size), Image.LANCZOS)


def _dilate(radius):
    from PIL import ImageFilter
    size = radius * 2 + 1
    return ImageFilter.MaxFilter(size)


def paste_knight(image, box, size):
    """A red knight with a dark outline, scaled into box (left, top, side) of image."""
    left, top, side = box
    shape = knight_shape(size, inset=2.0).resize((side, side), Image.LANCZOS)
    outline = shape.filter(_dilate(max(3, side // 40)))
    opaque = (255,) if image.mode == "RGBA" else ()
    image.paste(KNIGHT_OUTLINE + opaque, (left, top), mask=outline)
    image.paste(KNIGHT_RED + opaque, (left, top), mask=shape)


def document_icon(size):
    big_size = size * 8
    s = big_size / 32.0
    line = max(1, round(s))
    image = Image.new("RGBA", (big_size, big_size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    fold = 7 * s
    left, top, right, bottom = 3 * s, 1 * s, 29 * s - line, 32 * s - line
    page = [(left, top), (right - fold, top), (right, top + fold), (right, bottom), (left, bottom)]
    draw.polygon(page, fill=(255, 255, 255, 255))
    draw.line(page + [page[0]], fill=(0, 0, 0, 255), width=line)
    draw.polygon([(right - fold, top), (right - fold, top + fold), (right, top + fold)],
                 fill=(192, 192, 192, 255))
    draw.line([(right - fold, top), (right - fold, top + fold), (right, top + fold)],
              fill=(0, 0, 0, 255), width=line)
    # A board of four by four squares at the foot of the page.
    cells, cell = 4, 5 * s
    board_left, board_top = 6 * s, 10 * s
    for row in range(cells):
        for col in range(cells):
            colour = TEAL_LIGHT if (row + col) % 2 == 0 else TEAL_DARK
            draw.rectangle([board_left + col * cell, board_top + row * cell,
                            board_left + (col + 1) * cell - 1, board_top + (row + 1) * cell - 1],
                           fill=colour + (255,))
    # The knight stands in front of the board.
    paste_knight(image, (int(9 * s), int(4 * s), int(20 * s)), size)
    return image.resize((size, size), Image.LANCZOS)


class SvgDraw:
    """Takes the calls Pen makes on ImageDraw and keeps them as SVG elements,
    so that the scalable icon has the very outlines of the PNGs."""

    def __init__(self, inks):
        self.inks = inks  # fill value -> SVG colour
        self.elements = []

    @staticmethod
    def _points(points):
        return " ".join(f"{x:.2f},{y:.2f}" for x, y in points)

    def polygon(self, points, fill):
        self.elements.append(f'<polygon points="{self._points(points)}" fill="{self.inks[fill]}"/>')

    def ellipse(self, box, fill):
        x0, y0, x1, y1 = box
        self.elements.append(f'<ellipse cx="{(x0 + x1) / 2:.2f}" cy="{(y0 + y1) / 2:.2f}" '
                             f'rx="{(x1 - x0) / 2:.2f}" ry="{(y1 - y0) / 2:.2f}" fill="{self.inks[fill]}"/>')

    def line(self, points, fill, width, joint=None):
        self.elements.append(f'<polyline points="{self._points(points)}" fill="none" '
                             f'stroke="{self.inks[fill]}" stroke-width="{width}" stroke-linejoin="round"/>')


def hex_colour(rgb):
    return "#%02x%02x%02x" % rgb


def program_icon_svg():
    """The program icon as SVG, on the largest PNG's grid: the same board, and
    the same knight with its outline widened as the PNGs' filter widens it."""
    size = ICON_SIZES[-1]
    big_size = size * 8
    cells = 4
    step = size / cells
    squares = [f'<rect width="{size}" height="{size}" fill="{hex_colour(TEAL_LIGHT)}"/>']
    for row in range(cells):
        for col in range(cells):
            if (row + col) % 2 == 1:
                squares.append(f'<rect x="{col * step:g}" y="{row * step:g}" width="{step:g}" '
                               f'height="{step:g}" fill="{hex_colour(TEAL_DARK)}"/>')
    # The PNGs draw the knight 8 times larger; here it is drawn at the final size.
    shape = SvgDraw({0: "white", 255: "black"})
    knight(Pen(shape, size / (USED + 2 * 2.0), 2.0))
    outline = max(3, big_size // 40) * size / big_size
    return "\n".join([
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
        f'viewBox="0 0 {size} {size}">',
        "<defs>",
        f'<mask id="knight" maskUnits="userSpaceOnUse" x="0" y="0" width="{size}" height="{size}">',
        f'<rect width="{size}" height="{size}" fill="black"/>',
        *shape.elements,
        "</mask>",
        f'<filter id="outline" filterUnits="userSpaceOnUse" x="0" y="0" width="{size}" height="{size}">',
        f'<feMorphology operator="dilate" radius="{outline:g}"/>',
        "</filter>",
        "</defs>",
        *squares,
        f'<g filter="url(#outline)"><rect width="{size}" height="{size}" fill="{hex_colour(KNIGHT_OUTLINE)}" '
        f'mask="url(#knight)"/></g>',
        f'<rect width="{size}" height="{size}" fill="{hex_colour(KNIGHT_RED)}" mask="url(#knight)"/>',
        "</svg>",
        "",
    ])


def write_icons():
    for size in ICON_SIZES:
        program_icon(size).save(os.path.join(ICONS, f"torvo-{size}.png"))
        document_icon(size).save(os.path.join(ICONS, f"torvo-doc-{size}.png"))
    with open(os.path.join(ICONS, "torvo.svg"), "w", encoding="utf-8") as out:
        out.write(program_icon_svg())


# ---------------------------------------------------------------- preview

def preview(dirname, masks, toolbar):
    """A board with the initial position, and the toolbar enlarged, for looking at."""
    os.makedirs(dirname, exist_ok=True)
    square = USED
    board = Image.new("RGB", (8 * square, 8 * square), WHITE)
    order = ["turm", "springer", "laufer", "dame", "konig", "laufer", "springer", "turm"]
    for row in range(8):
        for col in range(8):
            x, y = col * square, row * square
            dark = (row + col) % 2 == 1
            board.paste(BLACK if dark else WHITE, (x, y, x + square, y + square))
            stem = order[col] if row in (0, 7) else "bauer" if row in (1, 6) else None
            if stem is None:
                continue
            colour = BLUE if row < 2 else RED
            m = masks[stem].crop((0, 0, square, square))
            board.paste(colour, (x, y), mask=m.point(lambda v: 255 - v))
    board.resize((board.width * 2, board.height * 2), Image.NEAREST).save(
        os.path.join(dirname, "pieces-preview.png"))
    toolbar.resize((toolbar.width * 6, toolbar.height * 6), Image.NEAREST).save(
        os.path.join(dirname, "toolbar-preview.png"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", help="also write enlarged previews into this folder")
    args = parser.parse_args()
    os.makedirs(BITMAPS, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)
    masks = write_pieces()
    write_koord()
    toolbar = write_toolbar()
    write_icons()
    if args.preview:
        preview(args.preview, masks, toolbar)


if __name__ == "__main__":
    main()
