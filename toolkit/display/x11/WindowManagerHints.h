#pragma once

// Private to the X11 display. Include after every toolkit header: it pulls in Xlib.

#include "toolkit/display/Display.h"
#include "toolkit/gfx/Geometry.h"
#include "toolkit/gfx/Surface.h"

#include "toolkit/display/x11/Properties.h"

#include <optional>
#include <string>

#include <X11/Xlib.h>

namespace tk::x11 {

// What a window manager needs to frame a dialog as the toolkit means it: fixed size at our position,
// the close protocol, a title bar without resize or maximise, the owner, the window's type, and a message
// box kept off the taskbar.
void ApplyWindowManagerHints(::Display* display, const Atoms& atoms, Window window,
                             const WindowDescription& description, Size size,
                             std::optional<Window> transientFor);

// Both names, for window managers that read only WM_NAME as well as for those that read _NET_WM_NAME.
void ApplyTitle(::Display* display, const Atoms& atoms, Window window, const std::string& title);

// Either icon may be empty; with both empty the window has none.
void ApplyIcons(::Display* display, const Atoms& atoms, Window window, const Surface& large,
                const Surface& small);

}  // namespace tk::x11
