#include "toolkit/display/x11/Properties.h"

#include "toolkit/display/x11/XlibResources.h"

#include <X11/Xatom.h>

namespace tk::x11 {

namespace {

Atom Intern(::Display* display, const char* name)
{
    return XInternAtom(display, name, False);
}

}  // namespace

Atoms::Atoms(::Display* display)
    : wmProtocols(Intern(display, "WM_PROTOCOLS")), wmDeleteWindow(Intern(display, "WM_DELETE_WINDOW")),
      wmState(Intern(display, "WM_STATE")), utf8String(Intern(display, "UTF8_STRING")),
      netWmName(Intern(display, "_NET_WM_NAME")), netWmIcon(Intern(display, "_NET_WM_ICON")),
      netWmWindowType(Intern(display, "_NET_WM_WINDOW_TYPE")),
      netWmWindowTypeNormal(Intern(display, "_NET_WM_WINDOW_TYPE_NORMAL")),
      netWmWindowTypeDialog(Intern(display, "_NET_WM_WINDOW_TYPE_DIALOG")),
      netWmState(Intern(display, "_NET_WM_STATE")),
      netWmStateSkipTaskbar(Intern(display, "_NET_WM_STATE_SKIP_TASKBAR")),
      netWmStateHidden(Intern(display, "_NET_WM_STATE_HIDDEN")),
      motifWmHints(Intern(display, "_MOTIF_WM_HINTS"))
{
}

void SetLongs(::Display* display, Window window, Atom property, Atom type,
              const std::vector<unsigned long>& items)
{
    XChangeProperty(display, window, property, type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(items.data()), static_cast<int>(items.size()));
}

std::vector<unsigned long> ReadLongs(::Display* display, Window window, Atom property)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                           &remaining, &data) != Success) {
        return {};
    }
    const XPtr<unsigned char> owner(data);
    if (format != 32 || data == nullptr) {
        return {};
    }
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    return {items, items + count};
}

}  // namespace tk::x11
