#pragma once

// Private to the X11 display. Include after every toolkit header: Xlib's macros (None, Bool, Status...)
// would otherwise rewrite their names.

#include <memory>

#include <X11/Xlib.h>

namespace tk::x11 {

struct ConnectionCloser {
    void operator()(::Display* display) const { XCloseDisplay(display); }
};
using Connection = std::unique_ptr<::Display, ConnectionCloser>;

struct XFreeDeleter {
    void operator()(void* data) const
    {
        if (data != nullptr) {
            XFree(data);
        }
    }
};
template <typename T> using XPtr = std::unique_ptr<T, XFreeDeleter>;

// Catches the X errors of the requests made while it lives, instead of letting Xlib's default handler
// end the process. Xlib's handler is process-wide, hence the static.
class ErrorTrap {
public:
    explicit ErrorTrap(::Display* display);
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    ~ErrorTrap();

    [[nodiscard]] bool Failed() const;

private:
    static int Record(::Display* display, XErrorEvent* error);

    static inline int s_errorCode = 0;
    ::Display* m_display;
    int (*m_previous)(::Display*, XErrorEvent*) = nullptr;
};

// A top-level window with its graphics context; destroying it takes the window off the screen at once.
class WindowHandle {
public:
    WindowHandle(::Display* display, Window window);
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;
    ~WindowHandle();

    [[nodiscard]] Window Id() const { return m_window; }
    [[nodiscard]] GC Gc() const { return m_gc; }

private:
    ::Display* m_display;
    Window m_window;
    GC m_gc;
};

}  // namespace tk::x11
