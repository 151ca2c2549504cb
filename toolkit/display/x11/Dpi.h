#pragma once

// Private to the X11 display. Include after every toolkit header: it pulls in Xlib.

#include <X11/Xlib.h>

namespace tk::x11 {

// The X resources' Xft.dpi, rounded, as desktops set it for their scaling; 96 when there is none.
int ReadDpi(::Display* display);

}  // namespace tk::x11
