"""Writers for the two container formats the setup loads its artwork from.

Both hold 8-bit palette pictures as device-independent bitmaps: a 40-byte
info header, 256 palette entries (blue, green, red, zero) and rows stored
bottom-up, each padded to a multiple of four bytes.
"""

import struct

INFO_HEADER_SIZE = 40
FILE_HEADER_SIZE = 14
BI_RGB = 0
PIXELS_PER_METRE_96_DPI = 3780


def row_stride(width, bits_per_pixel):
    return (width * bits_per_pixel + 31) // 32 * 4


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, width, height,
                       1, 8, BI_RGB, image_size,
                       PIXELS_PER_METRE_96_DPI, PIXELS_PER_METRE_96_DPI,
                       256, 0)


def palette_bytes(palette):
    assert len(palette) == 256
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def pixel_bytes(indices):
    """8-bit rows, bottom row first, each padded to four bytes."""
    width = len(indices[0])
    padding = bytes(row_stride(width, 8) - width)
    return b"".join(bytes(row) + padding for row in reversed(indices))


def mask_bytes(opaque):
    """1-bit AND mask, bottom row first: a set bit lets the background show."""
    width = len(opaque[0])
    stride = row_stride(width, 1)
    out = bytearray()
    for row in reversed(opaque):
        bits = bytearray(stride)
        for x, solid in enumerate(row):
            if not solid:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def bmp_file(palette, indices):
    width, height = len(indices[0]), len(indices)
    pixels = pixel_bytes(indices)
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + 256 * 4
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0,
                              offset)
    return (file_header + info_header(width, height, len(pixels))
            + palette_bytes(palette) + pixels)


def icon_image(palette, indices, opaque):
    """One icon image: the info header gives twice the height, because the
    colour rows and the mask rows follow each other in one bitmap."""
    width, height = len(indices[0]), len(indices)
    # Transparent pixels must be black in the colour rows, so that the
    # mask-and-colour drawing leaves the background untouched.
    indices = [[i if solid else 0 for i, solid in zip(row, mask_row)]
               for row, mask_row in zip(indices, opaque)]
    xor = pixel_bytes(indices)
    and_mask = mask_bytes(opaque)
    return (info_header(width, height * 2, len(xor) + len(and_mask))
            + palette_bytes(palette) + xor + and_mask)


def ico_file(images):
    """`images`: a list of (palette, indices, opaque) in directory order."""
    blobs = [icon_image(*image) for image in images]
    header = struct.pack("<HHH", 0, 1, len(blobs))
    offset = len(header) + 16 * len(blobs)
    directory = b""
    for (_, indices, _), blob in zip(images, blobs):
        width, height = len(indices[0]), len(indices)
        # A colour count of 0 in the directory stands for 256 colours.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0,
                                 1, 8, len(blob), offset)
        offset += len(blob)
    return header + directory + b"".join(blobs)
