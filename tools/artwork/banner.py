"""The wizard's side banner: a handheld beaming infra-red at a television.

Drawn in design units of 116 by 236 (the large bitmap's pixel size); the
canvas scales them to whichever size is being rendered. Back to front: the
evening-blue backdrop, a soft glow around the television, the television,
the beam, and the handheld, tilted a little towards its target.
"""

import math

from canvas import Gradient, RadialGradient, hex_colour as c
from shapes import (Arc, Circle, Intersection, Polygon, RoundRect, Rotated,
                    Segment)

DESIGN_WIDTH, DESIGN_HEIGHT = 116, 236

SKY = [(0.0, c("081638")), (0.45, c("143f7c")), (0.80, c("17718f")),
       (1.0, c("1d9494"))]
BEAM = c("ffa24a")
BEAM_CORE = c("ffe2b8")

# The television, centred on the upper part of the strip.
TV_BODY = (17, 28, 99, 82)
TV_SCREEN = (22, 33, 94, 74)
TV_CENTRE = (58, 53)

# The handheld, drawn upright about its centre and then tilted.
HANDHELD_CENTRE = (66, 178)
HANDHELD_TILT = -8
HANDHELD_BODY = (39, 133, 93, 223)


def draw_backdrop(canvas):
    canvas.fill_all(Gradient((0, 0), (12, DESIGN_HEIGHT), SKY))
    # Large, faint circles give the flat backdrop a little depth.
    for cx, cy, r, alpha in ((96, 120, 46, 0.07), (10, 196, 38, 0.06),
                             (30, 8, 30, 0.05)):
        canvas.fill(Circle(cx, cy, r), c("9fd8ff"), alpha, softness=6)
    canvas.fill(Circle(*TV_CENTRE, 44),
                RadialGradient(TV_CENTRE, 56, [(0.0, c("7fd0ff")),
                                               (1.0, c("1d4f8c"))]),
                0.45, softness=30)


def draw_television(canvas):
    x0, y0, x1, y1 = TV_BODY
    cx = (x0 + x1) / 2
    canvas.fill(RoundRect(x0 + 2, y0 + 3, x1 + 2, y1 + 3, 6), c("000000"),
                0.35, softness=5)
    # Stand: a neck and a foot under the cabinet.
    canvas.fill(Polygon([(cx - 6, y1 - 1), (cx + 6, y1 - 1), (cx + 9, y1 + 7),
                         (cx - 9, y1 + 7)]), c("1a212d"))
    canvas.fill(RoundRect(cx - 22, y1 + 6, cx + 22, y1 + 10, 2),
                Gradient((0, y1 + 6), (0, y1 + 10),
                         [(0.0, c("4a5566")), (1.0, c("1a212d"))]))
    canvas.fill(RoundRect(x0, y0, x1, y1, 6), c("0d1119"))
    canvas.fill(RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 5),
                Gradient((0, y0), (0, y1), [(0.0, c("3d4757")),
                                            (1.0, c("1c222d"))]))
    sx0, sy0, sx1, sy1 = TV_SCREEN
    canvas.fill(RoundRect(sx0 - 1, sy0 - 1, sx1 + 1, sy1 + 1, 3), c("0a0d13"))
    canvas.fill(RoundRect(sx0, sy0, sx1, sy1, 2.5),
                Gradient((sx0, sy0), (sx1, sy1),
                         [(0.0, c("c9f3ff")), (0.45, c("5fb4e6")),
                          (1.0, c("2a62b0"))]))
    # A play symbol says "entertainment" without words.
    tx, ty = TV_CENTRE
    canvas.fill(Circle(tx, ty, 12), c("ffffff"), 0.22)
    canvas.fill(Polygon([(tx - 4, ty - 6.5), (tx - 4, ty + 6.5),
                         (tx + 7, ty)]), c("ffffff"), 0.9)
    # Gloss across the upper left of the glass.
    gloss = Polygon([(sx0, sy0), (sx0 + 40, sy0), (sx0, sy0 + 26)])
    canvas.fill(Intersection(gloss, RoundRect(sx0, sy0, sx1, sy1, 2.5)),
                c("ffffff"), 0.16)
    # Power light, lit because the set has just been switched on.
    canvas.fill(Circle(x1 - 6, y1 - 4, 1.3), c("7dff9a"))


def tilted(shape):
    return Rotated(shape, *HANDHELD_CENTRE, HANDHELD_TILT)


def infrared_window():
    cx = HANDHELD_CENTRE[0]
    return tilted(RoundRect(cx - 7, HANDHELD_BODY[1] + 1.5, cx + 7,
                            HANDHELD_BODY[1] + 4.5, 1.5))


def draw_beam(canvas):
    origin = tilted(None).to_scene(HANDHELD_CENTRE[0], HANDHELD_BODY[1] + 2)
    ox, oy = origin
    aim = math.degrees(math.atan2(oy - TV_CENTRE[1], TV_CENTRE[0] - ox))
    # A faint cone from the window to the screen, then the arcs over it.
    spread = math.radians(17)
    reach = oy - TV_BODY[3] + 4
    left = (ox + reach * math.cos(math.radians(aim) + spread),
            oy - reach * math.sin(math.radians(aim) + spread))
    right = (ox + reach * math.cos(math.radians(aim) - spread),
             oy - reach * math.sin(math.radians(aim) - spread))
    canvas.fill(Polygon([origin, left, right]), BEAM_CORE, 0.10, softness=8)
    for radius, alpha in ((11, 1.0), (21, 0.85), (31, 0.7), (41, 0.55)):
        half_angle = 38 - radius * 0.35
        arc = Arc(ox, oy, radius, 1.3, aim - half_angle, aim + half_angle)
        canvas.fill(arc, BEAM, alpha * 0.5, softness=3.5)
        canvas.fill(arc, BEAM, alpha)
        core = Arc(ox, oy, radius, 0.45, aim - half_angle + 3,
                   aim + half_angle - 3)
        canvas.fill(core, BEAM_CORE, alpha * 0.8)


def draw_handheld(canvas):
    x0, y0, x1, y1 = HANDHELD_BODY
    cx = (x0 + x1) / 2
    canvas.fill(tilted(RoundRect(x0 + 3, y0 + 5, x1 + 3, y1 + 5, 10)),
                c("000000"), 0.4, softness=7)
    canvas.fill(tilted(RoundRect(x0, y0, x1, y1, 10)), c("0c1017"))
    canvas.fill(tilted(RoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 9)),
                Gradient((x0, y0), (x1, y1), [(0.0, c("7d8796")),
                                              (0.5, c("4b5463")),
                                              (1.0, c("2c323d"))]))
    canvas.fill(tilted(RoundRect(x0 + 2.5, y0 + 2.5, x1 - 2.5, y1 - 2.5,
                                 7.5)),
                Gradient((x0, y0), (x1, y1), [(0.0, c("5d6777")),
                                              (1.0, c("343b47"))]))
    canvas.fill(infrared_window(), c("5a0c18"))
    canvas.fill(tilted(Segment(cx - 5, y0 + 2.4, cx + 5, y0 + 2.4, 0.5)),
                c("d0404a"), 0.8)
    draw_handheld_screen(canvas, cx, y0)
    draw_handheld_buttons(canvas, cx, y1)


def draw_handheld_screen(canvas, cx, top):
    sx0, sy0, sx1, sy1 = cx - 19, top + 9, cx + 19, top + 55
    canvas.fill(tilted(RoundRect(sx0 - 2, sy0 - 2, sx1 + 2, sy1 + 2, 3)),
                c("161b24"))
    canvas.fill(tilted(RoundRect(sx0, sy0, sx1, sy1, 1.5)),
                Gradient((sx0, sy0), (sx1, sy1), [(0.0, c("c8e0b0")),
                                                  (1.0, c("93b884"))]))
    ink = c("33492f")
    # The remote's own screen: a title bar, a power key and a keypad.
    canvas.fill(tilted(RoundRect(sx0 + 2, sy0 + 2, sx1 - 2, sy0 + 6, 1)),
                ink, 0.9)
    canvas.fill(tilted(Circle(sx1 - 7, sy0 + 12, 3.2)), c("b0303a"), 0.85)
    canvas.fill(tilted(RoundRect(sx0 + 4, sy0 + 10, sx0 + 17, sy0 + 14, 1)),
                ink, 0.55)
    for row in range(3):
        for col in range(3):
            kx = sx0 + 4 + col * 11
            ky = sy0 + 19 + row * 8.5
            canvas.fill(tilted(RoundRect(kx, ky, kx + 8, ky + 6, 1.5)),
                        ink, 0.75)
            canvas.fill(tilted(RoundRect(kx + 1, ky + 1, kx + 7, ky + 5,
                                         1)),
                        c("b7d39f"))
    # Silk-screened writing area under the glass.
    canvas.fill(tilted(Segment(sx0 + 1, sy1 + 6, sx1 - 1, sy1 + 6, 0.35)),
                c("9aa3b0"), 0.6)


def draw_handheld_buttons(canvas, cx, bottom):
    by = bottom - 14
    for bx in (cx - 19, cx - 9.5, cx + 9.5, cx + 19):
        canvas.fill(tilted(Circle(bx, by + 0.6, 4.2)), c("1b2029"))
        canvas.fill(tilted(Circle(bx, by, 3.6)),
                    RadialGradient((bx - 1.5, by - 1.5), 5,
                                   [(0.0, c("aab3c0")), (1.0, c("6c7583"))]))
    canvas.fill(tilted(RoundRect(cx - 3.8, by - 7, cx + 3.8, by + 7, 3.5)),
                c("1b2029"))
    canvas.fill(tilted(RoundRect(cx - 3, by - 6.2, cx + 3, by + 6.2, 3)),
                Gradient((cx, by - 6), (cx, by + 6), [(0.0, c("aab3c0")),
                                                      (1.0, c("6c7583"))]))


def draw(canvas):
    draw_backdrop(canvas)
    draw_television(canvas)
    draw_beam(canvas)
    draw_handheld(canvas)
