#pragma once

// Private to the X11 display. Include after every toolkit header: it pulls in Xlib.

#include <cstddef>

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace tk::x11 {

// A System V shared memory segment that the X server maps too, so that a present copies nothing
// through the socket.
class SharedSegment {
public:
    SharedSegment() = default;
    SharedSegment(const SharedSegment&) = delete;
    SharedSegment& operator=(const SharedSegment&) = delete;
    ~SharedSegment();

    [[nodiscard]] XShmSegmentInfo* Info() { return &m_info; }

    // False when the system or the server refuses; the server does for a client on another machine.
    bool Attach(::Display* display, std::size_t bytes);

private:
    ::Display* m_display = nullptr;
    XShmSegmentInfo m_info{};
    bool m_attached = false;
};

}  // namespace tk::x11
