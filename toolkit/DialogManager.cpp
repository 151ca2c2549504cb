#include "toolkit/DialogManager.h"

#include "toolkit/Dialog.h"
#include "toolkit/controls/Button.h"
#include "toolkit/display/Display.h"

#include <algorithm>

namespace tk {

namespace {

bool IsControlParent(const CWnd& window)
{
    return window.HasStyle(DS_CONTROL) || (window.GetExStyle() & WS_EX_CONTROLPARENT) != 0;
}

void Collect(CWnd& parent, std::vector<CWnd*>& out)
{
    for (CWnd* child : parent.Children()) {
        if (IsControlParent(*child)) {
            Collect(*child, out);
        } else {
            out.push_back(child);
        }
    }
}

bool IsTabStop(const CWnd& control)
{
    return control.HasStyle(WS_TABSTOP) && control.CanTakeFocus() && IsUsable(control);
}

// Tab into a group of radio buttons lands on the one that is checked, as people expect of a choice.
CWnd* CheckedRadioOfGroup(CWnd& tabStop)
{
    if ((tabStop.GetDlgCode() & DLGC_RADIOBUTTON) == 0) {
        return &tabStop;
    }
    for (CWnd* member : ControlGroup(tabStop)) {
        const auto* radio = dynamic_cast<const CButton*>(member);
        if (radio != nullptr && radio->GetCheck() == BST_CHECKED && IsUsable(*member)) {
            return member;
        }
    }
    return &tabStop;
}

void MoveInGroup(CWnd& focus, bool backwards)
{
    auto group = ControlGroup(focus);
    auto self = std::find(group.begin(), group.end(), &focus);
    if (self == group.end()) {
        return;
    }
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t index = self - group.begin();
    for (std::ptrdiff_t step = 1; step < count; ++step) {
        const std::ptrdiff_t next = ((backwards ? index - step : index + step) % count + count) % count;
        CWnd* candidate = group[static_cast<std::size_t>(next)];
        if (candidate->CanTakeFocus() && IsUsable(*candidate)) {
            candidate->SetFocus();
            if ((candidate->GetDlgCode() & DLGC_RADIOBUTTON) != 0) {
                candidate->Click();
            }
            return;
        }
    }
}

void ActivateMnemonic(CWnd& dialog, char letter)
{
    const auto order = KeyboardOrder(dialog);
    if (order.empty()) {
        return;
    }
    CWnd* focus = CWnd::GetFocus();
    auto start = std::find(order.begin(), order.end(), focus);
    const std::size_t first = start == order.end() ? 0 : static_cast<std::size_t>(start - order.begin()) + 1;
    for (std::size_t step = 0; step < order.size(); ++step) {
        CWnd* candidate = order[(first + step) % order.size()];
        if (!IsUsable(*candidate) || candidate->Mnemonic() != letter) {
            continue;
        }
        const unsigned int code = candidate->GetDlgCode();
        if ((code & DLGC_PUSHBUTTON) != 0) {
            candidate->Click();
        } else if ((code & DLGC_RADIOBUTTON) != 0) {
            candidate->SetFocus();
            candidate->Click();
        } else if ((code & DLGC_STATIC) != 0) {
            // A label's mnemonic leads to the control after it.
            if (CWnd* next = NextTabStop(dialog, candidate, false)) {
                next->SetFocus();
            }
        } else if (candidate->CanTakeFocus()) {
            candidate->SetFocus();
        }
        return;
    }
}

}  // namespace

std::vector<CWnd*> ControlGroup(CWnd& control)
{
    std::vector<CWnd*> group;
    CWnd* parent = control.GetParent();
    if (parent == nullptr) {
        return group;
    }
    const auto& siblings = parent->Children();
    auto self = std::find(siblings.begin(), siblings.end(), &control);
    if (self == siblings.end()) {
        return group;
    }
    auto start = self;
    while (start != siblings.begin() && !(*start)->HasStyle(WS_GROUP)) {
        --start;
    }
    for (auto it = start; it != siblings.end(); ++it) {
        if (it != start && (*it)->HasStyle(WS_GROUP)) {
            break;
        }
        group.push_back(*it);
    }
    return group;
}

std::vector<CWnd*> KeyboardOrder(CWnd& dialog)
{
    std::vector<CWnd*> order;
    Collect(dialog, order);
    return order;
}

bool IsUsable(const CWnd& control)
{
    // The dialog's own state does not count: focus is placed before a dialog shows, and a dialog that a
    // modal box disables gets no keys at all.
    for (const CWnd* window = &control; window->GetParent() != nullptr; window = window->GetParent()) {
        if (!window->HasStyle(WS_VISIBLE) || window->HasStyle(WS_DISABLED)) {
            return false;
        }
    }
    return control.IsCreated();
}

CWnd* FirstTabStop(CWnd& dialog)
{
    for (CWnd* control : KeyboardOrder(dialog)) {
        if (IsTabStop(*control)) {
            return control;
        }
    }
    return nullptr;
}

CWnd* NextTabStop(CWnd& dialog, CWnd* from, bool backwards)
{
    auto order = KeyboardOrder(dialog);
    if (order.empty()) {
        return nullptr;
    }
    if (backwards) {
        std::reverse(order.begin(), order.end());
    }
    auto start = std::find(order.begin(), order.end(), from);
    const std::size_t first = start == order.end() ? 0 : static_cast<std::size_t>(start - order.begin()) + 1;
    for (std::size_t step = 0; step < order.size(); ++step) {
        CWnd* candidate = order[(first + step) % order.size()];
        if (!IsTabStop(*candidate)) {
            continue;
        }
        // Leaving a radio group backwards passes its own tab stop; that is not a way out.
        if (CWnd* target = CheckedRadioOfGroup(*candidate); target != from) {
            return target;
        }
    }
    return nullptr;
}

CWnd* DefaultButton(CWnd& dialog)
{
    auto* asDialog = dynamic_cast<CDialog*>(&dialog);
    if (asDialog == nullptr) {
        return nullptr;
    }
    for (CWnd* control : KeyboardOrder(dialog)) {
        if (control->GetDlgCtrlID() == asDialog->GetDefID() &&
            (control->GetDlgCode() & DLGC_PUSHBUTTON) != 0) {
            return control;
        }
    }
    return nullptr;
}

void HandleDialogKey(CWnd& dialog, const KeyPress& key)
{
    CWnd* focus = CWnd::GetFocus();
    if (focus != nullptr && (!focus->IsDescendantOf(dialog) || !IsUsable(*focus))) {
        // A disabled or hidden control keeps its place in the Tab order but takes no keys.
        focus = nullptr;
    }
    CWnd* anchor = CWnd::GetFocus();
    const unsigned int code = focus != nullptr ? focus->GetDlgCode() : DLGC_NONE;
    const auto k = static_cast<Key>(key.key);

    if (key.alt && k == Key::Character) {
        ActivateMnemonic(dialog, key.character);
        return;
    }
    switch (k) {
    case Key::Tab:
        if (!key.control) {
            if (CWnd* next = NextTabStop(dialog, anchor, key.shift)) {
                next->SetFocus();
            }
        }
        return;
    case Key::Escape:
        dialog.OnCommand(IDCANCEL, BN_CLICKED);
        return;
    case Key::Enter:
        if ((code & DLGC_WANTENTER) != 0) {
            focus->OnKeyDown(key);
        } else if ((code & DLGC_PUSHBUTTON) != 0 && IsUsable(*focus)) {
            focus->Click();
        } else if (CWnd* button = DefaultButton(dialog); button != nullptr && IsUsable(*button)) {
            button->Click();
        }
        return;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
        if ((code & DLGC_WANTARROWS) != 0) {
            focus->OnKeyDown(key);
        } else if (focus != nullptr) {
            MoveInGroup(*focus, k == Key::Left || k == Key::Up);
        }
        return;
    case Key::Character:
        if ((code & DLGC_WANTCHARS) != 0) {
            focus->OnKeyDown(key);
        } else {
            ActivateMnemonic(dialog, key.character);
        }
        return;
    default:
        if (focus != nullptr) {
            focus->OnKeyDown(key);
        }
        return;
    }
}

}  // namespace tk
