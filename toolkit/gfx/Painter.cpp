#include "toolkit/gfx/Painter.h"

#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Surface.h"

namespace tk {

Painter::Painter(Surface& target, Point origin, Rect clip)
    : m_target(&target), m_origin(origin), m_clip(clip.Intersect(target.Bounds()))
{
}

Painter Painter::ForChild(const Rect& childRect) const
{
    const Rect onSurface = childRect.Offset(m_origin.x, m_origin.y);
    return Painter(*m_target, onSurface.TopLeft(), m_clip.Intersect(onSurface));
}

void Painter::FillRect(const Rect& rect, Color color)
{
    const Rect area = rect.Offset(m_origin.x, m_origin.y).Intersect(m_clip);
    for (int y = area.top; y < area.bottom; ++y) {
        auto row = m_target->Row(y);
        std::fill(row.begin() + area.left, row.begin() + area.right, color);
    }
}

void Painter::SetPixel(int x, int y, Color color)
{
    const Point p{x + m_origin.x, y + m_origin.y};
    if (m_clip.Contains(p)) {
        m_target->Set(p.x, p.y, color);
    }
}

void Painter::HorizontalLine(int x0, int x1, int y, Color color)
{
    FillRect({x0, y, x1, y + 1}, color);
}

void Painter::VerticalLine(int x, int y0, int y1, Color color)
{
    FillRect({x, y0, x + 1, y1}, color);
}

void Painter::FrameRect(const Rect& rect, Color color)
{
    if (rect.IsEmpty()) {
        return;
    }
    HorizontalLine(rect.left, rect.right, rect.top, color);
    HorizontalLine(rect.left, rect.right, rect.bottom - 1, color);
    VerticalLine(rect.left, rect.top, rect.bottom, color);
    VerticalLine(rect.right - 1, rect.top, rect.bottom, color);
}

void Painter::DrawText(const Font& font, Point topLeft, std::string_view text, Color color)
{
    font.DrawText(*m_target, {topLeft.x + m_origin.x, topLeft.y + m_origin.y}, text, color, m_clip);
}

void Painter::DrawText(const Font& font, Point topLeft, std::string_view text, Color color, const Rect& clip)
{
    font.DrawText(*m_target, {topLeft.x + m_origin.x, topLeft.y + m_origin.y}, text, color,
                  clip.Offset(m_origin.x, m_origin.y).Intersect(m_clip));
}

void Painter::DrawImage(const Surface& source, Point at)
{
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            const Color c = source.At(x, y);
            if ((c >> 24U) != 0) {
                SetPixel(at.x + x, at.y + y, c | 0xFF000000U);
            }
        }
    }
}

}  // namespace tk
