// The program entry point for people: the application object runs on the X11 display.
#include "toolkit/App.h"
#include "toolkit/display/X11Display.h"

#include <cstdio>
#include <exception>

int main()
{
    std::unique_ptr<tk::X11Display> display;
    try {
        display = tk::X11Display::Open();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    try {
        return tk::AfxWinMain(*display);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
