#pragma once

#include "toolkit/CString.h"
#include "toolkit/MessageMap.h"
#include "toolkit/Resources.h"
#include "toolkit/Types.h"
#include "toolkit/gfx/Geometry.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tk {

class Font;
class Painter;
class CDC;
struct InputEvent;
struct TopLevelState;

// What a control wants of the keyboard, so the dialog manager knows which keys to leave to it.
enum DialogCode : unsigned int {
    DLGC_NONE = 0,
    DLGC_WANTARROWS = 1U << 0,
    DLGC_WANTCHARS = 1U << 1,
    DLGC_WANTENTER = 1U << 2,
    DLGC_PUSHBUTTON = 1U << 3,
    DLGC_RADIOBUTTON = 1U << 4,
    DLGC_STATIC = 1U << 5,
};

struct KeyPress {
    int key = 0;  // tk::Key, kept as int so this header needs no display header
    char character = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;
};

constexpr unsigned int WM_ICONERASEBKGND = 0x27;

// A window: a node of the window tree with a rectangle in its parent's client area, a text, styles and
// state. Top-level windows (dialogs, message boxes) are shown through the display; children are drawn
// into their top-level window's surface.
class CWnd {
public:
    CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // Identity and tree.
    [[nodiscard]] bool IsCreated() const { return m_created; }
    [[nodiscard]] int GetDlgCtrlID() const { return m_id; }
    [[nodiscard]] CWnd* GetParent() const { return m_parent; }
    [[nodiscard]] CWnd* GetDlgItem(int id) const;  // a direct child
    [[nodiscard]] const std::vector<CWnd*>& Children() const { return m_children; }
    [[nodiscard]] CWnd* GetTopLevel();
    [[nodiscard]] const CWnd* GetTopLevel() const;
    [[nodiscard]] bool IsTopLevel() const { return m_topLevel != nullptr; }
    [[nodiscard]] bool IsDescendantOf(const CWnd& ancestor) const;

    // Geometry: pixels; the screen rectangle is the client area's on the screen.
    void GetClientRect(Rect* rect) const;
    void GetWindowRect(Rect* rect) const;
    void ScreenToClient(Rect* rect) const;
    void ClientToScreen(Rect* rect) const;
    [[nodiscard]] Rect RectInParent() const { return m_rect; }
    [[nodiscard]] Rect RectInTopLevel() const;  // in the top-level window's client coordinates
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    // `insertAfter` is accepted for form's sake: siblings never overlap here, so their order never shows.
    bool SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, unsigned int flags);

    // State.
    bool ShowWindow(int command);
    [[nodiscard]] bool IsWindowVisible() const;  // this window and all its ancestors
    bool EnableWindow(bool enable);
    [[nodiscard]] bool IsWindowEnabled() const;  // this window's own state
    [[nodiscard]] Style GetStyle() const { return m_style; }
    [[nodiscard]] ExStyle GetExStyle() const { return m_exStyle; }
    [[nodiscard]] bool HasStyle(Style style) const { return (m_style & style) != 0; }
    void ModifyStyle(Style remove, Style add);
    virtual void SetWindowText(std::string_view text);
    [[nodiscard]] virtual CString GetWindowText() const;
    void GetWindowText(CString& text) const { text = GetWindowText(); }
    CWnd* SetFocus();
    static CWnd* GetFocus();
    [[nodiscard]] bool HasFocus() const { return GetFocus() == this; }
    [[nodiscard]] bool IsIconic() const;
    HICON SetIcon(HICON icon, bool big);
    [[nodiscard]] HICON GetIcon(bool big) const;

    // Painting: changes mark the top-level window; the loop repaints it, or UpdateWindow does so now.
    void Invalidate();
    void UpdateWindow();
    // The platform's message for the minimised window's background; erases the area with the face colour.
    void SendMessage(unsigned int message, CDC* dc);

    [[nodiscard]] const Font& GetFont() const;
    [[nodiscard]] int MapDialogX(int units) const;
    [[nodiscard]] int MapDialogY(int units) const;

    void DestroyWindow();

    // What the toolkit calls on a window; controls override these.
    virtual void OnDraw(Painter& painter);
    [[nodiscard]] virtual unsigned int GetDlgCode() const { return DLGC_NONE; }
    [[nodiscard]] virtual bool CanTakeFocus() const { return false; }
    [[nodiscard]] virtual bool IsHitTransparent() const { return false; }
    virtual void OnKeyDown(const KeyPress& key);
    virtual void OnMouseDown(Point point);
    virtual void OnMouseUp(Point point);
    virtual void OnMouseMove(Point point);
    virtual void OnMouseWheel(int steps);
    virtual void OnFocusChanged(bool gained);
    // The click of a button or a mnemonic's action; nothing for windows that are no buttons.
    virtual void Click() {}
    // The mnemonic of the window's label, lower case, or 0.
    [[nodiscard]] virtual char Mnemonic() const;

    // Commands from child controls; a dialog routes them through its message map.
    virtual bool OnCommand(int id, int code);
    void NotifyParent(int code);
    [[nodiscard]] virtual const MessageMapBase* GetMessageMap() const { return nullptr; }
    // The caption's close box, Close in the system menu, or Alt+F4.
    virtual void OnCloseRequest() {}

    // For DDX_Control: this object takes the place of the control the template created.
    void TakeOver(CWnd& created);
    // Copies what a control kind keeps beyond a window's common state.
    virtual void CopyControlState(const CWnd& /*from*/) {}

    // A modal message box owned by this window's top-level window; returns the button that answered it.
    int MessageBox(std::string_view text, std::string_view caption, unsigned int type);

    // The painter of the paint in progress, for the paint context a paint handler opens.
    [[nodiscard]] Painter* CurrentPainter() const { return m_currentPainter; }

protected:
    friend class WindowSystem;
    friend class CDialog;

    // Links this window into `parent` as a child at `rect` (pixels); the parent owns it if `owned`.
    void AttachToParent(CWnd* parent, const Rect& rect, int id, Style style, ExStyle exStyle,
                        std::string_view text);
    void AdoptChild(std::unique_ptr<CWnd> child);
    virtual void OnDestroy() {}

    int m_id = 0;
    CWnd* m_parent = nullptr;
    std::vector<CWnd*> m_children;
    std::vector<std::unique_ptr<CWnd>> m_ownedChildren;
    Rect m_rect;
    Style m_style = WS_NONE;
    ExStyle m_exStyle = WS_EX_NONE;
    CString m_text;
    bool m_created = false;
    std::shared_ptr<const Font> m_font;
    std::unique_ptr<TopLevelState> m_topLevel;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    Painter* m_currentPainter = nullptr;

private:
    // Everything DestroyWindow does after OnDestroy: unlinks the children, the parent and the native window.
    void TearDown();
};

int GetSystemMetrics(int index);

}  // namespace tk
