"""The application icon, drawn by hand on the pixel grid.

At 16 and 32 pixels a scaled-down drawing turns to mush, so each size is
laid out pixel by pixel: the same handheld and beam as the banner, reduced
to what still reads at that size. A dot is a transparent pixel; every other
letter names a colour from INKS.
"""

from quantise import pad_palette

INKS = {
    "k": (0x10, 0x14, 0x1c),  # outline
    "l": (0x8c, 0x96, 0xa3),  # lit edge of the case
    "b": (0x4b, 0x54, 0x63),  # case
    "d": (0x2c, 0x32, 0x3d),  # shaded edge of the case
    "h": (0xb4, 0xbc, 0xc8),  # hardware buttons
    "r": (0xc0, 0x30, 0x3a),  # infra-red window, power key
    "G": (0xd2, 0xe8, 0xbc),  # screen, top row catching the light
    "g": (0xb2, 0xd0, 0x9a),  # screen
    "i": (0x33, 0x49, 0x2f),  # screen ink
    "o": (0xff, 0xa2, 0x4a),  # beam
    "O": (0xe0, 0x64, 0x1c),  # beam, outer edge
}

ICON_32 = [
    "...........OOOOOOOOOO...........",
    ".........OOooooooooooOO.........",
    "........Ooo..........ooO........",
    "........o..............o........",
    "............OOOOOOOO............",
    "..........OOooooooooOO..........",
    "..........oo........oo..........",
    "................................",
    "..............OOOO..............",
    ".............OooooO.............",
    ".............o....o.............",
    "................................",
    "...........kkkkkkkkkk...........",
    "..........kllrrrrrrldk..........",
    ".........klbbbbbbbbbbdk.........",
    ".........klkkkkkkkkkkdk.........",
    ".........klkGGGGGGGGkdk.........",
    ".........klkGiiiGGrGkdk.........",
    ".........klkggggggggkdk.........",
    ".........klkgiiggiigkdk.........",
    ".........klkggggggggkdk.........",
    ".........klkgiiggiigkdk.........",
    ".........klkggggggggkdk.........",
    ".........klkgiiggiigkdk.........",
    ".........klkggggggggkdk.........",
    ".........klkkkkkkkkkkdk.........",
    ".........klbbbbbbbbbbdk.........",
    ".........klhhbbhhbbhhdk.........",
    ".........klhhbbhhbbhhdk.........",
    ".........klbbbbbbbbbbdk.........",
    "..........kddddddddddk..........",
    "...........kkkkkkkkkk...........",
]

ICON_16 = [
    ".....OOOOOO.....",
    "...OO......OO...",
    "......OOOO......",
    ".....O....O.....",
    "................",
    ".....kkkkkk.....",
    "....klrrrrdk....",
    "....klGGGGdk....",
    "....klgiigdk....",
    "....klggggdk....",
    "....klgiigdk....",
    "....klggggdk....",
    "....klbbbbdk....",
    "....klhbbhdk....",
    "....klbbbbdk....",
    ".....kkkkkk.....",
]

DRAWINGS = {32: ICON_32, 16: ICON_16}


def image(size):
    """(palette, rows of palette indices, rows of opaque flags) for one size."""
    rows = DRAWINGS[size]
    assert len(rows) == size and all(len(row) == size for row in rows)
    palette = pad_palette(list(INKS.values()))
    index = {key: palette.index(colour) for key, colour in INKS.items()}
    indices = [[index.get(ch, 0) for ch in row] for row in rows]
    opaque = [[ch != "." for ch in row] for row in rows]
    return palette, indices, opaque
