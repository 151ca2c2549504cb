#pragma once

#include "toolkit/gfx/Geometry.h"

namespace tk {

class Painter;

// The geometry and drawing of a vertical scroll bar over a range of lines; the owning control keeps the
// position and does the scrolling.
struct VerticalScrollBar {
    enum class Part { None, UpArrow, PageUp, Thumb, PageDown, DownArrow };

    Rect bounds;
    int total = 0;     // lines in all
    int visible = 0;   // lines that fit
    int position = 0;  // first visible line

    [[nodiscard]] bool Enabled() const { return total > visible; }
    [[nodiscard]] int MaxPosition() const { return total > visible ? total - visible : 0; }
    [[nodiscard]] Rect UpArrow() const;
    [[nodiscard]] Rect DownArrow() const;
    [[nodiscard]] Rect Track() const;
    [[nodiscard]] Rect Thumb() const;
    [[nodiscard]] Part HitTest(Point point) const;
    // The position that puts the thumb's top at `thumbTop`.
    [[nodiscard]] int PositionForThumbTop(int thumbTop) const;
    void Draw(Painter& painter, Part pressed) const;
};

}  // namespace tk
