#pragma once

// Private to the X11 display. Include after every toolkit header: it pulls in Xlib.

#include "toolkit/display/Display.h"

#include <optional>

#include <X11/Xlib.h>

namespace tk::x11 {

Modifiers ModifiersOf(unsigned int state);

// Null for a modifier on its own and for keys the toolkit has no use for.
std::optional<InputEvent> TranslateKey(XKeyEvent& key);

// Null for buttons the toolkit has no use for and for the release of a wheel step.
std::optional<InputEvent> TranslateButton(const XButtonEvent& button);

}  // namespace tk::x11
