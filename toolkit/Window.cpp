#include "toolkit/Window.h"

#include "toolkit/Gdi.h"
#include "toolkit/MessageBox.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/TextLayout.h"

#include <algorithm>
#include <stdexcept>

namespace tk {

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    // No OnDestroy from here: the derived object is already gone, so only the empty base version could
    // run. A window whose override matters gets DestroyWindow() before it dies.
    if (m_created) {
        TearDown();
    }
}

CWnd* CWnd::GetDlgItem(int id) const
{
    for (CWnd* child : m_children) {
        if (child->m_id == id) {
            return child;
        }
    }
    return nullptr;
}

CWnd* CWnd::GetTopLevel()
{
    CWnd* window = this;
    while (window->m_parent != nullptr) {
        window = window->m_parent;
    }
    return window;
}

const CWnd* CWnd::GetTopLevel() const
{
    const CWnd* window = this;
    while (window->m_parent != nullptr) {
        window = window->m_parent;
    }
    return window;
}

bool CWnd::IsDescendantOf(const CWnd& ancestor) const
{
    for (const CWnd* window = this; window != nullptr; window = window->m_parent) {
        if (window == &ancestor) {
            return true;
        }
    }
    return false;
}

void CWnd::GetClientRect(Rect* rect) const
{
    if (m_topLevel && IsIconic()) {
        const Size iconic = WindowSystem::Get().GetDisplay().MinimizedClientSize(m_topLevel->native);
        *rect = {0, 0, iconic.width, iconic.height};
        return;
    }
    *rect = {0, 0, m_rect.Width(), m_rect.Height()};
}

void CWnd::GetWindowRect(Rect* rect) const
{
    Rect r = {0, 0, m_rect.Width(), m_rect.Height()};
    ClientToScreen(&r);
    *rect = r;
}

Rect CWnd::RectInTopLevel() const
{
    Rect r = {0, 0, m_rect.Width(), m_rect.Height()};
    for (const CWnd* window = this; window->m_parent != nullptr; window = window->m_parent) {
        r = r.Offset(window->m_rect.left, window->m_rect.top);
    }
    return r;
}

void CWnd::ClientToScreen(Rect* rect) const
{
    for (const CWnd* window = this; window != nullptr; window = window->m_parent) {
        *rect = rect->Offset(window->m_rect.left, window->m_rect.top);
    }
}

void CWnd::ScreenToClient(Rect* rect) const
{
    for (const CWnd* window = this; window != nullptr; window = window->m_parent) {
        *rect = rect->Offset(-window->m_rect.left, -window->m_rect.top);
    }
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    if (repaint) {
        Invalidate();  // where it was
    }
    m_rect = {x, y, x + width, y + height};
    if (m_topLevel) {
        m_topLevel->surface.Resize(width, height);
    }
    if (repaint) {
        Invalidate();
    }
}

bool CWnd::SetWindowPos(const CWnd* /*insertAfter*/, int x, int y, int width, int height, unsigned int flags)
{
    const int newX = (flags & SWP_NOMOVE) != 0 ? m_rect.left : x;
    const int newY = (flags & SWP_NOMOVE) != 0 ? m_rect.top : y;
    const int newWidth = (flags & SWP_NOSIZE) != 0 ? m_rect.Width() : width;
    const int newHeight = (flags & SWP_NOSIZE) != 0 ? m_rect.Height() : height;
    MoveWindow(newX, newY, newWidth, newHeight, true);
    if ((flags & SWP_SHOWWINDOW) != 0) {
        ShowWindow(SW_SHOWNA);
    } else if ((flags & SWP_HIDEWINDOW) != 0) {
        ShowWindow(SW_HIDE);
    }
    return true;
}

bool CWnd::ShowWindow(int command)
{
    const bool wasVisible = HasStyle(WS_VISIBLE);
    const bool show = command != SW_HIDE;
    if (show == wasVisible) {
        return wasVisible;
    }
    ModifyStyle(show ? WS_NONE : WS_VISIBLE, show ? WS_VISIBLE : WS_NONE);
    if (!show) {
        WindowSystem::Get().RescueFocus(*this);
    }
    if (m_topLevel && show && m_created) {
        WindowSystem::Get().ShowNative(*this);
    }
    return wasVisible;
}

bool CWnd::IsWindowVisible() const
{
    for (const CWnd* window = this; window != nullptr; window = window->m_parent) {
        if (!window->HasStyle(WS_VISIBLE)) {
            return false;
        }
    }
    return m_created;
}

bool CWnd::EnableWindow(bool enable)
{
    const bool wasDisabled = HasStyle(WS_DISABLED);
    ModifyStyle(enable ? WS_DISABLED : WS_NONE, enable ? WS_NONE : WS_DISABLED);
    return wasDisabled;
}

bool CWnd::IsWindowEnabled() const
{
    // Only the window's own state: a control inside a window that a modal box disables still looks as
    // it did; the input routes check the ancestors themselves.
    return m_created && !HasStyle(WS_DISABLED);
}

void CWnd::ModifyStyle(Style remove, Style add)
{
    const auto style = static_cast<Style>((m_style & ~static_cast<std::uint32_t>(remove)) | add);
    if (style != m_style) {
        m_style = style;
        Invalidate();
    }
}

void CWnd::SetWindowText(std::string_view text)
{
    if (m_text.Str() != text) {
        m_text = CString(text);
        if (m_topLevel && m_created) {
            WindowSystem::Get().GetDisplay().SetTitle(m_topLevel->native, m_text.Str());
        }
        Invalidate();
    }
}

CString CWnd::GetWindowText() const
{
    return m_text;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    WindowSystem::Get().SetFocus(this);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return WindowSystem::Get().Focus();
}

bool CWnd::IsIconic() const
{
    const CWnd* top = GetTopLevel();
    if (!top->m_topLevel || !WindowSystem::Get().HasDisplay()) {
        return false;
    }
    return WindowSystem::Get().GetDisplay().IsMinimized(top->m_topLevel->native);
}

HICON CWnd::SetIcon(HICON icon, bool big)
{
    HICON& slot = big ? m_bigIcon : m_smallIcon;
    HICON previous = slot;
    slot = icon;
    if (m_topLevel && m_created) {
        const Surface empty;
        const Surface* large = m_bigIcon != nullptr ? m_bigIcon->ImageOfSize(32) : nullptr;
        const Surface* small = m_smallIcon != nullptr ? m_smallIcon->ImageOfSize(16) : nullptr;
        WindowSystem::Get().GetDisplay().SetIcons(m_topLevel->native, large != nullptr ? *large : empty,
                                                  small != nullptr ? *small : empty);
    }
    return previous;
}

HICON CWnd::GetIcon(bool big) const
{
    return big ? m_bigIcon : m_smallIcon;
}

void CWnd::Invalidate()
{
    if (!m_created) {
        return;
    }
    WindowSystem::Get().Invalidate(*this);
}

void CWnd::UpdateWindow()
{
    if (!m_created) {
        return;
    }
    CWnd* top = GetTopLevel();
    if (top->m_topLevel && !top->m_topLevel->dirty.IsEmpty() && top->m_topLevel->shown) {
        WindowSystem::Get().PaintNow(*top);
    }
}

void CWnd::SendMessage(unsigned int message, CDC* dc)
{
    if (message == WM_ICONERASEBKGND && dc != nullptr) {
        Rect client;
        GetClientRect(&client);
        dc->FillSolidRect(client, colors::ButtonFace);
    }
}

const Font& CWnd::GetFont() const
{
    for (const CWnd* window = this; window != nullptr; window = window->m_parent) {
        if (window->m_font) {
            return *window->m_font;
        }
    }
    throw std::logic_error("window " + std::to_string(m_id) + " has no font: it is not part of a dialog");
}

int CWnd::MapDialogX(int units) const
{
    // Rounded half away from zero, as the platform's multiply-and-divide does.
    const int base = GetFont().Metrics().averageCharWidth;
    const long long scaled = static_cast<long long>(units) * base;
    return static_cast<int>(scaled >= 0 ? (scaled + 2) / 4 : -((-scaled + 2) / 4));
}

int CWnd::MapDialogY(int units) const
{
    const int base = GetFont().Metrics().height;
    const long long scaled = static_cast<long long>(units) * base;
    return static_cast<int>(scaled >= 0 ? (scaled + 4) / 8 : -((-scaled + 4) / 8));
}

void CWnd::DestroyWindow()
{
    if (!m_created) {
        return;
    }
    OnDestroy();
    TearDown();
}

void CWnd::TearDown()
{
    const std::vector<CWnd*> children = m_children;
    for (CWnd* child : children) {
        child->DestroyWindow();
    }
    m_ownedChildren.clear();
    m_children.clear();
    WindowSystem::Get().Forget(*this);
    if (m_topLevel) {
        WindowSystem::Get().DestroyNative(*this);
        m_topLevel.reset();
    }
    if (m_parent != nullptr) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        m_parent->Invalidate();
        m_parent = nullptr;
    }
    m_created = false;
}

void CWnd::OnDraw(Painter& /*painter*/) {}
void CWnd::OnKeyDown(const KeyPress& /*key*/) {}
void CWnd::OnMouseDown(Point /*point*/) {}
void CWnd::OnMouseUp(Point /*point*/) {}
void CWnd::OnMouseMove(Point /*point*/) {}
void CWnd::OnMouseWheel(int /*steps*/) {}
void CWnd::OnFocusChanged(bool /*gained*/)
{
    Invalidate();
}

char CWnd::Mnemonic() const
{
    return ParseLabel(m_text.Str()).Mnemonic();
}

bool CWnd::OnCommand(int id, int code)
{
    const MessageMapBase* map = GetMessageMap();
    return map != nullptr && map->Command(*this, id, code);
}

void CWnd::NotifyParent(int code)
{
    if (m_parent != nullptr) {
        m_parent->OnCommand(m_id, code);
    }
}

void CWnd::TakeOver(CWnd& created)
{
    if (m_created) {
        return;
    }
    m_id = created.m_id;
    m_rect = created.m_rect;
    m_style = created.m_style;
    m_exStyle = created.m_exStyle;
    m_text = created.m_text;
    m_font = created.m_font;
    CopyControlState(created);
    CWnd* parent = created.m_parent;
    m_parent = parent;
    m_created = true;
    auto& siblings = parent->m_children;
    std::replace(siblings.begin(), siblings.end(), &created, this);
    if (WindowSystem::Get().Focus() == &created) {
        WindowSystem::Get().SetFocus(this);
    }
    created.m_parent = nullptr;
    created.m_created = false;
    auto& owned = parent->m_ownedChildren;
    owned.erase(
        std::remove_if(owned.begin(), owned.end(), [&](const auto& p) { return p.get() == &created; }),
        owned.end());
}

void CWnd::AttachToParent(CWnd* parent, const Rect& rect, int id, Style style, ExStyle exStyle,
                          std::string_view text)
{
    m_parent = parent;
    m_rect = rect;
    m_id = id;
    m_style = style;
    m_exStyle = exStyle;
    m_text = CString(text);
    m_created = true;
    if (parent != nullptr) {
        parent->m_children.push_back(this);
        parent->Invalidate();
    }
}

void CWnd::AdoptChild(std::unique_ptr<CWnd> child)
{
    m_ownedChildren.push_back(std::move(child));
}

int CWnd::MessageBox(std::string_view text, std::string_view caption, unsigned int type)
{
    return ShowMessageBox(this, text, caption, type);
}

int GetSystemMetrics(int index)
{
    if (index == SM_CXICON || index == SM_CYICON) {
        const int dpi = WindowSystem::Get().HasDisplay() ? WindowSystem::Get().Dpi() : 96;
        return 32 * dpi / 96;
    }
    return 0;
}

}  // namespace tk
