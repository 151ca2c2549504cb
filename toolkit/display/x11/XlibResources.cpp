#include "toolkit/display/x11/XlibResources.h"

namespace tk::x11 {

ErrorTrap::ErrorTrap(::Display* display) : m_display(display)
{
    XSync(m_display, False);
    s_errorCode = 0;
    m_previous = XSetErrorHandler(&Record);
}

ErrorTrap::~ErrorTrap()
{
    XSync(m_display, False);
    XSetErrorHandler(m_previous);
}

bool ErrorTrap::Failed() const
{
    XSync(m_display, False);
    return s_errorCode != 0;
}

int ErrorTrap::Record(::Display* /*display*/, XErrorEvent* error)
{
    s_errorCode = error->error_code;
    return 0;
}

WindowHandle::WindowHandle(::Display* display, Window window)
    : m_display(display), m_window(window), m_gc(XCreateGC(display, window, 0, nullptr))
{
}

WindowHandle::~WindowHandle()
{
    XFreeGC(m_display, m_gc);
    XUnmapWindow(m_display, m_window);
    XDestroyWindow(m_display, m_window);
    XFlush(m_display);
}

}  // namespace tk::x11
