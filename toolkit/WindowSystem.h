#pragma once

#include "toolkit/display/Display.h"
#include "toolkit/gfx/Surface.h"

#include <vector>

namespace tk {

class CWnd;
class Painter;

struct TopLevelState {
    NativeWindowId native = 0;
    WindowKind kind = WindowKind::Dialog;
    Surface surface;
    Rect dirty;  // client pixels that must be painted again; empty when the surface is current
    bool shown = false;
};

// The toolkit's one link to the display: the top-level windows, the keyboard focus, the mouse capture,
// the paint pass and the modal loop. Single-threaded, like the programs it serves.
class WindowSystem {
public:
    static WindowSystem& Get();

    void SetDisplay(Display* display) { m_display = display; }
    [[nodiscard]] bool HasDisplay() const { return m_display != nullptr; }
    // Throws std::logic_error when the program runs without one.
    [[nodiscard]] Display& GetDisplay() const;
    [[nodiscard]] int Dpi() const;

    void CreateNative(CWnd& window, const WindowDescription& description);
    void DestroyNative(CWnd& window);
    void ShowNative(CWnd& window);
    [[nodiscard]] CWnd* FindTopLevel(NativeWindowId native) const;
    [[nodiscard]] const std::vector<CWnd*>& TopLevels() const { return m_topLevels; }

    [[nodiscard]] CWnd* Focus() const { return m_focus; }
    void SetFocus(CWnd* window);
    [[nodiscard]] CWnd* Capture() const { return m_capture; }
    void SetCapture(CWnd* window) { m_capture = window; }
    // A control whose popup (a dropped-down list) takes the mouse and keyboard first.
    [[nodiscard]] CWnd* Popup() const { return m_popup; }
    void SetPopup(CWnd* window);

    // Called when `window` is hidden: the focus must not stay where no one can see it. The new place is
    // chosen by SettleFocus, between two events.
    void RescueFocus(CWnd& window);
    void SettleFocus();
    void Forget(CWnd& window);

    // Marks the area of `window` (the whole client area for a top-level window) for the next paint.
    void Invalidate(CWnd& window);
    void InvalidateAll(CWnd& topLevel);
    void PaintNow(CWnd& topLevel);
    void PaintDirty();
    // Paints the whole window into `target`.
    void Paint(CWnd& topLevel, Surface& target);
    void PaintArea(CWnd& topLevel, Surface& target, const Rect& area);

    // Runs events until `done` turns true.
    void RunModalLoop(CWnd& window, const bool& done);
    void Dispatch(const InputEvent& event);

private:
    WindowSystem() = default;
    static void PaintTree(CWnd& window, Painter& painter);
    void DispatchMouse(CWnd& topLevel, const InputEvent& event);

    Display* m_display = nullptr;
    std::vector<CWnd*> m_topLevels;
    CWnd* m_focus = nullptr;
    CWnd* m_capture = nullptr;
    CWnd* m_popup = nullptr;
    bool m_focusRescuePending = false;
};

}  // namespace tk
