#pragma once

// Private to the X11 display. Include after every toolkit header: it pulls in Xlib.

#include "toolkit/gfx/Color.h"

#include <X11/Xlib.h>

namespace tk::x11 {

// Turns our 0xAARRGGBB into the visual's pixel values; the common 24-bit TrueColor case is a copy.
class PixelFormat {
public:
    explicit PixelFormat(const Visual& visual);

    [[nodiscard]] unsigned long ToPixel(Color color) const;

    // True when the image takes our pixels unchanged, less the alpha byte.
    [[nodiscard]] static bool StoresColorsAsIs(const XImage& image);

private:
    struct Channel {
        int shift = 0;
        int bits = 0;
    };

    static Channel ChannelOf(unsigned long mask);
    static unsigned long Place(std::uint8_t value, Channel channel);

    Channel m_red;
    Channel m_green;
    Channel m_blue;
};

}  // namespace tk::x11
