#include "toolkit/controls/Edit.h"

#include "toolkit/WindowSystem.h"
#include "toolkit/display/Display.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/Style.h"

#include <algorithm>

namespace tk {

namespace {
constexpr int kTextMargin = 2;
constexpr int kWheelLines = 3;

int ScrollBarWidth()
{
    return 16 * WindowSystem::Get().Dpi() / 96;
}
}  // namespace

void CEdit::SetWindowText(std::string_view text)
{
    CWnd::SetWindowText(text);
    m_layoutWidth = -1;
    m_topLine = 0;
}

int CEdit::BorderWidth() const
{
    return (HasStyle(WS_BORDER) || (m_exStyle & WS_EX_CLIENTEDGE) != 0) ? 2 : 0;
}

Rect CEdit::TextArea() const
{
    const int border = BorderWidth();
    const int scroll = HasStyle(WS_VSCROLL) ? ScrollBarWidth() : 0;
    return {border + kTextMargin, border + 1, m_rect.Width() - border - scroll - kTextMargin,
            m_rect.Height() - border};
}

int CEdit::VisibleLines() const
{
    return std::max(1, TextArea().Height() / GetFont().Metrics().height);
}

void CEdit::Relayout()
{
    const int width = TextArea().Width();
    if (width == m_layoutWidth) {
        return;
    }
    m_layoutWidth = width;
    m_lines = WrapText(GetFont(), m_text.Str(), std::max(width, 1), LongWords::Break);
}

int CEdit::GetLineCount()
{
    Relayout();
    return static_cast<int>(m_lines.size());
}

VerticalScrollBar CEdit::ScrollBar()
{
    Relayout();
    const int border = BorderWidth();
    VerticalScrollBar bar;
    bar.bounds = {m_rect.Width() - border - ScrollBarWidth(), border, m_rect.Width() - border,
                  m_rect.Height() - border};
    bar.total = static_cast<int>(m_lines.size());
    bar.visible = VisibleLines();
    bar.position = m_topLine;
    return bar;
}

void CEdit::ScrollTo(int line)
{
    Relayout();
    const int maxTop = std::max(0, static_cast<int>(m_lines.size()) - VisibleLines());
    const int top = std::clamp(line, 0, maxTop);
    if (top != m_topLine) {
        m_topLine = top;
        Invalidate();
    }
}

void CEdit::LineScroll(int lines)
{
    ScrollTo(m_topLine + lines);
}

unsigned int CEdit::GetDlgCode() const
{
    unsigned int code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (HasStyle(ES_MULTILINE)) {
        code |= DLGC_WANTENTER;
    }
    return code;
}

void CEdit::OnKeyDown(const KeyPress& key)
{
    const int page = std::max(1, VisibleLines() - 1);
    switch (static_cast<Key>(key.key)) {
    case Key::Up:
    case Key::Left:
        LineScroll(-1);
        break;
    case Key::Down:
    case Key::Right:
        LineScroll(1);
        break;
    case Key::PageUp:
        LineScroll(-page);
        break;
    case Key::PageDown:
        LineScroll(page);
        break;
    case Key::Home:
        if (key.control) {
            ScrollTo(0);
        }
        break;
    case Key::End:
        if (key.control) {
            ScrollTo(GetLineCount());
        }
        break;
    default:
        break;  // read-only: characters and Enter change nothing
    }
}

void CEdit::OnMouseDown(Point point)
{
    SetFocus();
    if (!HasStyle(WS_VSCROLL)) {
        return;
    }
    VerticalScrollBar bar = ScrollBar();
    m_pressed = bar.HitTest(point);
    const int page = std::max(1, VisibleLines() - 1);
    switch (m_pressed) {
    case VerticalScrollBar::Part::UpArrow:
        LineScroll(-1);
        break;
    case VerticalScrollBar::Part::DownArrow:
        LineScroll(1);
        break;
    case VerticalScrollBar::Part::PageUp:
        LineScroll(-page);
        break;
    case VerticalScrollBar::Part::PageDown:
        LineScroll(page);
        break;
    case VerticalScrollBar::Part::Thumb:
        m_dragOffset = point.y - bar.Thumb().top;
        break;
    case VerticalScrollBar::Part::None:
        return;
    }
    WindowSystem::Get().SetCapture(this);
    Invalidate();
}

void CEdit::OnMouseMove(Point point)
{
    if (m_pressed == VerticalScrollBar::Part::Thumb) {
        ScrollTo(ScrollBar().PositionForThumbTop(point.y - m_dragOffset));
    }
}

void CEdit::OnMouseUp(Point /*point*/)
{
    if (m_pressed != VerticalScrollBar::Part::None) {
        m_pressed = VerticalScrollBar::Part::None;
        WindowSystem::Get().SetCapture(nullptr);
        Invalidate();
    }
}

void CEdit::OnMouseWheel(int steps)
{
    LineScroll(-steps * kWheelLines);
}

void CEdit::CopyControlState(const CWnd& /*from*/)
{
    m_layoutWidth = -1;
}

void CEdit::OnDraw(Painter& painter)
{
    Relayout();
    const Rect bounds{0, 0, m_rect.Width(), m_rect.Height()};
    const bool enabled = IsWindowEnabled();
    // Read-only text keeps the white page behind it: a long agreement reads better on white than on the face.
    painter.FillRect(bounds, enabled ? colors::Window : colors::ButtonFace);
    if (BorderWidth() > 0) {
        style::SunkenEdge(painter, bounds);
    }
    const Font& font = GetFont();
    const Rect area = TextArea();
    const int lineHeight = font.Metrics().height;
    int y = area.top;
    for (std::size_t i = static_cast<std::size_t>(m_topLine); i < m_lines.size() && y < area.bottom; ++i) {
        painter.DrawText(font, {area.left, y}, m_lines[i].text,
                         enabled ? colors::WindowText : colors::GrayText,
                         {area.left, area.top, area.right, area.bottom});
        y += lineHeight;
    }
    if (HasFocus()) {
        painter.VerticalLine(area.left, area.top, std::min(area.top + lineHeight, area.bottom),
                             colors::WindowText);
    }
    if (HasStyle(WS_VSCROLL)) {
        ScrollBar().Draw(painter, m_pressed);
    }
}

}  // namespace tk
