#include "toolkit/WindowSystem.h"

#include "toolkit/Dialog.h"
#include "toolkit/DialogManager.h"
#include "toolkit/Window.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/gfx/Painter.h"

#include <algorithm>
#include <stdexcept>

namespace tk {

WindowSystem& WindowSystem::Get()
{
    static WindowSystem system;
    return system;
}

Display& WindowSystem::GetDisplay() const
{
    if (m_display == nullptr) {
        throw std::logic_error("no display: the toolkit was started without one");
    }
    return *m_display;
}

int WindowSystem::Dpi() const
{
    return m_display != nullptr ? m_display->Dpi() : 96;
}

void WindowSystem::CreateNative(CWnd& window, const WindowDescription& description)
{
    window.m_topLevel = std::make_unique<TopLevelState>();
    window.m_topLevel->kind = description.kind;
    window.m_topLevel->surface.Resize(description.clientSize.width, description.clientSize.height);
    window.m_topLevel->dirty = {0, 0, description.clientSize.width, description.clientSize.height};
    window.m_topLevel->native = GetDisplay().CreateWindow(description);
    m_topLevels.push_back(&window);
}

void WindowSystem::DestroyNative(CWnd& window)
{
    m_topLevels.erase(std::remove(m_topLevels.begin(), m_topLevels.end(), &window), m_topLevels.end());
    if (m_display != nullptr) {
        m_display->DestroyWindow(window.m_topLevel->native);
    }
}

void WindowSystem::ShowNative(CWnd& window)
{
    window.m_topLevel->shown = true;
    InvalidateAll(window);
    PaintNow(window);
    GetDisplay().ShowWindow(window.m_topLevel->native);
}

CWnd* WindowSystem::FindTopLevel(NativeWindowId native) const
{
    for (CWnd* window : m_topLevels) {
        if (window->m_topLevel->native == native) {
            return window;
        }
    }
    return nullptr;
}

void WindowSystem::SetFocus(CWnd* window)
{
    if (window == m_focus) {
        return;
    }
    if (m_popup != nullptr && window != m_popup) {
        if (auto* combo = dynamic_cast<CComboBox*>(m_popup)) {
            combo->ShowDropDown(false);
        }
    }
    CWnd* previous = m_focus;
    m_focus = window;
    if (previous != nullptr) {
        previous->OnFocusChanged(false);
        // Another push button may wear the default frame now.
        InvalidateAll(*previous->GetTopLevel());
    }
    if (window != nullptr) {
        window->OnFocusChanged(true);
        InvalidateAll(*window->GetTopLevel());
    }
}

void WindowSystem::SetPopup(CWnd* window)
{
    m_popup = window;
}

void WindowSystem::RescueFocus(CWnd& window)
{
    if (m_popup != nullptr && m_popup->IsDescendantOf(window)) {
        if (auto* combo = dynamic_cast<CComboBox*>(m_popup)) {
            combo->ShowDropDown(false);
        }
    }
    if (m_focus != nullptr && m_focus->IsDescendantOf(window) && !window.IsTopLevel()) {
        // Decided once the handler that hid it is done: it may show or enable the better place yet.
        m_focusRescuePending = true;
    }
}

void WindowSystem::SettleFocus()
{
    if (!m_focusRescuePending) {
        return;
    }
    m_focusRescuePending = false;
    if (m_focus == nullptr || m_focus->IsWindowVisible()) {
        return;
    }
    // Keys must keep a visible way in: the default button when it can be pressed, else the first tab stop.
    CWnd* top = m_focus->GetTopLevel();
    CWnd* button = DefaultButton(*top);
    if (button != nullptr && IsUsable(*button)) {
        SetFocus(button);
    } else if (CWnd* first = FirstTabStop(*top)) {
        SetFocus(first);
    }
}

void WindowSystem::Forget(CWnd& window)
{
    if (m_focus == &window) {
        m_focus = nullptr;
    }
    if (m_capture == &window) {
        m_capture = nullptr;
    }
    if (m_popup == &window) {
        m_popup = nullptr;
    }
}

void WindowSystem::Invalidate(CWnd& window)
{
    CWnd* top = window.GetTopLevel();
    if (!top->m_topLevel) {
        return;
    }
    if (&window == top || (m_popup != nullptr && m_popup->GetTopLevel() == top)) {
        // A dropped list reaches outside its control; paint everything while one is open.
        InvalidateAll(*top);
        return;
    }
    top->m_topLevel->dirty = top->m_topLevel->dirty.Union(window.RectInTopLevel());
}

void WindowSystem::InvalidateAll(CWnd& topLevel)
{
    if (topLevel.m_topLevel) {
        const Size size = topLevel.m_topLevel->surface.GetSize();
        topLevel.m_topLevel->dirty = {0, 0, std::max(size.width, 1), std::max(size.height, 1)};
    }
}

void WindowSystem::PaintTree(CWnd& window, Painter& painter)
{
    window.m_currentPainter = &painter;
    const MessageMapBase* map = window.GetMessageMap();
    const bool handled = map != nullptr && map->Paint(window);
    if (!handled) {
        window.OnDraw(painter);
    }
    window.m_currentPainter = nullptr;
    for (CWnd* child : window.Children()) {
        if (!child->HasStyle(WS_VISIBLE)) {
            continue;
        }
        Painter childPainter = painter.ForChild(child->RectInParent());
        if (!childPainter.LocalClip().IsEmpty()) {
            PaintTree(*child, childPainter);
        }
    }
}

void WindowSystem::Paint(CWnd& topLevel, Surface& target)
{
    PaintArea(topLevel, target, {0, 0, 1 << 20, 1 << 20});
}

void WindowSystem::PaintArea(CWnd& topLevel, Surface& target, const Rect& area)
{
    Rect client;
    topLevel.GetClientRect(&client);
    Rect clip = area;
    if (target.Width() != client.Width() || target.Height() != client.Height()) {
        target.Resize(client.Width(), client.Height());
        clip = target.Bounds();
    }
    Painter painter(target, {0, 0}, clip);
    PaintTree(topLevel, painter);
    if (m_popup != nullptr && m_popup->GetTopLevel() == &topLevel) {
        if (auto* combo = dynamic_cast<CComboBox*>(m_popup)) {
            combo->DrawDroppedList(painter);
        }
    }
}

void WindowSystem::PaintNow(CWnd& topLevel)
{
    TopLevelState& state = *topLevel.m_topLevel;
    const Rect area = state.dirty;
    state.dirty = {};
    PaintArea(topLevel, state.surface, area);
    if (state.shown) {
        GetDisplay().Present(state.native, state.surface);
    }
}

void WindowSystem::PaintDirty()
{
    const std::vector<CWnd*> windows = m_topLevels;
    for (CWnd* window : windows) {
        if (!window->m_topLevel->dirty.IsEmpty() && window->m_topLevel->shown) {
            PaintNow(*window);
        }
    }
}

void WindowSystem::RunModalLoop(CWnd& window, const bool& done)
{
    while (!done && window.IsCreated()) {
        SettleFocus();
        PaintDirty();
        WaitContext context;
        context.window = window.m_topLevel->native;
        context.windowTitle = window.GetWindowText().Str();
        context.windowKind = window.m_topLevel->kind;
        context.locateControl = [&window](int controlId) -> std::optional<Rect> {
            const auto order = KeyboardOrder(window);
            const CWnd* hidden = nullptr;
            for (const CWnd* control : order) {
                if (control->GetDlgCtrlID() != controlId) {
                    continue;
                }
                if (control->IsWindowVisible()) {
                    return control->RectInTopLevel();
                }
                hidden = hidden != nullptr ? hidden : control;
            }
            if (hidden != nullptr) {
                return hidden->RectInTopLevel();
            }
            return std::nullopt;
        };
        const InputEvent event = GetDisplay().WaitEvent(context);
        Dispatch(event);
    }
}

void WindowSystem::Dispatch(const InputEvent& event)
{
    CWnd* top = FindTopLevel(event.window);
    if (top == nullptr) {
        return;
    }
    if (event.type == InputEvent::Type::Expose) {
        InvalidateAll(*top);
        return;
    }
    // A window disabled by a modal box on top of it takes no input.
    if (!top->IsWindowEnabled()) {
        return;
    }
    switch (event.type) {
    case InputEvent::Type::KeyDown: {
        KeyPress key{static_cast<int>(event.key), event.character, event.modifiers.shift,
                     event.modifiers.control, event.modifiers.alt};
        if (event.key == Key::F4 && event.modifiers.alt) {
            top->OnCloseRequest();
            return;
        }
        if (m_popup != nullptr && m_popup->GetTopLevel() == top) {
            const Key k = event.key;
            if (k == Key::Escape || k == Key::Enter || k == Key::Up || k == Key::Down || k == Key::F4 ||
                k == Key::Character) {
                m_popup->OnKeyDown(key);
                return;
            }
            if (k == Key::Tab) {
                m_popup->OnKeyDown(key);
            }
        }
        HandleDialogKey(*top, key);
        return;
    }
    case InputEvent::Type::CloseRequest:
        top->OnCloseRequest();
        return;
    case InputEvent::Type::Wheel: {
        CWnd* target = m_popup != nullptr ? m_popup : m_focus;
        if (target != nullptr && target->GetTopLevel() == top) {
            target->OnMouseWheel(event.wheelSteps);
        }
        return;
    }
    case InputEvent::Type::MouseDown:
    case InputEvent::Type::MouseUp:
    case InputEvent::Type::MouseMove:
        DispatchMouse(*top, event);
        return;
    case InputEvent::Type::Expose:
        return;
    }
}

namespace {

// The deepest visible child under `point` (top-level coordinates) that takes the mouse.
CWnd* HitTest(CWnd& window, Point point)
{
    for (auto it = window.Children().rbegin(); it != window.Children().rend(); ++it) {
        CWnd* child = *it;
        if (!child->HasStyle(WS_VISIBLE) || !child->RectInTopLevel().Contains(point)) {
            continue;
        }
        if (CWnd* inner = HitTest(*child, point)) {
            return inner;
        }
        if (!child->IsHitTransparent()) {
            return child;
        }
    }
    return nullptr;
}

Point ToLocal(const CWnd& window, Point point)
{
    const Rect r = window.RectInTopLevel();
    return {point.x - r.left, point.y - r.top};
}

}  // namespace

void WindowSystem::DispatchMouse(CWnd& topLevel, const InputEvent& event)
{
    if (event.button != MouseButton::Left && event.type != InputEvent::Type::MouseMove) {
        return;
    }
    if (m_popup != nullptr && m_popup->GetTopLevel() == &topLevel) {
        auto* combo = dynamic_cast<CComboBox*>(m_popup);
        const bool onField = m_popup->RectInTopLevel().Contains(event.position);
        if (combo != nullptr && !(onField && event.type == InputEvent::Type::MouseDown)) {
            switch (event.type) {
            case InputEvent::Type::MouseDown:
                combo->OnPopupMouseDown(event.position);
                break;
            case InputEvent::Type::MouseUp:
                combo->OnPopupMouseUp(event.position);
                break;
            default:
                combo->OnPopupMouseMove(event.position);
                break;
            }
            return;
        }
    }
    CWnd* target = m_capture;
    if (target == nullptr || target->GetTopLevel() != &topLevel) {
        target = HitTest(topLevel, event.position);
    }
    if (target == nullptr) {
        return;
    }
    if (!IsUsable(*target) && target != m_capture) {
        return;
    }
    const Point local = ToLocal(*target, event.position);
    switch (event.type) {
    case InputEvent::Type::MouseDown:
        target->OnMouseDown(local);
        break;
    case InputEvent::Type::MouseUp:
        target->OnMouseUp(local);
        break;
    default:
        target->OnMouseMove(local);
        break;
    }
}

}  // namespace tk
