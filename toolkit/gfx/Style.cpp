#include "toolkit/gfx/Style.h"

#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/TextLayout.h"

#include <cmath>

namespace tk::style {

namespace {

void Bevel(Painter& p, const Rect& r, Color topLeft, Color bottomRight)
{
    p.HorizontalLine(r.left, r.right - 1, r.top, topLeft);
    p.VerticalLine(r.left, r.top, r.bottom - 1, topLeft);
    p.HorizontalLine(r.left, r.right, r.bottom - 1, bottomRight);
    p.VerticalLine(r.right - 1, r.top, r.bottom, bottomRight);
}

}  // namespace

void RaisedEdge(Painter& p, const Rect& r)
{
    Bevel(p, r, colors::ButtonHighlight, colors::DarkShadow);
    Bevel(p, r.Inflate(-1, -1), colors::ButtonLight, colors::ButtonShadow);
}

void SunkenEdge(Painter& p, const Rect& r)
{
    Bevel(p, r, colors::ButtonShadow, colors::ButtonHighlight);
    Bevel(p, r.Inflate(-1, -1), colors::DarkShadow, colors::ButtonLight);
}

void StaticEdge(Painter& p, const Rect& r)
{
    Bevel(p, r, colors::ButtonShadow, colors::ButtonHighlight);
}

void PushButton(Painter& p, const Rect& r, bool pressed, bool isDefault)
{
    p.FillRect(r, colors::ButtonFace);
    Rect inner = r;
    if (isDefault || pressed) {
        p.FrameRect(r, colors::WindowFrame);
        inner = r.Inflate(-1, -1);
    }
    if (pressed) {
        p.FrameRect(inner, colors::ButtonShadow);
    } else {
        RaisedEdge(p, inner);
    }
}

void FocusRect(Painter& p, const Rect& r)
{
    for (int x = r.left; x < r.right; ++x) {
        if (((x - r.left) & 1) == 0) {
            p.SetPixel(x, r.top, colors::WindowText);
            p.SetPixel(x, r.bottom - 1, colors::WindowText);
        }
    }
    for (int y = r.top; y < r.bottom; ++y) {
        if (((y - r.top) & 1) == 0) {
            p.SetPixel(r.left, y, colors::WindowText);
            p.SetPixel(r.right - 1, y, colors::WindowText);
        }
    }
}

void RadioButton(Painter& p, const Rect& box, bool checked, bool pressed, bool enabled)
{
    // Rings of a circle on the pixel grid: shadowed on the upper left, lit on the lower right.
    const double size = box.Width();
    const double radius = size / 2.0;
    const double cx = box.left + radius;
    const double cy = box.top + radius;
    const Color inside = (pressed || !enabled) ? colors::ButtonFace : colors::Window;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double distance = std::sqrt(dx * dx + dy * dy);
            const bool upperLeft = dx + dy < 0;
            if (distance > radius - 0.2) {
                continue;
            }
            Color c = inside;
            if (distance > radius - 1.2) {
                c = upperLeft ? colors::ButtonShadow : colors::ButtonHighlight;
            } else if (distance > radius - 2.2) {
                c = upperLeft ? colors::DarkShadow : colors::ButtonLight;
            } else if (checked && distance < radius * 0.36) {
                c = enabled ? colors::WindowText : colors::GrayText;
            }
            p.SetPixel(x, y, c);
        }
    }
}

void Arrow(Painter& p, const Rect& r, ArrowDirection direction, bool enabled)
{
    const int size = std::max(2, std::min(r.Width(), r.Height()) / 4 + 1);  // rows of the triangle
    const Point c = r.Center();
    auto draw = [&](int offset, Color color) {
        for (int i = 0; i < size; ++i) {
            const int half = size - 1 - i;
            switch (direction) {
            case ArrowDirection::Down:
                p.HorizontalLine(c.x - half + offset, c.x + half + 1 + offset, c.y - size / 2 + i + offset,
                                 color);
                break;
            case ArrowDirection::Up:
                p.HorizontalLine(c.x - half + offset, c.x + half + 1 + offset, c.y + size / 2 - i + offset,
                                 color);
                break;
            case ArrowDirection::Right:
                p.VerticalLine(c.x - size / 2 + i + offset, c.y - half + offset, c.y + half + 1 + offset,
                               color);
                break;
            case ArrowDirection::Left:
                p.VerticalLine(c.x + size / 2 - i + offset, c.y - half + offset, c.y + half + 1 + offset,
                               color);
                break;
            }
        }
    };
    if (enabled) {
        draw(0, colors::WindowText);
    } else {
        draw(1, colors::ButtonHighlight);
        draw(0, colors::ButtonShadow);
    }
}

void ScrollButton(Painter& p, const Rect& r, ArrowDirection direction, bool pressed, bool enabled)
{
    p.FillRect(r, colors::ButtonFace);
    if (pressed) {
        p.FrameRect(r, colors::ButtonShadow);
        Arrow(p, r.Offset(1, 1), direction, enabled);
    } else {
        RaisedEdge(p, r);
        Arrow(p, r, direction, enabled);
    }
}

void ScrollTrack(Painter& p, const Rect& r)
{
    // The classic track is a checkerboard of face and highlight.
    const Rect clip = r.Intersect(p.LocalClip());
    for (int y = clip.top; y < clip.bottom; ++y) {
        for (int x = clip.left; x < clip.right; ++x) {
            p.SetPixel(x, y, ((x + y) & 1) != 0 ? colors::ButtonHighlight : colors::ButtonFace);
        }
    }
}

void EtchedHorizontal(Painter& p, const Rect& r)
{
    p.HorizontalLine(r.left, r.right, r.top, colors::ButtonShadow);
    p.HorizontalLine(r.left, r.right, r.top + 1, colors::ButtonHighlight);
}

void LabelText(Painter& p, const Font& font, Point topLeft, const Label& label, TextState state,
               bool showMnemonic)
{
    auto draw = [&](Point at, Color color) {
        p.DrawText(font, at, label.text, color);
        if (showMnemonic && label.mnemonicIndex >= 0) {
            const auto index = static_cast<std::size_t>(label.mnemonicIndex);
            const int x = at.x + font.TextWidth(std::string_view(label.text).substr(0, index));
            const int width = font.GlyphFor(static_cast<unsigned char>(label.text[index])).advance;
            p.HorizontalLine(x, x + std::max(1, width - 1), at.y + font.Metrics().ascent + 1, color);
        }
    };
    if (state == TextState::Disabled) {
        draw({topLeft.x + 1, topLeft.y + 1}, colors::ButtonHighlight);
        draw(topLeft, colors::ButtonShadow);
    } else {
        draw(topLeft, colors::WindowText);
    }
}

void ProgressBlocks(Painter& p, const Rect& inside, int lower, int upper, int position)
{
    if (upper <= lower || inside.IsEmpty()) {
        return;
    }
    const int clamped = std::clamp(position, lower, upper);
    const int filled =
        static_cast<int>(static_cast<long long>(inside.Width()) * (clamped - lower) / (upper - lower));
    // Segments two thirds as wide as the bar is high, with a gap of two pixels, as the classic bar draws.
    const int blockWidth = std::max(2, (inside.Height() * 2) / 3);
    const int gap = 2;
    for (int x = inside.left; x < inside.left + filled; x += blockWidth + gap) {
        const int right = std::min(x + blockWidth, inside.right);
        p.FillRect({x, inside.top, right, inside.bottom}, colors::Highlight);
    }
}

}  // namespace tk::style
