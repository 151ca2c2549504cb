#include "toolkit/X11Main.h"

#include "toolkit/App.h"
#include "toolkit/display/X11Display.h"

#include <cstdio>
#include <exception>
#include <memory>

namespace tk {

int RunApplicationOnX11()
{
    try {
        const std::unique_ptr<X11Display> display = X11Display::Open();
        return AfxWinMain(*display);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

}  // namespace tk
