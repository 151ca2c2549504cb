#pragma once

#include "toolkit/gfx/Color.h"
#include "toolkit/gfx/Geometry.h"

#include <string_view>

namespace tk {

class Font;
class Surface;

// Draws into a surface in the local coordinates of one window, clipped to that window.
class Painter {
public:
    Painter(Surface& target, Point origin, Rect clip);

    // A painter for a child at `childRect` (in this painter's coordinates), clipped to both.
    [[nodiscard]] Painter ForChild(const Rect& childRect) const;

    [[nodiscard]] Surface& Target() const { return *m_target; }
    [[nodiscard]] Point Origin() const { return m_origin; }
    // The clip in local coordinates.
    [[nodiscard]] Rect LocalClip() const { return m_clip.Offset(-m_origin.x, -m_origin.y); }

    void FillRect(const Rect& rect, Color color);
    void SetPixel(int x, int y, Color color);
    void HorizontalLine(int x0, int x1, int y, Color color);  // x1 exclusive
    void VerticalLine(int x, int y0, int y1, Color color);    // y1 exclusive
    void FrameRect(const Rect& rect, Color color);
    void DrawText(const Font& font, Point topLeft, std::string_view text, Color color);
    void DrawText(const Font& font, Point topLeft, std::string_view text, Color color, const Rect& clip);
    // Copies `source` (alpha 0 pixels skipped) with its top-left corner at `at`.
    void DrawImage(const Surface& source, Point at);

private:
    Surface* m_target;
    Point m_origin;  // where local (0, 0) lies on the surface
    Rect m_clip;     // surface coordinates
};

}  // namespace tk
