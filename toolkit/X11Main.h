#pragma once

namespace tk {

// Runs the program's application object on the X11 display named by $DISPLAY. Returns the exit status:
// 1, with the reason on stderr, when the display cannot be opened or the program fails.
int RunApplicationOnX11();

}  // namespace tk
