#pragma once

#include "toolkit/display/Display.h"

#include <memory>

namespace tk {

// Shows the toolkit's windows on an X server: one top-level X window per toolkit window, painted from the
// surfaces the toolkit presents. Works with a window manager and without one (Xvfb), placing and
// focusing windows itself. Xlib stays behind the pimpl so that its macros never reach the toolkit.
class X11Display final : public Display {
public:
    // Connects to `name`, or to $DISPLAY when null; throws std::runtime_error when the server is not there.
    static std::unique_ptr<X11Display> Open(const char* name = nullptr);

    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;
    ~X11Display() override;

    [[nodiscard]] Size ScreenSize() const override;
    // The X resources' Xft.dpi as they were when the display was opened, else 96.
    [[nodiscard]] int Dpi() const override;

    NativeWindowId CreateWindow(const WindowDescription& description) override;
    void DestroyWindow(NativeWindowId window) override;
    void ShowWindow(NativeWindowId window) override;
    void SetTitle(NativeWindowId window, const std::string& title) override;
    void SetIcons(NativeWindowId window, const Surface& large, const Surface& small) override;
    void Present(NativeWindowId window, const Surface& pixels) override;
    [[nodiscard]] bool IsMinimized(NativeWindowId window) const override;

    // Repaints exposed windows from their last presented pixels on the way, so Expose never comes back.
    InputEvent WaitEvent(const WaitContext& context) override;

private:
    class Impl;
    explicit X11Display(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> m_impl;
};

}  // namespace tk
