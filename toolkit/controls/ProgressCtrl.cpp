#include "toolkit/controls/ProgressCtrl.h"

#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/Style.h"

#include <algorithm>

namespace tk {

void CProgressCtrl::SetRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
    m_position = std::clamp(m_position, std::min(lower, upper), std::max(lower, upper));
    Invalidate();
}

void CProgressCtrl::GetRange(int& lower, int& upper) const
{
    lower = m_lower;
    upper = m_upper;
}

int CProgressCtrl::SetPos(int position)
{
    const int previous = m_position;
    m_position = std::clamp(position, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
    if (m_position != previous) {
        Invalidate();
        UpdateWindow();
    }
    return previous;
}

void CProgressCtrl::OnDraw(Painter& painter)
{
    const Rect bounds{0, 0, m_rect.Width(), m_rect.Height()};
    painter.FillRect(bounds, colors::ButtonFace);
    Rect inside = bounds;
    if ((m_exStyle & WS_EX_STATICEDGE) != 0) {
        style::StaticEdge(painter, inside);
        inside = inside.Inflate(-1, -1);
    }
    if (HasStyle(WS_BORDER)) {
        painter.FrameRect(inside, colors::WindowFrame);
        inside = inside.Inflate(-1, -1);
    }
    style::ProgressBlocks(painter, inside.Inflate(-1, -1), m_lower, m_upper, m_position);
}

void CProgressCtrl::CopyControlState(const CWnd& from)
{
    if (auto* bar = dynamic_cast<const CProgressCtrl*>(&from)) {
        m_lower = bar->m_lower;
        m_upper = bar->m_upper;
        m_position = bar->m_position;
    }
}

}  // namespace tk
