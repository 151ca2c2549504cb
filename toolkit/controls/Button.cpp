#include "toolkit/controls/Button.h"

#include "toolkit/Dialog.h"
#include "toolkit/DialogManager.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/display/Display.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/Style.h"
#include "toolkit/gfx/TextLayout.h"

#include <algorithm>

namespace tk {

void CButton::SetCheck(int check)
{
    const bool checked = check == BST_CHECKED;
    if (checked != m_checked) {
        m_checked = checked;
        Invalidate();
    }
}

bool CButton::LooksDefault() const
{
    if (m_kind != Kind::Push) {
        return false;
    }
    const CWnd* focus = GetFocus();
    const auto* focusButton = dynamic_cast<const CButton*>(focus);
    const bool pushButtonHasFocus = focusButton != nullptr && focusButton->m_kind == Kind::Push &&
                                    focusButton->IsWindowVisible() &&
                                    focusButton->GetTopLevel() == GetTopLevel();
    if (pushButtonHasFocus) {
        return focus == this;
    }
    return HasStyle(BS_DEFPUSHBUTTON);
}

void CButton::Click()
{
    if (!IsUsable(*this)) {
        return;
    }
    if (m_kind == Kind::Radio) {
        // An automatic radio button checks itself and clears the others of its group.
        for (CWnd* member : ControlGroup(*this)) {
            if (auto* radio = dynamic_cast<CButton*>(member);
                radio != nullptr && radio->m_kind == Kind::Radio) {
                radio->SetCheck(radio == this ? BST_CHECKED : BST_UNCHECKED);
            }
        }
    }
    NotifyParent(BN_CLICKED);
}

unsigned int CButton::GetDlgCode() const
{
    return m_kind == Kind::Push ? DLGC_PUSHBUTTON : DLGC_RADIOBUTTON;
}

void CButton::OnKeyDown(const KeyPress& key)
{
    if (key.key == static_cast<int>(Key::Space)) {
        if (m_kind == Kind::Radio) {
            SetFocus();
        }
        Click();
    }
}

void CButton::OnMouseDown(Point /*point*/)
{
    SetFocus();
    m_tracking = true;
    m_pushed = true;
    WindowSystem::Get().SetCapture(this);
    Invalidate();
}

void CButton::OnMouseMove(Point point)
{
    if (!m_tracking) {
        return;
    }
    const bool inside = Rect{0, 0, m_rect.Width(), m_rect.Height()}.Contains(point);
    if (inside != m_pushed) {
        m_pushed = inside;
        Invalidate();
    }
}

void CButton::OnMouseUp(Point point)
{
    if (!m_tracking) {
        return;
    }
    m_tracking = false;
    m_pushed = false;
    WindowSystem::Get().SetCapture(nullptr);
    Invalidate();
    if (Rect{0, 0, m_rect.Width(), m_rect.Height()}.Contains(point)) {
        Click();
    }
}

void CButton::CopyControlState(const CWnd& from)
{
    if (auto* button = dynamic_cast<const CButton*>(&from)) {
        m_kind = button->m_kind;
        m_checked = button->m_checked;
    }
}

void CButton::OnDraw(Painter& painter)
{
    if (m_kind == Kind::Push) {
        DrawPush(painter);
    } else {
        DrawRadio(painter);
    }
}

void CButton::DrawPush(Painter& painter)
{
    const Rect bounds{0, 0, m_rect.Width(), m_rect.Height()};
    const bool isDefault = LooksDefault();
    style::PushButton(painter, bounds, m_pushed, isDefault);
    const Font& font = GetFont();
    const Label label = ParseLabel(m_text.Str());
    const int textWidth = font.TextWidth(label.text);
    const int textHeight = font.Metrics().height;
    Point at{(bounds.Width() - textWidth) / 2, (bounds.Height() - textHeight) / 2};
    if (m_pushed) {
        at = {at.x + 1, at.y + 1};
    }
    const bool enabled = IsWindowEnabled();
    style::LabelText(painter, font, at, label,
                     enabled ? style::TextState::Normal : style::TextState::Disabled);
    if (HasFocus()) {
        const int inset = isDefault ? 4 : 3;
        style::FocusRect(painter, bounds.Inflate(-inset, -inset));
    }
}

void CButton::DrawRadio(Painter& painter)
{
    const Font& font = GetFont();
    const int boxSize = std::max(12, (font.Metrics().height * 12 + 6) / 13);
    const int boxTop = (m_rect.Height() - boxSize) / 2;
    const Rect box{0, boxTop, boxSize, boxTop + boxSize};
    const bool enabled = IsWindowEnabled();
    style::RadioButton(painter, box, m_checked, m_pushed, enabled);
    const Label label = ParseLabel(m_text.Str());
    const int textLeft = boxSize + 4;
    const int textTop = (m_rect.Height() - font.Metrics().height) / 2;
    style::LabelText(painter, font, {textLeft, textTop}, label,
                     enabled ? style::TextState::Normal : style::TextState::Disabled);
    if (HasFocus()) {
        const int width = font.TextWidth(label.text);
        style::FocusRect(painter, {textLeft - 1, textTop - 1, textLeft + width + 1,
                                   std::min(m_rect.Height(), textTop + font.Metrics().height + 1)});
    }
}

}  // namespace tk
