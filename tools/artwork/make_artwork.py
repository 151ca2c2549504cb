#!/usr/bin/env python3
"""Draw the setup's artwork and write it to resources/art/.

    python3 tools/artwork/make_artwork.py [output folder]

Writes banner_large.bmp (116 x 236), banner_small.bmp (95 x 192),
mainframe.ico (16 x 16 and 32 x 32) and small.ico (16 x 16), all with
256-colour palettes. Needs nothing beyond the Python standard library, and
the same run always gives the same bytes.
"""

import os
import sys

# Leave no compiled-module caches in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import banner  # noqa: E402
import dib  # noqa: E402
import icons  # noqa: E402
from canvas import Canvas  # noqa: E402
from quantise import quantise  # noqa: E402

REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))
BANNER_SIZES = {"banner_large.bmp": (116, 236), "banner_small.bmp": (95, 192)}


def render_banner(width, height):
    canvas = Canvas(width, height, banner.DESIGN_WIDTH, banner.DESIGN_HEIGHT)
    banner.draw(canvas)
    palette, indices = quantise(canvas.rgb_rows())
    return dib.bmp_file(palette, indices)


def write(folder, name, data):
    path = os.path.join(folder, name)
    with open(path, "wb") as out:
        out.write(data)
    print(f"{path}: {len(data)} bytes")


def main(argv):
    folder = argv[1] if len(argv) > 1 else os.path.join(REPOSITORY,
                                                        "resources", "art")
    os.makedirs(folder, exist_ok=True)
    for name, (width, height) in BANNER_SIZES.items():
        write(folder, name, render_banner(width, height))
    large, small = icons.image(32), icons.image(16)
    write(folder, "mainframe.ico", dib.ico_file([small, large]))
    write(folder, "small.ico", dib.ico_file([small]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
