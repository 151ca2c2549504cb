#pragma once

// Private to the X11 display. Include after every toolkit header: it pulls in Xlib.

#include <vector>

#include <X11/Xlib.h>

namespace tk::x11 {

// The atoms the display speaks, interned once per connection.
struct Atoms {
    explicit Atoms(::Display* display);

    Atom wmProtocols;
    Atom wmDeleteWindow;
    Atom wmState;
    Atom utf8String;
    Atom netWmName;
    Atom netWmIcon;
    Atom netWmWindowType;
    Atom netWmWindowTypeNormal;
    Atom netWmWindowTypeDialog;
    Atom netWmState;
    Atom netWmStateSkipTaskbar;
    Atom netWmStateHidden;
    Atom motifWmHints;
};

// Xlib passes 32-bit property items in longs.
void SetLongs(::Display* display, Window window, Atom property, Atom type,
              const std::vector<unsigned long>& items);

// Empty when the property is missing or not made of 32-bit items.
std::vector<unsigned long> ReadLongs(::Display* display, Window window, Atom property);

}  // namespace tk::x11
