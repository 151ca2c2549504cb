#include "toolkit/controls/ComboBox.h"

#include "toolkit/WindowSystem.h"
#include "toolkit/display/Display.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/Style.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tk {

namespace {

int ScrollBarWidth()
{
    return 16 * WindowSystem::Get().Dpi() / 96;
}

// The list's own alphabetical order: letters compare without regard to case, then byte order.
bool ListOrderLess(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

}  // namespace

int CComboBox::AddString(std::string_view text)
{
    std::string item(text);
    auto at = m_items.end();
    if (HasStyle(CBS_SORT)) {
        at = std::upper_bound(m_items.begin(), m_items.end(), item, ListOrderLess);
    }
    const auto index = static_cast<int>(at - m_items.begin());
    m_items.insert(at, std::move(item));
    if (m_selection >= index) {
        ++m_selection;
    }
    Invalidate();
    return index;
}

void CComboBox::ResetContent()
{
    m_items.clear();
    m_selection = CB_ERR;
    m_topIndex = 0;
    Invalidate();
}

int CComboBox::SetCurSel(int index)
{
    if (index < 0 || index >= GetCount()) {
        m_selection = CB_ERR;
        Invalidate();
        return CB_ERR;
    }
    m_selection = index;
    Invalidate();
    return index;
}

void CComboBox::GetLBText(int index, CString& text) const
{
    if (index >= 0 && index < GetCount()) {
        text = CString(m_items[static_cast<std::size_t>(index)]);
    } else {
        text.Empty();
    }
}

CString CComboBox::GetWindowText() const
{
    CString text;
    GetLBText(m_selection, text);
    return text;
}

void CComboBox::SetDroppedHeight(int pixels)
{
    m_dropHeight = pixels;
    m_rect.bottom = m_rect.top + FieldHeight();
}

int CComboBox::FieldHeight() const
{
    return ItemHeight() + 8;
}

int CComboBox::ItemHeight() const
{
    return GetFont().Metrics().height;
}

int CComboBox::VisibleItems() const
{
    const int room = std::max(1, (m_dropHeight - FieldHeight() - 2) / ItemHeight());
    return std::max(1, std::min(room, GetCount()));
}

Rect CComboBox::DroppedListRect() const
{
    const Rect field = RectInTopLevel();
    return {field.left, field.bottom, field.right, field.bottom + VisibleItems() * ItemHeight() + 2};
}

VerticalScrollBar CComboBox::ListScrollBar() const
{
    const Rect list = DroppedListRect();
    VerticalScrollBar bar;
    bar.bounds = {list.right - 1 - ScrollBarWidth(), list.top + 1, list.right - 1, list.bottom - 1};
    bar.total = GetCount();
    bar.visible = VisibleItems();
    bar.position = m_topIndex;
    return bar;
}

void CComboBox::ShowDropDown(bool show)
{
    if (show == m_dropped) {
        return;
    }
    m_dropped = show;
    if (show) {
        m_hot = m_selection;
        EnsureVisible(std::max(m_selection, 0));
        WindowSystem::Get().SetPopup(this);
    } else {
        m_draggingThumb = false;
        if (WindowSystem::Get().Popup() == this) {
            WindowSystem::Get().SetPopup(nullptr);
        }
    }
    // The list covers more than the control: what lay under it must be painted again.
    WindowSystem::Get().InvalidateAll(*GetTopLevel());
}

void CComboBox::EnsureVisible(int index)
{
    const int visible = VisibleItems();
    if (index < m_topIndex) {
        m_topIndex = index;
    } else if (index >= m_topIndex + visible) {
        m_topIndex = index - visible + 1;
    }
    m_topIndex = std::clamp(m_topIndex, 0, std::max(0, GetCount() - visible));
}

void CComboBox::SelectByUser(int index)
{
    if (GetCount() == 0) {
        return;
    }
    index = std::clamp(index, 0, GetCount() - 1);
    if (index == m_selection) {
        return;
    }
    m_selection = index;
    Invalidate();
    NotifyParent(CBN_SELCHANGE);
}

void CComboBox::OnKeyDown(const KeyPress& key)
{
    const auto k = static_cast<Key>(key.key);
    if (m_dropped) {
        switch (k) {
        case Key::Up:
            m_hot = std::max(0, m_hot - 1);
            EnsureVisible(m_hot);
            Invalidate();
            return;
        case Key::Down:
            if (key.alt) {
                ShowDropDown(false);
                return;
            }
            m_hot = std::min(GetCount() - 1, m_hot + 1);
            EnsureVisible(m_hot);
            Invalidate();
            return;
        case Key::Enter:
        case Key::F4:
        case Key::Tab: {
            const int chosen = m_hot;
            ShowDropDown(false);
            SelectByUser(chosen);
            return;
        }
        case Key::Escape:
            ShowDropDown(false);
            return;
        default:
            break;
        }
    }
    switch (k) {
    case Key::F4:
        ShowDropDown(true);
        return;
    case Key::Down:
        if (key.alt) {
            ShowDropDown(true);
        } else {
            SelectByUser(m_selection + 1);
        }
        return;
    case Key::Up:
        if (key.alt) {
            ShowDropDown(true);
        } else {
            SelectByUser(m_selection <= 0 ? 0 : m_selection - 1);
        }
        return;
    case Key::Right:
        SelectByUser(m_selection + 1);
        return;
    case Key::Left:
        SelectByUser(m_selection <= 0 ? 0 : m_selection - 1);
        return;
    case Key::Home:
        SelectByUser(0);
        return;
    case Key::End:
        SelectByUser(GetCount() - 1);
        return;
    case Key::Character: {
        // A letter selects the next entry that starts with it, wrapping round.
        const int count = GetCount();
        for (int step = 1; step <= count; ++step) {
            const int index = (std::max(m_selection, -1) + step + count) % count;
            const std::string& item = m_items[static_cast<std::size_t>(index)];
            if (!item.empty() && std::tolower(static_cast<unsigned char>(item[0])) ==
                                     std::tolower(static_cast<unsigned char>(key.character))) {
                if (m_dropped) {
                    m_hot = index;
                    EnsureVisible(index);
                    Invalidate();
                } else {
                    SelectByUser(index);
                }
                return;
            }
        }
        return;
    }
    default:
        return;
    }
}

void CComboBox::OnMouseDown(Point /*point*/)
{
    SetFocus();
    ShowDropDown(!m_dropped);
}

void CComboBox::OnMouseUp(Point /*point*/) {}
void CComboBox::OnMouseMove(Point /*point*/) {}

void CComboBox::OnMouseWheel(int steps)
{
    if (m_dropped) {
        m_topIndex = std::clamp(m_topIndex - steps, 0, std::max(0, GetCount() - VisibleItems()));
        Invalidate();
    } else {
        SelectByUser(m_selection - steps);
    }
}

void CComboBox::OnPopupMouseDown(Point point)
{
    const Rect list = DroppedListRect();
    const VerticalScrollBar bar = ListScrollBar();
    if (bar.Enabled() && bar.bounds.Contains(point)) {
        switch (bar.HitTest(point)) {
        case VerticalScrollBar::Part::UpArrow:
            m_topIndex = std::max(0, m_topIndex - 1);
            break;
        case VerticalScrollBar::Part::DownArrow:
            m_topIndex = std::min(bar.MaxPosition(), m_topIndex + 1);
            break;
        case VerticalScrollBar::Part::PageUp:
            m_topIndex = std::max(0, m_topIndex - VisibleItems());
            break;
        case VerticalScrollBar::Part::PageDown:
            m_topIndex = std::min(bar.MaxPosition(), m_topIndex + VisibleItems());
            break;
        case VerticalScrollBar::Part::Thumb:
            m_draggingThumb = true;
            m_dragOffset = point.y - bar.Thumb().top;
            break;
        case VerticalScrollBar::Part::None:
            break;
        }
        Invalidate();
        return;
    }
    if (!list.Contains(point)) {
        ShowDropDown(false);
    }
}

void CComboBox::OnPopupMouseMove(Point point)
{
    if (m_draggingThumb) {
        m_topIndex = ListScrollBar().PositionForThumbTop(point.y - m_dragOffset);
        Invalidate();
        return;
    }
    const Rect list = DroppedListRect();
    if (list.Contains(point) && !(ListScrollBar().Enabled() && ListScrollBar().bounds.Contains(point))) {
        const int index = m_topIndex + (point.y - list.top - 1) / ItemHeight();
        if (index != m_hot && index < GetCount()) {
            m_hot = index;
            Invalidate();
        }
    }
}

void CComboBox::OnPopupMouseUp(Point point)
{
    if (m_draggingThumb) {
        m_draggingThumb = false;
        return;
    }
    const Rect list = DroppedListRect();
    const bool onBar = ListScrollBar().Enabled() && ListScrollBar().bounds.Contains(point);
    if (list.Contains(point) && !onBar) {
        const int index = m_topIndex + (point.y - list.top - 1) / ItemHeight();
        if (index >= 0 && index < GetCount()) {
            ShowDropDown(false);
            SelectByUser(index);
        }
    }
}

void CComboBox::CopyControlState(const CWnd& from)
{
    if (auto* combo = dynamic_cast<const CComboBox*>(&from)) {
        m_items = combo->m_items;
        m_selection = combo->m_selection;
        m_dropHeight = combo->m_dropHeight;
    }
}

void CComboBox::OnDraw(Painter& painter)
{
    const Rect bounds{0, 0, m_rect.Width(), m_rect.Height()};
    const bool enabled = IsWindowEnabled();
    painter.FillRect(bounds, enabled ? colors::Window : colors::ButtonFace);
    style::SunkenEdge(painter, bounds);
    const int arrowWidth = ScrollBarWidth();
    const Rect arrow{bounds.right - 2 - arrowWidth, 2, bounds.right - 2, bounds.bottom - 2};
    style::ScrollButton(painter, arrow, style::ArrowDirection::Down, m_dropped, enabled);
    const Rect field{3, 3, arrow.left - 1, bounds.bottom - 3};
    const Font& font = GetFont();
    const int textTop = field.top + (field.Height() - font.Metrics().height) / 2;
    Color textColor = enabled ? colors::WindowText : colors::GrayText;
    if (HasFocus() && !m_dropped) {
        painter.FillRect(field, colors::Highlight);
        textColor = colors::HighlightText;
    }
    if (m_selection != CB_ERR) {
        painter.DrawText(font, {field.left + 2, textTop}, m_items[static_cast<std::size_t>(m_selection)],
                         textColor, field);
    }
    if (HasFocus() && !m_dropped) {
        style::FocusRect(painter, field);
    }
}

void CComboBox::DrawDroppedList(Painter& painter)
{
    const Rect list = DroppedListRect();
    painter.FillRect(list, colors::Window);
    painter.FrameRect(list, colors::WindowFrame);
    const Font& font = GetFont();
    const VerticalScrollBar bar = ListScrollBar();
    const int textRight = bar.Enabled() ? bar.bounds.left : list.right - 1;
    for (int row = 0; row < VisibleItems(); ++row) {
        const int index = m_topIndex + row;
        if (index >= GetCount()) {
            break;
        }
        const Rect item{list.left + 1, list.top + 1 + row * ItemHeight(), textRight,
                        list.top + 1 + (row + 1) * ItemHeight()};
        Color color = colors::WindowText;
        if (index == m_hot) {
            painter.FillRect(item, colors::Highlight);
            color = colors::HighlightText;
        }
        painter.DrawText(font, {item.left + 2, item.top}, m_items[static_cast<std::size_t>(index)], color,
                         item);
    }
    if (bar.Enabled()) {
        bar.Draw(painter, VerticalScrollBar::Part::None);
    }
}

}  // namespace tk
