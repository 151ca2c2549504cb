"""Reduce a true-colour picture to 256 palette entries, deterministically.

The palette comes from a median cut of the picture's own colours, so the
long blue-to-teal ramp of the banner gets most of the entries and stays
smooth; a light ordered dither hides the steps that remain. Every choice is
made by sorting with full tie-breaking, so the output is the same on every
run and every machine.
"""

BAYER_8 = [
    [0, 32, 8, 40, 2, 34, 10, 42],
    [48, 16, 56, 24, 50, 18, 58, 26],
    [12, 44, 4, 36, 14, 46, 6, 38],
    [60, 28, 52, 20, 62, 30, 54, 22],
    [3, 35, 11, 43, 1, 33, 9, 41],
    [51, 19, 59, 27, 49, 17, 57, 25],
    [15, 47, 7, 39, 13, 45, 5, 37],
    [63, 31, 55, 23, 61, 29, 53, 21],
]

PALETTE_SIZE = 256


def to_bytes(colour):
    return tuple(int(round(min(255.0, max(0.0, c)))) for c in colour)


def measure(box):
    """(box, score, channel): how much splitting the box would gain, and where."""
    if box[0] == box[-1]:  # sorted, so every colour is the same
        return (box, 0, 0)
    best_score, best_channel = 0, 0
    for channel in range(3):
        values = [c[channel] for c in box]
        score = (max(values) - min(values)) * len(box) ** 0.5
        if score > best_score:
            best_score, best_channel = score, channel
    return (box, best_score, best_channel)


def median_cut(colours, count):
    """Split the list of 8-bit colours into `count` boxes; return their means.

    `colours` may repeat a colour; repetitions weigh the box means and the
    split points, so areas of the picture count by size.
    """
    boxes = [measure(sorted(colours))]
    while len(boxes) < count:
        # Split the box with the widest channel range, weighted by how many
        # pixels it holds, so large smooth areas are refined first.
        best_index = max(range(len(boxes)), key=lambda i: (boxes[i][1], -i))
        box, score, channel = boxes[best_index]
        if score == 0:
            break
        box = sorted(box, key=lambda c: (c[channel], c))
        middle = len(box) // 2
        # Never cut between two equal colours: it would waste an entry.
        while 0 < middle < len(box) and box[middle] == box[middle - 1]:
            middle += 1
        if middle >= len(box):
            middle = len(box) // 2
            while middle > 0 and box[middle] == box[middle - 1]:
                middle -= 1
        boxes[best_index:best_index + 1] = [measure(box[:middle]),
                                            measure(box[middle:])]
    palette = []
    for box, _, _ in boxes:
        n = len(box)
        palette.append(tuple(int(round(sum(c[i] for c in box) / n))
                             for i in range(3)))
    return sorted(set(palette))


def pad_palette(palette):
    """Fill a palette to 256 entries; black first, spares repeat black."""
    entries = [(0, 0, 0)] + [c for c in palette if c != (0, 0, 0)]
    entries = entries[:PALETTE_SIZE]
    return entries + [(0, 0, 0)] * (PALETTE_SIZE - len(entries))


class NearestColour:
    def __init__(self, palette):
        self.palette = palette
        self.cache = {}

    def index(self, colour):
        found = self.cache.get(colour)
        if found is None:
            r, g, b = colour
            best, found = None, 0
            for i, (pr, pg, pb) in enumerate(self.palette):
                # Green weighs most, blue least, roughly as the eye does.
                d = 3 * (r - pr) ** 2 + 4 * (g - pg) ** 2 + 2 * (b - pb) ** 2
                if best is None or d < best:
                    best, found = d, i
            self.cache[colour] = found
        return found


def quantise(rows, dither_amplitude=5.0):
    """Return (palette of 256 (r, g, b), rows of palette indices)."""
    flat = [to_bytes(p) for row in rows for p in row]
    palette = pad_palette(median_cut(flat, PALETTE_SIZE - 1))
    nearest = NearestColour(palette)
    indices = []
    for y, row in enumerate(rows):
        out = []
        for x, pixel in enumerate(row):
            offset = (BAYER_8[y % 8][x % 8] + 0.5) / 64 - 0.5
            out.append(nearest.index(to_bytes(
                c + offset * dither_amplitude for c in pixel)))
        indices.append(out)
    return palette, indices
