#include "toolkit/display/X11Display.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <sys/ipc.h>
#include <sys/shm.h>

// Xlib last: its macros (None, Expose, KeyPress, Bool...) would otherwise rewrite our own names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/keysym.h>

namespace tk {

namespace {

constexpr int kDefaultDpi = 96;
constexpr long kWindowEvents = KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                               ExposureMask | StructureNotifyMask;

// ---------------------------------------------------------------------------------------------------------
// Owners of Xlib resources

struct ConnectionCloser {
    void operator()(::Display* display) const { XCloseDisplay(display); }
};
using Connection = std::unique_ptr<::Display, ConnectionCloser>;

struct XFreeDeleter {
    void operator()(void* data) const
    {
        if (data != nullptr) {
            XFree(data);
        }
    }
};
template <typename T> using XPtr = std::unique_ptr<T, XFreeDeleter>;

// Catches the X errors of the requests made while it lives, instead of letting Xlib's default handler
// end the process. Xlib's handler is process-wide, hence the static.
class ErrorTrap {
public:
    explicit ErrorTrap(::Display* display) : m_display(display)
    {
        XSync(m_display, False);
        s_errorCode = 0;
        m_previous = XSetErrorHandler(&Record);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    ~ErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }

    [[nodiscard]] bool Failed() const
    {
        XSync(m_display, False);
        return s_errorCode != 0;
    }

private:
    static int Record(::Display* /*display*/, XErrorEvent* error)
    {
        s_errorCode = error->error_code;
        return 0;
    }

    static inline int s_errorCode = 0;
    ::Display* m_display;
    int (*m_previous)(::Display*, XErrorEvent*) = nullptr;
};

class WindowHandle {
public:
    WindowHandle(::Display* display, Window window)
        : m_display(display), m_window(window), m_gc(XCreateGC(display, window, 0, nullptr))
    {
    }
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;
    ~WindowHandle()
    {
        XFreeGC(m_display, m_gc);
        XUnmapWindow(m_display, m_window);
        XDestroyWindow(m_display, m_window);
        XFlush(m_display);
    }

    [[nodiscard]] Window Id() const { return m_window; }
    [[nodiscard]] GC Gc() const { return m_gc; }

private:
    ::Display* m_display;
    Window m_window;
    GC m_gc;
};

// ---------------------------------------------------------------------------------------------------------
// Text: our titles are Windows-1252; X wants UTF-8 (_NET_WM_NAME) and Latin-1 (WM_NAME).

// Code points of the bytes 0x80..0x9F. The five unassigned bytes keep their C1 control value, as the
// platform's own conversion does.
constexpr std::array<char32_t, 32> kWindows1252C1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252C1[byte - 0x80U] : char32_t{byte};
}

std::string Windows1252ToUtf8(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const char32_t code = CodePointOf(static_cast<unsigned char>(c));
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0U | (code >> 6U));
            utf8 += static_cast<char>(0x80U | (code & 0x3FU));
        } else {
            utf8 += static_cast<char>(0xE0U | (code >> 12U));
            utf8 += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
            utf8 += static_cast<char>(0x80U | (code & 0x3FU));
        }
    }
    return utf8;
}

// Windows-1252 and Latin-1 agree except on 0x80..0x9F, which Latin-1 leaves to control codes.
std::string Windows1252ToLatin1(std::string_view text)
{
    std::string latin1(text);
    for (char& c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            c = '?';
        }
    }
    return latin1;
}

// ---------------------------------------------------------------------------------------------------------
// Pixels

// Turns our 0xAARRGGBB into the visual's pixel values; the common 24-bit TrueColor case is a copy.
class PixelFormat {
public:
    explicit PixelFormat(const Visual& visual)
        : m_red(ChannelOf(visual.red_mask)), m_green(ChannelOf(visual.green_mask)),
          m_blue(ChannelOf(visual.blue_mask))
    {
    }

    [[nodiscard]] unsigned long ToPixel(Color color) const
    {
        return Place(RedOf(color), m_red) | Place(GreenOf(color), m_green) | Place(BlueOf(color), m_blue);
    }

    // True when the image takes our pixels unchanged, less the alpha byte.
    [[nodiscard]] static bool StoresColorsAsIs(const XImage& image)
    {
        const int hostOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
        return image.bits_per_pixel == 32 && image.byte_order == hostOrder && image.red_mask == 0xFF0000UL &&
               image.green_mask == 0xFF00UL && image.blue_mask == 0xFFUL;
    }

private:
    struct Channel {
        int shift = 0;
        int bits = 0;
    };

    static Channel ChannelOf(unsigned long mask) { return {std::countr_zero(mask), std::popcount(mask)}; }

    static unsigned long Place(std::uint8_t value, Channel channel)
    {
        unsigned long scaled = value;
        if (channel.bits < 8) {
            scaled >>= static_cast<unsigned>(8 - channel.bits);
        } else {
            scaled <<= static_cast<unsigned>(channel.bits - 8);
        }
        return scaled << static_cast<unsigned>(channel.shift);
    }

    Channel m_red;
    Channel m_green;
    Channel m_blue;
};

// A System V shared memory segment that the X server maps too, so that a present copies nothing
// through the socket.
class SharedSegment {
public:
    SharedSegment() = default;
    SharedSegment(const SharedSegment&) = delete;
    SharedSegment& operator=(const SharedSegment&) = delete;
    ~SharedSegment()
    {
        if (m_attached) {
            XShmDetach(m_display, &m_info);
            XSync(m_display, False);
        }
        if (m_info.shmaddr != nullptr) {
            shmdt(m_info.shmaddr);
        }
    }

    [[nodiscard]] XShmSegmentInfo* Info() { return &m_info; }

    // False when the system or the server refuses; the server does for a client on another machine.
    bool Attach(::Display* display, std::size_t bytes)
    {
        m_info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (m_info.shmid < 0) {
            return false;
        }
        void* address = shmat(m_info.shmid, nullptr, 0);
        if (address !=
            reinterpret_cast<void*>(-1)) {  // NOLINT(performance-no-int-to-ptr): shmat's failure value
            m_info.shmaddr = static_cast<char*>(address);
            m_info.readOnly = False;
            const ErrorTrap trap(display);
            XShmAttach(display, &m_info);
            m_attached = !trap.Failed();
            m_display = display;
        }
        // Marked for removal now that both sides hold it: the kernel frees it when both let go, even
        // when the process dies.
        shmctl(m_info.shmid, IPC_RMID, nullptr);
        return m_attached;
    }

private:
    ::Display* m_display = nullptr;
    XShmSegmentInfo m_info{};
    bool m_attached = false;
};

// Our pixels do not belong to Xlib: detach them before it frees the image.
struct ImageDestroyer {
    void operator()(XImage* image) const
    {
        image->data = nullptr;
        XDestroyImage(image);
    }
};

struct ImageTarget {
    ::Display* display = nullptr;
    Visual* visual = nullptr;
    int depth = 0;
};

// A window's last presented pixels in the server's format, ready to be put again on Expose.
class ImageBuffer {
public:
    static std::unique_ptr<ImageBuffer> CreateShared(const ImageTarget& target, Size size)
    {
        auto buffer = std::unique_ptr<ImageBuffer>(new ImageBuffer(target.display, size));
        buffer->m_segment = std::make_unique<SharedSegment>();
        buffer->m_image.reset(XShmCreateImage(target.display, target.visual,
                                              static_cast<unsigned>(target.depth), ZPixmap, nullptr,
                                              buffer->m_segment->Info(), static_cast<unsigned>(size.width),
                                              static_cast<unsigned>(size.height)));
        if (!buffer->m_image || !buffer->m_segment->Attach(target.display, buffer->ByteCount())) {
            return nullptr;
        }
        buffer->m_image->data = buffer->m_segment->Info()->shmaddr;
        return buffer;
    }

    static std::unique_ptr<ImageBuffer> CreatePlain(const ImageTarget& target, Size size)
    {
        auto buffer = std::unique_ptr<ImageBuffer>(new ImageBuffer(target.display, size));
        buffer->m_image.reset(XCreateImage(target.display, target.visual, static_cast<unsigned>(target.depth),
                                           ZPixmap, 0, nullptr, static_cast<unsigned>(size.width),
                                           static_cast<unsigned>(size.height), 32, 0));
        if (!buffer->m_image) {
            throw std::runtime_error("cannot create an X image");
        }
        buffer->m_clientMemory.resize(buffer->ByteCount());
        buffer->m_image->data = buffer->m_clientMemory.data();
        return buffer;
    }

    [[nodiscard]] Size GetSize() const { return m_size; }

    void Load(const Surface& surface, const PixelFormat& format)
    {
        XImage& image = *m_image;
        if (PixelFormat::StoresColorsAsIs(image)) {
            std::vector<std::uint32_t> row(static_cast<std::size_t>(m_size.width));
            for (int y = 0; y < m_size.height; ++y) {
                const auto source = surface.Row(y);
                for (std::size_t x = 0; x < row.size(); ++x) {
                    row[x] = source[x] & 0x00FFFFFFU;
                }
                std::memcpy(image.data + static_cast<std::ptrdiff_t>(y) * image.bytes_per_line, row.data(),
                            row.size() * sizeof(std::uint32_t));
            }
            return;
        }
        for (int y = 0; y < m_size.height; ++y) {
            for (int x = 0; x < m_size.width; ++x) {
                XPutPixel(&image, x, y, format.ToPixel(surface.At(x, y)));
            }
        }
    }

    void Put(Window window, GC gc, Rect area) const
    {
        area = area.Intersect(Rect::FromPointSize({}, m_size));
        if (area.IsEmpty()) {
            return;
        }
        const auto width = static_cast<unsigned>(area.Width());
        const auto height = static_cast<unsigned>(area.Height());
        if (m_segment) {
            XShmPutImage(m_display, window, gc, m_image.get(), area.left, area.top, area.left, area.top,
                         width, height, False);
        } else {
            XPutImage(m_display, window, gc, m_image.get(), area.left, area.top, area.left, area.top, width,
                      height);
        }
    }

private:
    ImageBuffer(::Display* display, Size size) : m_display(display), m_size(size) {}

    [[nodiscard]] std::size_t ByteCount() const
    {
        return static_cast<std::size_t>(m_image->bytes_per_line) * static_cast<std::size_t>(m_size.height);
    }

    ::Display* m_display;
    Size m_size;
    std::unique_ptr<SharedSegment> m_segment;  // declared before the image, which points into it
    std::vector<char> m_clientMemory;
    std::unique_ptr<XImage, ImageDestroyer> m_image;
};

// ---------------------------------------------------------------------------------------------------------
// Properties

struct Atoms {
    explicit Atoms(::Display* display)
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

    static Atom Intern(::Display* display, const char* name) { return XInternAtom(display, name, False); }

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

// The layout window managers read from _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr unsigned long kMotifHintsFunctions = 1UL << 0U;
constexpr unsigned long kMotifHintsDecorations = 1UL << 1U;
constexpr unsigned long kMotifFunctionMove = 1UL << 2U;
constexpr unsigned long kMotifFunctionClose = 1UL << 5U;
constexpr unsigned long kMotifDecorationBorder = 1UL << 1U;
constexpr unsigned long kMotifDecorationTitle = 1UL << 3U;

// Xlib passes 32-bit property items in longs.
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

// Xlib's convention: $RESOURCE_NAME, else the program's name; the class is the name capitalised.
std::string ResourceName()
{
    const char* name = std::getenv("RESOURCE_NAME");
    return name != nullptr && *name != '\0' ? name : program_invocation_short_name;
}

int ReadDpi(::Display* display)
{
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr) {
        return kDefaultDpi;
    }
    XrmInitialize();
    const std::unique_ptr<std::remove_pointer_t<XrmDatabase>, decltype(&XrmDestroyDatabase)> database(
        XrmGetStringDatabase(resources), &XrmDestroyDatabase);
    char* type = nullptr;
    XrmValue value{};
    if (!database || !XrmGetResource(database.get(), "Xft.dpi", "Xft.Dpi", &type, &value) ||
        value.addr == nullptr) {
        return kDefaultDpi;
    }
    const std::string_view text(value.addr);
    double dpi = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
    if (error != std::errc{} || dpi < 1) {
        return kDefaultDpi;
    }
    return static_cast<int>(std::lround(dpi));
}

// ---------------------------------------------------------------------------------------------------------
// Input

Modifiers ModifiersOf(unsigned int state)
{
    return {(state & ShiftMask) != 0, (state & ControlMask) != 0, (state & Mod1Mask) != 0};
}

std::optional<Key> NamedKey(KeySym symbol)
{
    switch (symbol) {
    case XK_Tab:
    case XK_ISO_Left_Tab:
        return Key::Tab;
    case XK_Return:
    case XK_KP_Enter:
        return Key::Enter;
    case XK_Escape:
        return Key::Escape;
    case XK_space:
        return Key::Space;
    case XK_Left:
    case XK_KP_Left:
        return Key::Left;
    case XK_Right:
    case XK_KP_Right:
        return Key::Right;
    case XK_Up:
    case XK_KP_Up:
        return Key::Up;
    case XK_Down:
    case XK_KP_Down:
        return Key::Down;
    case XK_Home:
    case XK_KP_Home:
        return Key::Home;
    case XK_End:
    case XK_KP_End:
        return Key::End;
    case XK_Prior:
    case XK_KP_Prior:
        return Key::PageUp;
    case XK_Next:
    case XK_KP_Next:
        return Key::PageDown;
    case XK_F1:
        return Key::F1;
    case XK_F4:
        return Key::F4;
    default:
        return std::nullopt;
    }
}

// Latin-1 keysyms are their own character codes, which Windows-1252 shares.
std::optional<char> Latin1CharacterOf(KeySym symbol)
{
    if ((symbol > 0x20 && symbol < 0x7F) || (symbol >= 0xA0 && symbol <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(symbol));
    }
    return std::nullopt;
}

// Letters come from the key's first level, so that neither Shift nor Alt changes what a mnemonic sees;
// other characters follow Shift.
std::optional<char> CharacterOf(XKeyEvent& key)
{
    const KeySym base = XLookupKeysym(&key, 0);
    KeySym lower = 0;
    KeySym upper = 0;
    XConvertCase(base, &lower, &upper);
    if (lower != upper) {
        return Latin1CharacterOf(lower);
    }
    KeySym symbol = (key.state & ShiftMask) != 0 ? XLookupKeysym(&key, 1) : base;
    if (symbol == NoSymbol) {
        symbol = base;
    }
    return Latin1CharacterOf(symbol);
}

std::optional<InputEvent> TranslateKey(XKeyEvent& key)
{
    InputEvent event;
    event.type = InputEvent::Type::KeyDown;
    event.window = static_cast<NativeWindowId>(key.window);
    event.modifiers = ModifiersOf(key.state);
    event.position = {key.x, key.y};
    if (const auto named = NamedKey(XLookupKeysym(&key, 0))) {
        event.key = *named;
        return event;
    }
    if (const auto character = CharacterOf(key)) {
        event.key = Key::Character;
        event.character = *character;
        return event;
    }
    return std::nullopt;  // a modifier on its own, or a key the toolkit has no use for
}

std::optional<InputEvent> TranslateButton(const XButtonEvent& button)
{
    InputEvent event;
    event.window = static_cast<NativeWindowId>(button.window);
    event.modifiers = ModifiersOf(button.state);
    event.position = {button.x, button.y};
    switch (button.button) {
    case Button1:
        event.button = MouseButton::Left;
        break;
    case Button2:
        event.button = MouseButton::Middle;
        break;
    case Button3:
        event.button = MouseButton::Right;
        break;
    case Button4:
    case Button5:
        if (button.type != ButtonPress) {
            return std::nullopt;
        }
        event.type = InputEvent::Type::Wheel;
        event.wheelSteps = button.button == Button4 ? 1 : -1;
        return event;
    default:
        return std::nullopt;
    }
    event.type = button.type == ButtonPress ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp;
    return event;
}

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
    WindowRecord(::Display* display, Window id, const WindowSpec& description)
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
          format(*target.visual), atoms(display), dpi(ReadDpi(display)),
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
            return TranslateKey(event.xkey);
        case ButtonPress:
        case ButtonRelease:
            return TranslateButton(event.xbutton);
        case MotionNotify: {
            SkipToLastMotion(display, event);
            InputEvent move;
            move.type = InputEvent::Type::MouseMove;
            move.window = static_cast<NativeWindowId>(event.xmotion.window);
            move.position = {event.xmotion.x, event.xmotion.y};
            move.modifiers = ModifiersOf(event.xmotion.state);
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

    void ApplyTitle(Window id, const std::string& title) const
    {
        const std::string latin1 = Windows1252ToLatin1(title);
        XChangeProperty(display, id, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(latin1.data()),
                        static_cast<int>(latin1.size()));
        const std::string utf8 = Windows1252ToUtf8(title);
        XChangeProperty(display, id, atoms.netWmName, atoms.utf8String, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
    }

    void ApplyWindowManagerHints(Window id, const WindowSpec& description, Size size) const
    {
        const XPtr<XSizeHints> sizeHints(XAllocSizeHints());
        // Fixed size; the position is ours, and with static gravity it is the client area's, not the frame's.
        sizeHints->flags = USPosition | PPosition | PMinSize | PMaxSize | PWinGravity;
        sizeHints->x = description.position.x;
        sizeHints->y = description.position.y;
        sizeHints->min_width = sizeHints->max_width = size.width;
        sizeHints->min_height = sizeHints->max_height = size.height;
        sizeHints->win_gravity = StaticGravity;
        XSetWMNormalHints(display, id, sizeHints.get());

        const XPtr<XWMHints> hints(XAllocWMHints());
        hints->flags = InputHint | StateHint;
        hints->input = True;
        hints->initial_state = NormalState;
        XSetWMHints(display, id, hints.get());

        std::string name = ResourceName();
        std::string className = name;
        if (!className.empty()) {
            className[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(className[0])));
        }
        const XPtr<XClassHint> classHint(XAllocClassHint());
        classHint->res_name = name.data();
        classHint->res_class = className.data();
        XSetClassHint(display, id, classHint.get());

        // Always offered, also when the close box is disabled: a window manager kills a client whose
        // window cannot be asked to close.
        Atom deleteWindow = atoms.wmDeleteWindow;
        XSetWMProtocols(display, id, &deleteWindow, 1);

        SetLongs(display, id, atoms.motifWmHints, atoms.motifWmHints,
                 {kMotifHintsFunctions | kMotifHintsDecorations, kMotifFunctionMove | kMotifFunctionClose,
                  kMotifDecorationBorder | kMotifDecorationTitle, 0, 0});

        if (description.owner && TryFind(*description.owner) != nullptr) {
            XSetTransientForHint(display, id, *description.owner);
        }
        const bool messageBox = description.kind == WindowKind::MessageBox;
        SetLongs(display, id, atoms.netWmWindowType, XA_ATOM,
                 {messageBox ? atoms.netWmWindowTypeDialog : atoms.netWmWindowTypeNormal});
        if (messageBox) {
            SetLongs(display, id, atoms.netWmState, XA_ATOM, {atoms.netWmStateSkipTaskbar});
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

NativeWindowId X11Display::CreateWindow(const WindowSpec& description)
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
    x.ApplyWindowManagerHints(id, description, size);
    x.ApplyTitle(id, description.title);
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
    m_impl->ApplyTitle(m_impl->Find(id).handle.Id(), title);
    XSync(m_impl->display, False);
}

void X11Display::SetIcons(NativeWindowId id, const Surface& large, const Surface& small)
{
    const Window xid = m_impl->Find(id).handle.Id();
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
        XDeleteProperty(m_impl->display, xid, m_impl->atoms.netWmIcon);
    } else {
        SetLongs(m_impl->display, xid, m_impl->atoms.netWmIcon, XA_CARDINAL, items);
    }
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
    const auto wmState = ReadLongs(x.display, xid, x.atoms.wmState);
    if (!wmState.empty() && wmState.front() == kIconicState) {
        return true;
    }
    const auto netWmState = ReadLongs(x.display, xid, x.atoms.netWmState);
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
