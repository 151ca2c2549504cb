"""Signed-distance shapes for the artwork.

Every shape answers `distance(x, y)`: negative inside, positive outside, in
the units of the scene. A true distance (not just a sign) is what lets the
canvas anti-alias each edge from a single sample per pixel, and lets the same
description render crisply at any size.
"""

import math


class Shape:
    def distance(self, x, y):
        raise NotImplementedError

    def bounds(self):
        """(x0, y0, x1, y1) enclosing every point with distance <= 0."""
        raise NotImplementedError


class Circle(Shape):
    def __init__(self, cx, cy, radius):
        self.cx, self.cy, self.radius = cx, cy, radius

    def distance(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.radius

    def bounds(self):
        r = self.radius
        return (self.cx - r, self.cy - r, self.cx + r, self.cy + r)


class RoundRect(Shape):
    """Axis-aligned rectangle from (x0, y0) to (x1, y1) with round corners."""

    def __init__(self, x0, y0, x1, y1, radius=0.0):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.half_w, self.half_h = (x1 - x0) / 2, (y1 - y0) / 2
        self.radius = min(radius, self.half_w, self.half_h)
        self.box = (x0, y0, x1, y1)

    def distance(self, x, y):
        r = self.radius
        qx = abs(x - self.cx) - self.half_w + r
        qy = abs(y - self.cy) - self.half_h + r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        inside = min(max(qx, qy), 0.0)
        return outside + inside - r

    def bounds(self):
        return self.box


class Segment(Shape):
    """A stroke of the given half width from (x0, y0) to (x1, y1), round ends."""

    def __init__(self, x0, y0, x1, y1, half_width):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.half_width = half_width

    def distance(self, x, y):
        dx, dy = self.x1 - self.x0, self.y1 - self.y0
        px, py = x - self.x0, y - self.y0
        length2 = dx * dx + dy * dy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, (px * dx + py * dy) / length2))
        return math.hypot(px - t * dx, py - t * dy) - self.half_width

    def bounds(self):
        w = self.half_width
        return (min(self.x0, self.x1) - w, min(self.y0, self.y1) - w,
                max(self.x0, self.x1) + w, max(self.y0, self.y1) + w)


class Arc(Shape):
    """A stroke along a circle between two angles, with round ends.

    Angles are in degrees, measured from the +x axis towards -y (that is,
    counter-clockwise as the picture is seen, since y grows downwards).
    """

    def __init__(self, cx, cy, radius, half_width, start_deg, end_deg):
        self.cx, self.cy, self.radius = cx, cy, radius
        self.half_width = half_width
        self.start = math.radians(start_deg)
        self.end = math.radians(end_deg)
        self.caps = [(cx + radius * math.cos(a), cy - radius * math.sin(a))
                     for a in (self.start, self.end)]

    def distance(self, x, y):
        dx, dy = x - self.cx, self.cy - y
        angle = math.atan2(dy, dx)
        if self.start <= angle <= self.end:
            return abs(math.hypot(dx, dy) - self.radius) - self.half_width
        nearest = min(math.hypot(x - px, y - py) for px, py in self.caps)
        return nearest - self.half_width

    def bounds(self):
        r = self.radius + self.half_width
        return (self.cx - r, self.cy - r, self.cx + r, self.cy + r)


class Polygon(Shape):
    """A simple polygon given by its corners in order."""

    def __init__(self, points):
        self.points = list(points)

    def distance(self, x, y):
        pts = self.points
        best = float("inf")
        inside = False
        j = len(pts) - 1
        for i in range(len(pts)):
            ax, ay = pts[j]
            bx, by = pts[i]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length2 = ex * ex + ey * ey
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / length2))
            best = min(best, math.hypot(wx - t * ex, wy - t * ey))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
            j = i
        return -best if inside else best

    def bounds(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return (min(xs), min(ys), max(xs), max(ys))


class Intersection(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes

    def distance(self, x, y):
        return max(s.distance(x, y) for s in self.shapes)

    def bounds(self):
        boxes = [s.bounds() for s in self.shapes]
        return (max(b[0] for b in boxes), max(b[1] for b in boxes),
                min(b[2] for b in boxes), min(b[3] for b in boxes))


class Difference(Shape):
    """The first shape with the second cut away."""

    def __init__(self, keep, cut):
        self.keep, self.cut = keep, cut

    def distance(self, x, y):
        return max(self.keep.distance(x, y), -self.cut.distance(x, y))

    def bounds(self):
        return self.keep.bounds()


class Rotated(Shape):
    """A shape turned by `degrees` (clockwise as seen) about (cx, cy)."""

    def __init__(self, shape, cx, cy, degrees):
        self.shape, self.cx, self.cy = shape, cx, cy
        a = math.radians(degrees)
        self.cos, self.sin = math.cos(a), math.sin(a)

    def to_local(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return (self.cx + dx * self.cos + dy * self.sin,
                self.cy - dx * self.sin + dy * self.cos)

    def to_scene(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return (self.cx + dx * self.cos - dy * self.sin,
                self.cy + dx * self.sin + dy * self.cos)

    def distance(self, x, y):
        return self.shape.distance(*self.to_local(x, y))

    def bounds(self):
        x0, y0, x1, y1 = self.shape.bounds()
        corners = [self.to_scene(x, y) for x in (x0, x1) for y in (y0, y1)]
        xs = [c[0] for c in corners]
        ys = [c[1] for c in corners]
        return (min(xs), min(ys), max(xs), max(ys))
