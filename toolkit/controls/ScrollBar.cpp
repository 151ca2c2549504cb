#include "toolkit/controls/ScrollBar.h"

#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/Style.h"

#include <algorithm>

namespace tk {

Rect VerticalScrollBar::UpArrow() const
{
    const int size = std::min(bounds.Width(), bounds.Height() / 2);
    return {bounds.left, bounds.top, bounds.right, bounds.top + size};
}

Rect VerticalScrollBar::DownArrow() const
{
    const int size = std::min(bounds.Width(), bounds.Height() / 2);
    return {bounds.left, bounds.bottom - size, bounds.right, bounds.bottom};
}

Rect VerticalScrollBar::Track() const
{
    return {bounds.left, UpArrow().bottom, bounds.right, DownArrow().top};
}

Rect VerticalScrollBar::Thumb() const
{
    const Rect track = Track();
    if (!Enabled() || track.Height() <= 0) {
        return {};
    }
    const int length = std::max(8, track.Height() * visible / std::max(total, 1));
    const int travel = track.Height() - length;
    const int top = track.top + (MaxPosition() > 0 ? travel * position / MaxPosition() : 0);
    return {track.left, top, track.right, top + length};
}

VerticalScrollBar::Part VerticalScrollBar::HitTest(Point point) const
{
    if (!bounds.Contains(point)) {
        return Part::None;
    }
    if (UpArrow().Contains(point)) {
        return Part::UpArrow;
    }
    if (DownArrow().Contains(point)) {
        return Part::DownArrow;
    }
    const Rect thumb = Thumb();
    if (thumb.IsEmpty()) {
        return Part::None;
    }
    if (thumb.Contains(point)) {
        return Part::Thumb;
    }
    return point.y < thumb.top ? Part::PageUp : Part::PageDown;
}

int VerticalScrollBar::PositionForThumbTop(int thumbTop) const
{
    const Rect track = Track();
    const Rect thumb = Thumb();
    const int travel = track.Height() - thumb.Height();
    if (travel <= 0) {
        return 0;
    }
    const int offset = std::clamp(thumbTop - track.top, 0, travel);
    return (offset * MaxPosition() + travel / 2) / travel;
}

void VerticalScrollBar::Draw(Painter& painter, Part pressed) const
{
    const bool enabled = Enabled();
    style::ScrollButton(painter, UpArrow(), style::ArrowDirection::Up, pressed == Part::UpArrow, enabled);
    style::ScrollButton(painter, DownArrow(), style::ArrowDirection::Down, pressed == Part::DownArrow,
                        enabled);
    const Rect track = Track();
    style::ScrollTrack(painter, track);
    if (!enabled) {
        return;
    }
    const Rect thumb = Thumb();
    if (pressed == Part::PageUp) {
        painter.FillRect({track.left, track.top, track.right, thumb.top}, colors::WindowText);
    } else if (pressed == Part::PageDown) {
        painter.FillRect({track.left, thumb.bottom, track.right, track.bottom}, colors::WindowText);
    }
    painter.FillRect(thumb, colors::ButtonFace);
    style::RaisedEdge(painter, thumb);
}

}  // namespace tk
