#include "toolkit/display/x11/WindowManagerHints.h"

#include "toolkit/display/x11/TitleEncoding.h"
#include "toolkit/display/x11/XlibResources.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace tk::x11 {

namespace {

// The layout window managers read from _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr unsigned long kMotifHintsFunctions = 1UL << 0U;
constexpr unsigned long kMotifHintsDecorations = 1UL << 1U;
constexpr unsigned long kMotifFunctionMove = 1UL << 2U;
constexpr unsigned long kMotifFunctionClose = 1UL << 5U;
constexpr unsigned long kMotifDecorationBorder = 1UL << 1U;
constexpr unsigned long kMotifDecorationTitle = 1UL << 3U;

// Xlib's convention: $RESOURCE_NAME, else the program's name; the class is the name capitalised.
std::string ResourceName()
{
    const char* name = std::getenv("RESOURCE_NAME");
    return name != nullptr && *name != '\0' ? name : program_invocation_short_name;
}

}  // namespace

void ApplyWindowManagerHints(::Display* display, const Atoms& atoms, Window window,
                             const WindowDescription& description, Size size,
                             std::optional<Window> transientFor)
{
    const XPtr<XSizeHints> sizeHints(XAllocSizeHints());
    // Fixed size; the position is ours, and with static gravity it is the client area's, not the frame's.
    sizeHints->flags = USPosition | PPosition | PMinSize | PMaxSize | PWinGravity;
    sizeHints->x = description.position.x;
    sizeHints->y = description.position.y;
    sizeHints->min_width = sizeHints->max_width = size.width;
    sizeHints->min_height = sizeHints->max_height = size.height;
    sizeHints->win_gravity = StaticGravity;
    XSetWMNormalHints(display, window, sizeHints.get());

    const XPtr<XWMHints> hints(XAllocWMHints());
    hints->flags = InputHint | StateHint;
    hints->input = True;
    hints->initial_state = NormalState;
    XSetWMHints(display, window, hints.get());

    std::string name = ResourceName();
    std::string className = name;
    if (!className.empty()) {
        className[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(className[0])));
    }
    const XPtr<XClassHint> classHint(XAllocClassHint());
    classHint->res_name = name.data();
    classHint->res_class = className.data();
    XSetClassHint(display, window, classHint.get());

    // Always offered, also when the close box is disabled: a window manager kills a client whose
    // window cannot be asked to close.
    Atom deleteWindow = atoms.wmDeleteWindow;
    XSetWMProtocols(display, window, &deleteWindow, 1);

    SetLongs(display, window, atoms.motifWmHints, atoms.motifWmHints,
             {kMotifHintsFunctions | kMotifHintsDecorations, kMotifFunctionMove | kMotifFunctionClose,
              kMotifDecorationBorder | kMotifDecorationTitle, 0, 0});

    if (transientFor) {
        XSetTransientForHint(display, window, *transientFor);
    }
    const bool messageBox = description.kind == WindowKind::MessageBox;
    SetLongs(display, window, atoms.netWmWindowType, XA_ATOM,
             {messageBox ? atoms.netWmWindowTypeDialog : atoms.netWmWindowTypeNormal});
    if (messageBox) {
        SetLongs(display, window, atoms.netWmState, XA_ATOM, {atoms.netWmStateSkipTaskbar});
    }
}

void ApplyTitle(::Display* display, const Atoms& atoms, Window window, const std::string& title)
{
    const std::string latin1 = Windows1252ToLatin1(title);
    XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(latin1.data()), static_cast<int>(latin1.size()));
    const std::string utf8 = Windows1252ToUtf8(title);
    XChangeProperty(display, window, atoms.netWmName, atoms.utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
}

// _NET_WM_ICON: width, height, then the pixels as 0xAARRGGBB, for each icon in turn.
void ApplyIcons(::Display* display, const Atoms& atoms, Window window, const Surface& large,
                const Surface& small)
{
    std::vector<unsigned long> items;
    for (const Surface* icon : {&large, &small}) {
        if (icon->Width() <= 0 || icon->Height() <= 0) {
            continue;
        }
        items.push_back(static_cast<unsigned long>(icon->Width()));
        items.push_back(static_cast<unsigned long>(icon->Height()));
        for (const Color pixel : icon->Pixels()) {
            items.push_back(pixel);
        }
    }
    if (items.empty()) {
        XDeleteProperty(display, window, atoms.netWmIcon);
    } else {
        SetLongs(display, window, atoms.netWmIcon, XA_CARDINAL, items);
    }
}

}  // namespace tk::x11
