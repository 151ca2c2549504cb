#pragma once

// Private to the X11 display. Include after every toolkit header: it pulls in Xlib.

#include "toolkit/gfx/Geometry.h"
#include "toolkit/gfx/Surface.h"

#include "toolkit/display/x11/PixelFormat.h"
#include "toolkit/display/x11/SharedSegment.h"

#include <memory>
#include <vector>

#include <X11/Xlib.h>

namespace tk::x11 {

struct ImageTarget {
    ::Display* display = nullptr;
    Visual* visual = nullptr;
    int depth = 0;
};

// Our pixels do not belong to Xlib: detach them before it frees the image.
struct ImageDestroyer {
    void operator()(XImage* image) const;
};

// A window's last presented pixels in the server's format, ready to be put again on Expose.
class ImageBuffer {
public:
    // In memory shared with the server; null when the system or the server refuses it.
    static std::unique_ptr<ImageBuffer> CreateShared(const ImageTarget& target, Size size);
    // In our own memory, sent through the socket on every put; works with any server.
    static std::unique_ptr<ImageBuffer> CreatePlain(const ImageTarget& target, Size size);

    [[nodiscard]] Size GetSize() const { return m_size; }

    void Load(const Surface& surface, const PixelFormat& format);
    void Put(Window window, GC gc, Rect area) const;

private:
    ImageBuffer(::Display* display, Size size) : m_display(display), m_size(size) {}

    [[nodiscard]] std::size_t ByteCount() const;

    ::Display* m_display;
    Size m_size;
    std::unique_ptr<SharedSegment> m_segment;  // declared before the image, which points into it
    std::vector<char> m_clientMemory;
    std::unique_ptr<XImage, ImageDestroyer> m_image;
};

}  // namespace tk::x11
