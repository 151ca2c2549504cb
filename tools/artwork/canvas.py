"""A floating-point RGB canvas that draws scene-unit shapes at any pixel size.

The scene is described once in design units; the canvas maps each pixel
centre into those units, so the same description renders at every size the
artwork is stored in. Edges are anti-aliased from the shapes' signed
distance: a pixel is covered in proportion to how far its centre lies
inside the edge, measured in pixels.
"""

import math


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


class Solid:
    def __init__(self, colour):
        self.colour = colour

    def at(self, x, y):
        return self.colour


class Gradient:
    """Colour stops along a line from p0 (t = 0) to p1 (t = 1)."""

    def __init__(self, p0, p1, stops):
        self.x0, self.y0 = p0
        self.dx, self.dy = p1[0] - p0[0], p1[1] - p0[1]
        self.length2 = self.dx * self.dx + self.dy * self.dy
        self.stops = stops

    def position(self, x, y):
        return ((x - self.x0) * self.dx + (y - self.y0) * self.dy) / self.length2

    def at(self, x, y):
        t = self.position(x, y)
        stops = self.stops
        if t <= stops[0][0]:
            return stops[0][1]
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                # Smoothstep between stops hides the kink where two ramps meet.
                u = (t - t0) / (t1 - t0)
                return mix(c0, c1, u * u * (3 - 2 * u))
        return stops[-1][1]


class RadialGradient(Gradient):
    """Colour stops from a centre (t = 0) out to a radius (t = 1)."""

    def __init__(self, centre, radius, stops):
        super().__init__(centre, (centre[0] + radius, centre[1]), stops)
        self.radius = radius

    def position(self, x, y):
        return math.hypot(x - self.x0, y - self.y0) / self.radius


class Canvas:
    def __init__(self, width, height, design_width, design_height):
        self.width, self.height = width, height
        self.scale_x = width / design_width
        self.scale_y = height / design_height
        # Distances come back in design units; this turns them into pixels.
        self.pixels_per_unit = (self.scale_x + self.scale_y) / 2
        self.pixels = [[(0.0, 0.0, 0.0)] * width for _ in range(height)]

    def design_point(self, px, py):
        return ((px + 0.5) / self.scale_x, (py + 0.5) / self.scale_y)

    def pixel_range(self, bounds, margin):
        x0, y0, x1, y1 = bounds
        return (max(0, math.floor(x0 * self.scale_x - margin)),
                max(0, math.floor(y0 * self.scale_y - margin)),
                min(self.width, math.ceil(x1 * self.scale_x + margin) + 1),
                min(self.height, math.ceil(y1 * self.scale_y + margin) + 1))

    def fill(self, shape, paint, opacity=1.0, softness=0.0):
        """Blend `paint` over the canvas inside `shape`.

        `softness` widens the edge ramp by that many design units, for glows
        and shadows; zero gives a one-pixel anti-aliased edge.
        """
        if isinstance(paint, tuple):
            paint = Solid(paint)
        ramp = 1.0 + softness * self.pixels_per_unit
        px0, py0, px1, py1 = self.pixel_range(shape.bounds(), ramp)
        for py in range(py0, py1):
            row = self.pixels[py]
            for px in range(px0, px1):
                x, y = self.design_point(px, py)
                d = shape.distance(x, y) * self.pixels_per_unit
                coverage = min(1.0, max(0.0, 0.5 - d / ramp))
                if coverage <= 0.0:
                    continue
                alpha = coverage * opacity
                row[px] = mix(row[px], paint.at(x, y), alpha)

    def fill_all(self, paint):
        for py in range(self.height):
            row = self.pixels[py]
            for px in range(self.width):
                row[px] = paint.at(*self.design_point(px, py))

    def rgb_rows(self):
        """The picture as rows of 8-bit (r, g, b) tuples, top row first."""
        return [[tuple(min(255.0, max(0.0, c)) for c in p) for p in row]
                for row in self.pixels]
