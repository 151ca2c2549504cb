// The program entry point for people: the application object runs on the X11 display.
#include "toolkit/X11Main.h"

int main()
{
    return tk::RunApplicationOnX11();
}
