#include "toolkit/display/X11Display.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The X11 display's own parts last: they pull in Xlib, whose macros (None, Expose, KeyPress, Bool...)
// would otherwise rewrite our own names.
#include "toolkit/display/x11/Dpi.h"
#include "toolkit/display/x11/ImageBuffer.h"
#include "toolkit/display/x11/InputTranslation.h"
#include "toolkit/display/x11/PixelFormat.h"
#include "toolkit/display/x11/Properties.h"
#include "toolkit/display/x11/WindowManagerHints.h"
#include "toolkit/display/x11/XlibResources.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace tk {

using x11::Atoms;
using x11::Connection;
using x11::ErrorTrap;
using x11::ImageBuffer;
using x11::ImageTarget;
using x11::PixelFormat;
using x11::WindowHandle;

namespace {

constexpr long kWindowEvents = KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                               ExposureMask | StructureNotifyMask;

// Only the last of a run of motions matters; a slow handler would otherwise replay the whole path.
void SkipToLastMotion(::Display* display, XEvent& motion)
{
    while (XEventsQueued(display, QueuedAfterReading) > 0) {
        XEvent next;
        XPeekEvent(display, &next);
        if (next.type != MotionNotify || next.xmotion.window != motion.xmotion.window) {
            return;
        }
        XNextEvent(display, &motion);
    }
}

int IsMapNotifyFor(::Display* /*display*/, XEvent* event, XPointer window)
{
    return static_cast<int>(event->type == MapNotify &&
                            event->xmap.window == *reinterpret_cast<const Window*>(window));
}

struct WindowRecord {
    WindowRecord(::Display* display, Window id, const WindowDescription& description)
        : handle(display, id), owner(description.owner), closeBoxEnabled(description.closeBoxEnabled)
    {
    }

    WindowHandle handle;
    std::optional<NativeWindowId> owner;
    bool closeBoxEnabled;
    bool mapped = false;
    std::unique_ptr<ImageBuffer> image;
};

}  // namespace

// ---------------------------------------------------------------------------------------------------------

class X11Display::Impl {
public:
    explicit Impl(Connection connectionToOwn)
        : connection(std::move(connectionToOwn)), display(connection.get()), screen(DefaultScreen(display)),
          root(RootWindow(display, screen)), target{display, DefaultVisual(display, screen),
                                                    DefaultDepth(display, screen)},
          format(*target.visual), atoms(display), dpi(x11::ReadDpi(display)),
          sharedMemoryUsable(XShmQueryExtension(display) != False)
    {
    }

    [[nodiscard]] WindowRecord* TryFind(Window id) const
    {
        const auto found = windows.find(static_cast<NativeWindowId>(id));
        return found == windows.end() ? nullptr : found->second.get();
    }

    [[nodiscard]] WindowRecord& Find(NativeWindowId id) const
    {
        WindowRecord* window = TryFind(id);
        if (window == nullptr) {
            throw std::out_of_range("no X window " + std::to_string(id));
        }
        return *window;
    }

    void Repaint(const WindowRecord& window, Rect area) const
    {
        if (window.image) {
            window.image->Put(window.handle.Id(), window.handle.Gc(), area);
        }
    }

    std::unique_ptr<ImageBuffer> CreateImage(Size size)
    {
        if (sharedMemoryUsable) {
            if (auto shared = ImageBuffer::CreateShared(target, size)) {
                return shared;
            }
            sharedMemoryUsable = false;  // it will not work better next time
        }
        return ImageBuffer::CreatePlain(target, size);
    }

    // Everything that is not input (expose, map state, refused close requests) is handled here.
    std::optional<InputEvent> Translate(XEvent& event)
    {
        WindowRecord* window = TryFind(event.xany.window);
        if (window == nullptr) {
            return std::nullopt;
        }
        switch (event.type) {
        case KeyPress:
            return x11::TranslateKey(event.xkey);
        case ButtonPress:
        case ButtonRelease:
            return x11::TranslateButton(event.xbutton);
        case MotionNotify: {
            SkipToLastMotion(display, event);
            InputEvent move;
            move.type = InputEvent::Type::MouseMove;
            move.window = static_cast<NativeWindowId>(event.xmotion.window);
            move.position = {event.xmotion.x, event.xmotion.y};
            move.modifiers = x11::ModifiersOf(event.xmotion.state);
            return move;
        }
        case ClientMessage:
            if (event.xclient.message_type == atoms.wmProtocols && event.xclient.format == 32 &&
                static_cast<Atom>(event.xclient.data.l[0]) == atoms.wmDeleteWindow &&
                window->closeBoxEnabled) {
                InputEvent close;
                close.type = InputEvent::Type::CloseRequest;
                close.window = static_cast<NativeWindowId>(event.xclient.window);
                return close;
            }
            return std::nullopt;
        case Expose:
            Repaint(*window, Rect::FromPointSize({event.xexpose.x, event.xexpose.y},
                                                 {event.xexpose.width, event.xexpose.height}));
            if (event.xexpose.count == 0) {
                XFlush(display);
            }
            return std::nullopt;
        case MapNotify:
            window->mapped = true;
            return std::nullopt;
        case UnmapNotify:
            window->mapped = false;
            return std::nullopt;
        default:
            return std::nullopt;
        }
    }

    Connection connection;  // first, so that it closes after every window
    ::Display* display;
    int screen;
    Window root;
    ImageTarget target;
    PixelFormat format;
    Atoms atoms;
    int dpi;
    bool sharedMemoryUsable;
    std::map<NativeWindowId, std::unique_ptr<WindowRecord>> windows;
};

// ---------------------------------------------------------------------------------------------------------

std::unique_ptr<X11Display> X11Display::Open(const char* name)
{
    Connection connection(XOpenDisplay(name));
    if (!connection) {
        std::string message = "cannot open display";
        const char* shownName = XDisplayName(name);
        if (shownName != nullptr && *shownName != '\0') {
            message += " '" + std::string(shownName) + "'";
        }
        throw std::runtime_error(message);
    }
    return std::unique_ptr<X11Display>(new X11Display(std::make_unique<Impl>(std::move(connection))));
}

X11Display::X11Display(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

X11Display::~X11Display() = default;

Size X11Display::ScreenSize() const
{
    return {DisplayWidth(m_impl->display, m_impl->screen), DisplayHeight(m_impl->display, m_impl->screen)};
}

int X11Display::Dpi() const
{
    return m_impl->dpi;
}

NativeWindowId X11Display::CreateWindow(const WindowDescription& description)
{
    Impl& x = *m_impl;
    const Size size{std::max(description.clientSize.width, 1), std::max(description.clientSize.height, 1)};

    XSetWindowAttributes attributes{};
    attributes.background_pixel = x.format.ToPixel(colors::ButtonFace);
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = kWindowEvents;
    const Window id = XCreateWindow(x.display, x.root, description.position.x, description.position.y,
                                    static_cast<unsigned>(size.width), static_cast<unsigned>(size.height), 0,
                                    CopyFromParent, InputOutput, CopyFromParent,
                                    CWBackPixel | CWBitGravity | CWEventMask, &attributes);
    auto record = std::make_unique<WindowRecord>(x.display, id, description);
    std::optional<Window> transientFor;
    if (description.owner && x.TryFind(*description.owner) != nullptr) {
        transientFor = *description.owner;
    }
    x11::ApplyWindowManagerHints(x.display, x.atoms, id, description, size, transientFor);
    x11::ApplyTitle(x.display, x.atoms, id, description.title);
    // Synchronous, so that a window manager or another client sees the window complete at once.
    XSync(x.display, False);

    const auto nativeId = static_cast<NativeWindowId>(id);
    x.windows.emplace(nativeId, std::move(record));
    return nativeId;
}

void X11Display::DestroyWindow(NativeWindowId id)
{
    Impl& x = *m_impl;
    const auto found = x.windows.find(id);
    if (found == x.windows.end()) {
        return;
    }
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(x.display, &focus, &revertTo);
    const std::optional<NativeWindowId> owner = found->second->owner;
    x.windows.erase(found);

    // Without a window manager the keyboard would fall to the root window: hand it back to the owner,
    // as the closing message box's caller expects.
    if (focus == id && owner) {
        const WindowRecord* ownerWindow = x.TryFind(*owner);
        if (ownerWindow != nullptr && ownerWindow->mapped) {
            const ErrorTrap trap(x.display);
            XSetInputFocus(x.display, ownerWindow->handle.Id(), RevertToParent, CurrentTime);
        }
    }
    XSync(x.display, False);
}

void X11Display::ShowWindow(NativeWindowId id)
{
    Impl& x = *m_impl;
    WindowRecord& window = x.Find(id);
    Window xid = window.handle.Id();
    XMapRaised(x.display, xid);
    if (!window.mapped) {
        XEvent event;
        XIfEvent(x.display, &event, &IsMapNotifyFor, reinterpret_cast<XPointer>(&xid));
        window.mapped = true;
    }
    // Mapping cleared the window: put back what was presented before, without waiting for the loop.
    x.Repaint(window, Rect::FromPointSize({}, window.image ? window.image->GetSize() : Size{}));
    {
        // Nobody gives focus without a window manager; with one, the window may not be viewable yet.
        const ErrorTrap trap(x.display);
        XSetInputFocus(x.display, xid, RevertToParent, CurrentTime);
    }
    XSync(x.display, False);
}

void X11Display::SetTitle(NativeWindowId id, const std::string& title)
{
    x11::ApplyTitle(m_impl->display, m_impl->atoms, m_impl->Find(id).handle.Id(), title);
    XSync(m_impl->display, False);
}

void X11Display::SetIcons(NativeWindowId id, const Surface& large, const Surface& small)
{
    x11::ApplyIcons(m_impl->display, m_impl->atoms, m_impl->Find(id).handle.Id(), large, small);
    XSync(m_impl->display, False);
}

void X11Display::Present(NativeWindowId id, const Surface& pixels)
{
    Impl& x = *m_impl;
    WindowRecord& window = x.Find(id);
    if (pixels.Width() <= 0 || pixels.Height() <= 0) {
        return;
    }
    if (!window.image || window.image->GetSize() != pixels.GetSize()) {
        window.image = x.CreateImage(pixels.GetSize());
    }
    window.image->Load(pixels, x.format);
    x.Repaint(window, pixels.Bounds());
    // A round trip: the picture is on the screen when a long handler goes on working, and the shared
    // memory is free to be written again.
    XSync(x.display, False);
}

bool X11Display::IsMinimized(NativeWindowId id) const
{
    constexpr unsigned long kIconicState = 3;
    const Impl& x = *m_impl;
    const Window xid = x.Find(id).handle.Id();
    const auto wmState = x11::ReadLongs(x.display, xid, x.atoms.wmState);
    if (!wmState.empty() && wmState.front() == kIconicState) {
        return true;
    }
    const auto netWmState = x11::ReadLongs(x.display, xid, x.atoms.netWmState);
    return std::find(netWmState.begin(), netWmState.end(), x.atoms.netWmStateHidden) != netWmState.end();
}

InputEvent X11Display::WaitEvent(const WaitContext& /*context*/)
{
    if (m_impl->windows.empty()) {
        throw std::logic_error("waiting for input with no window open");
    }
    for (;;) {
        XEvent event;
        XNextEvent(m_impl->display, &event);
        if (auto input = m_impl->Translate(event)) {
            return *input;
        }
    }
}

}  // namespace tk
