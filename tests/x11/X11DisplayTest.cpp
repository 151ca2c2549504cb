// Runs against a real X server ($DISPLAY, e.g. under xvfb-run). A second client plays the user and the
// window manager: it types with XTest, reads pixels and properties back, and asks windows to close.

#include "toolkit/display/X11Display.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

// Xlib last: its macros (None, Expose...) would rewrite the toolkit's names.
#include "toolkit/display/x11/XlibResources.h"
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using tk::InputEvent;
using tk::Key;
using tk::NativeWindowId;
using tk::WindowDescription;
using tk::WindowKind;
using tk::X11Display;

// ---------------------------------------------------------------------------------------------------------
// The second client

using tk::x11::Connection;

using tk::x11::XFreeDeleter;

struct ImageDestroyer {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

struct Property {
    Atom type = 0;
    std::string bytes;                 // format 8
    std::vector<unsigned long> items;  // format 32
};

Property ReadProperty(::Display* x, Window window, Atom property)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    Property result;
    if (XGetWindowProperty(x, window, property, 0, 1 << 20, False, AnyPropertyType, &type, &format, &count,
                           &remaining, &data) != Success) {
        return result;
    }
    const std::unique_ptr<unsigned char, XFreeDeleter> owner(data);
    result.type = type;
    if (format == 8) {
        result.bytes.assign(reinterpret_cast<const char*>(data), count);
    } else if (format == 32) {
        // Xlib hands 32-bit items over in longs, sign-extended.
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; i < count; ++i) {
            result.items.push_back(items[i] & 0xFFFFFFFFUL);
        }
    }
    return result;
}

Atom AtomNamed(::Display* x, const char* name)
{
    return XInternAtom(x, name, False);
}

// Presses the keys in order and releases them in reverse, as a person types a chord.
void Type(::Display* x, const std::vector<KeySym>& chord)
{
    for (const KeySym symbol : chord) {
        XTestFakeKeyEvent(x, XKeysymToKeycode(x, symbol), True, CurrentTime);
    }
    for (auto symbol = chord.rbegin(); symbol != chord.rend(); ++symbol) {
        XTestFakeKeyEvent(x, XKeysymToKeycode(x, *symbol), False, CurrentTime);
    }
    XSync(x, False);
}

void AskToClose(::Display* x, NativeWindowId window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = AtomNamed(x, "WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(AtomNamed(x, "WM_DELETE_WINDOW"));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, window, False, NoEventMask, &event);
    XSync(x, False);
}

tk::Point ScreenPositionOf(::Display* x, NativeWindowId window)
{
    int screenX = 0;
    int screenY = 0;
    Window child = 0;
    XTranslateCoordinates(x, window, DefaultRootWindow(x), 0, 0, &screenX, &screenY, &child);
    return {screenX, screenY};
}

// Xvfb resets itself whenever its last client leaves, and a connection made during the reset fails.
// Holding one connection for the whole program keeps the server up between the cases; the first one may
// still meet the reset that the previous test program caused, so it is tried a few times.
class ServerKeeper : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr) {
            return;
        }
        for (int attempt = 0; attempt < 50 && !m_connection; ++attempt) {
            m_connection.reset(XOpenDisplay(nullptr));
            if (!m_connection) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    }
    void TearDown() override { m_connection.reset(); }

private:
    Connection m_connection;
};

// GoogleTest takes ownership of the environment.
[[maybe_unused]] const ::testing::Environment* const kServerKeeper =
    ::testing::AddGlobalTestEnvironment(new ServerKeeper);

// ---------------------------------------------------------------------------------------------------------
// Pixels

// Every pixel different from its neighbours, and none of them the background a window starts with.
tk::Surface Pattern(tk::Size size, int seed)
{
    tk::Surface surface(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            surface.Set(x, y,
                        tk::Rgb(static_cast<std::uint8_t>(x * 3 + seed), static_cast<std::uint8_t>(y * 5),
                                static_cast<std::uint8_t>(x * y + seed)));
        }
    }
    return surface;
}

// Empty when the window shows the surface; otherwise the first wrong pixel.
std::string CompareWindowWith(::Display* x, NativeWindowId window, const tk::Surface& expected)
{
    const std::unique_ptr<XImage, ImageDestroyer> image(
        XGetImage(x, window, 0, 0, static_cast<unsigned>(expected.Width()),
                  static_cast<unsigned>(expected.Height()), AllPlanes, ZPixmap));
    if (!image) {
        return "XGetImage failed";
    }
    for (int y = 0; y < expected.Height(); ++y) {
        for (int px = 0; px < expected.Width(); ++px) {
            const unsigned long shown = XGetPixel(image.get(), px, y) & 0xFFFFFFUL;
            const unsigned long wanted = expected.At(px, y) & 0xFFFFFFU;
            if (shown != wanted) {
                return "pixel (" + std::to_string(px) + ", " + std::to_string(y) + ") is " +
                       std::to_string(shown) + ", expected " + std::to_string(wanted);
            }
        }
    }
    return {};
}

// ---------------------------------------------------------------------------------------------------------
// Events as text, so that expectations and failures read alike

std::string Describe(const InputEvent& event)
{
    std::string text;
    const auto at = " at " + std::to_string(event.position.x) + "," + std::to_string(event.position.y);
    const char* buttons[] = {"left", "right", "middle"};
    switch (event.type) {
    case InputEvent::Type::KeyDown:
        switch (event.key) {
        case Key::Character:
            text = std::string("key '") + event.character + "'";
            break;
        case Key::Tab:
            text = "key Tab";
            break;
        case Key::Enter:
            text = "key Enter";
            break;
        case Key::Escape:
            text = "key Escape";
            break;
        case Key::Space:
            text = "key Space";
            break;
        case Key::Left:
            text = "key Left";
            break;
        case Key::PageDown:
            text = "key PageDown";
            break;
        case Key::F1:
            text = "key F1";
            break;
        case Key::F4:
            text = "key F4";
            break;
        default:
            text = "key #" + std::to_string(static_cast<int>(event.key));
            break;
        }
        break;
    case InputEvent::Type::MouseDown:
        text = std::string("down ") + buttons[static_cast<int>(event.button)] + at;
        break;
    case InputEvent::Type::MouseUp:
        text = std::string("up ") + buttons[static_cast<int>(event.button)] + at;
        break;
    case InputEvent::Type::MouseMove:
        text = "move" + at;
        break;
    case InputEvent::Type::Wheel:
        text = "wheel " + std::to_string(event.wheelSteps) + at;
        break;
    case InputEvent::Type::CloseRequest:
        text = "close";
        break;
    default:
        text = "event #" + std::to_string(static_cast<int>(event.type));
        break;
    }
    if (event.type == InputEvent::Type::KeyDown) {
        text += event.modifiers.shift ? " +shift" : "";
        text += event.modifiers.control ? " +ctrl" : "";
        text += event.modifiers.alt ? " +alt" : "";
    }
    return text;
}

// ---------------------------------------------------------------------------------------------------------

class X11DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "no X server: $DISPLAY is not set";
        }
        display = X11Display::Open();
        user.reset(XOpenDisplay(nullptr));
        ASSERT_TRUE(user);
    }

    static WindowDescription Dialog(tk::Size size = {64, 48}, tk::Point position = {30, 40})
    {
        WindowDescription description;
        description.title = "Setup";
        description.clientSize = size;
        description.position = position;
        return description;
    }

    NativeWindowId Show(const WindowDescription& description)
    {
        const NativeWindowId window = display->CreateWindow(description);
        display->ShowWindow(window);
        return window;
    }

    // Pixels compare exactly on the 24-bit TrueColor screen that the test servers run.
    void RequireDepth24()
    {
        if (DefaultDepth(user.get(), DefaultScreen(user.get())) != 24) {
            GTEST_SKIP() << "pixels are compared on a 24-bit screen only";
        }
    }

    InputEvent Wait(NativeWindowId window)
    {
        return display->WaitEvent(tk::WaitContext{window, "Setup", WindowKind::Dialog, {}});
    }

    std::string NextInput(NativeWindowId window) { return Describe(Wait(window)); }

    std::unique_ptr<X11Display> display;
    Connection user;
};

TEST_F(X11DisplayTest, PresentedPixelsReachTheScreenAtTheGivenPosition)
{
    RequireDepth24();
    const tk::Size size{64, 48};
    const NativeWindowId window = Show(Dialog(size, {30, 40}));
    EXPECT_EQ(ScreenPositionOf(user.get(), window), (tk::Point{30, 40}));

    // The second present checks that each one replaces the picture, not only the first.
    for (const int seed : {0, 101}) {
        const tk::Surface pixels = Pattern(size, seed);
        display->Present(window, pixels);
        EXPECT_EQ(CompareWindowWith(user.get(), window, pixels), "") << "seed " << seed;
    }
}

TEST_F(X11DisplayTest, PixelsPresentedBeforeShowingAppearWhenShown)
{
    RequireDepth24();
    const tk::Size size{40, 30};
    const NativeWindowId window = display->CreateWindow(Dialog(size));
    const tk::Surface pixels = Pattern(size, 7);
    display->Present(window, pixels);
    display->ShowWindow(window);
    EXPECT_EQ(CompareWindowWith(user.get(), window, pixels), "");
}

TEST_F(X11DisplayTest, ExposedAreasAreRepaintedFromTheLastPresent)
{
    RequireDepth24();
    const tk::Size size{64, 48};
    const NativeWindowId window = Show(Dialog(size, {30, 40}));
    const tk::Surface pixels = Pattern(size, 3);
    display->Present(window, pixels);

    // Another client's window covers part of ours for a moment.
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    const Window cover =
        XCreateWindow(user.get(), DefaultRootWindow(user.get()), 50, 50, 100, 100, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    XMapRaised(user.get(), cover);
    XSync(user.get(), False);
    XDestroyWindow(user.get(), cover);
    XSync(user.get(), False);

    // The Expose comes before this key, so the display has repainted by the time the key arrives.
    Type(user.get(), {XK_Escape});
    EXPECT_EQ(NextInput(window), "key Escape");
    EXPECT_EQ(CompareWindowWith(user.get(), window, pixels), "");
}

// ---------------------------------------------------------------------------------------------------------
// Keyboard

struct KeyCase {
    const char* name;
    std::vector<KeySym> chord;
    const char* expected;
};
void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << c.name;
}

class X11KeyTest : public X11DisplayTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(X11KeyTest, ArrivesAsTheToolkitsKey)
{
    const NativeWindowId window = Show(Dialog());
    Type(user.get(), GetParam().chord);
    const InputEvent event = Wait(window);
    EXPECT_EQ(Describe(event), GetParam().expected);
    EXPECT_EQ(event.window, window);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, X11KeyTest,
    ::testing::Values(
        KeyCase{"Tab", {XK_Tab}, "key Tab"}, KeyCase{"ShiftTab", {XK_Shift_L, XK_Tab}, "key Tab +shift"},
        KeyCase{"AltN", {XK_Alt_L, XK_n}, "key 'n' +alt"},
        KeyCase{"ShiftAltN", {XK_Shift_L, XK_Alt_L, XK_n}, "key 'n' +shift +alt"},
        KeyCase{"ControlA", {XK_Control_L, XK_a}, "key 'a' +ctrl"},
        KeyCase{"ShiftOne", {XK_Shift_L, XK_1}, "key '!' +shift"},
        KeyCase{"Escape", {XK_Escape}, "key Escape"}, KeyCase{"Return", {XK_Return}, "key Enter"},
        KeyCase{"KeypadEnter", {XK_KP_Enter}, "key Enter"}, KeyCase{"Space", {XK_space}, "key Space"},
        KeyCase{"Left", {XK_Left}, "key Left"}, KeyCase{"PageDown", {XK_Next}, "key PageDown"},
        KeyCase{"F1", {XK_F1}, "key F1"}, KeyCase{"AltF4", {XK_Alt_L, XK_F4}, "key F4 +alt"}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(X11DisplayTest, ModifiersAloneAndKeyReleasesDoNotArrive)
{
    const NativeWindowId window = Show(Dialog());
    Type(user.get(), {XK_Shift_L, XK_Tab});
    Type(user.get(), {XK_Control_L});
    Type(user.get(), {XK_Return});
    EXPECT_EQ(NextInput(window), "key Tab +shift");
    EXPECT_EQ(NextInput(window), "key Enter");
}

// ---------------------------------------------------------------------------------------------------------
// Mouse

struct ButtonCase {
    const char* name;
    unsigned int button;
    std::vector<std::string> expected;
};
void PrintTo(const ButtonCase& c, std::ostream* out)
{
    *out << c.name;
}

class X11ButtonTest : public X11DisplayTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(X11ButtonTest, ArrivesAtTheClientPosition)
{
    const NativeWindowId window = Show(Dialog({64, 48}, {30, 40}));
    XTestFakeMotionEvent(user.get(), DefaultScreen(user.get()), 30 + 5, 40 + 7, CurrentTime);
    XTestFakeButtonEvent(user.get(), GetParam().button, True, CurrentTime);
    XTestFakeButtonEvent(user.get(), GetParam().button, False, CurrentTime);
    Type(user.get(), {XK_Escape});  // marks the end: nothing else may come before it

    std::vector<std::string> events;
    for (std::string event = NextInput(window); event != "key Escape"; event = NextInput(window)) {
        if (event.rfind("move", 0) != 0) {
            events.push_back(event);
        }
    }
    EXPECT_EQ(events, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, X11ButtonTest,
    ::testing::Values(ButtonCase{"Left", Button1, {"down left at 5,7", "up left at 5,7"}},
                      ButtonCase{"Middle", Button2, {"down middle at 5,7", "up middle at 5,7"}},
                      ButtonCase{"Right", Button3, {"down right at 5,7", "up right at 5,7"}},
                      ButtonCase{"WheelUp", Button4, {"wheel 1 at 5,7"}},
                      ButtonCase{"WheelDown", Button5, {"wheel -1 at 5,7"}}),
    [](const ::testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

TEST_F(X11DisplayTest, ARunOfMotionsArrivesAsItsLastPosition)
{
    const NativeWindowId window = Show(Dialog({64, 48}, {30, 40}));
    for (const int step : {1, 2, 3, 4}) {
        XTestFakeMotionEvent(user.get(), DefaultScreen(user.get()), 30 + step * 10, 40 + step, CurrentTime);
    }
    Type(user.get(), {XK_Escape});
    EXPECT_EQ(NextInput(window), "move at 40,4");
    EXPECT_EQ(NextInput(window), "key Escape");
}

// ---------------------------------------------------------------------------------------------------------
// Closing and destroying

TEST_F(X11DisplayTest, CloseRequestArrivesWhenTheCloseBoxIsEnabled)
{
    const NativeWindowId window = Show(Dialog());
    AskToClose(user.get(), window);
    const InputEvent event = Wait(window);
    EXPECT_EQ(Describe(event), "close");
    EXPECT_EQ(event.window, window);
}

TEST_F(X11DisplayTest, CloseRequestIsIgnoredWhenTheCloseBoxIsDisabled)
{
    WindowDescription description = Dialog();
    description.closeBoxEnabled = false;
    const NativeWindowId window = Show(description);
    AskToClose(user.get(), window);
    Type(user.get(), {XK_Escape});
    EXPECT_EQ(NextInput(window), "key Escape");
}

TEST_F(X11DisplayTest, MessageBoxTakesTheKeyboardAndGivesItBackToItsOwner)
{
    const NativeWindowId dialog = Show(Dialog({200, 150}, {100, 100}));
    WindowDescription box = Dialog({80, 60}, {160, 140});
    box.kind = WindowKind::MessageBox;
    box.owner = dialog;
    const NativeWindowId messageBox = Show(box);

    // Keys reach the message box even while the loop waits in the dialog: the toolkit sorts them out.
    Type(user.get(), {XK_Return});
    EXPECT_EQ(Wait(dialog).window, messageBox);

    display->DestroyWindow(messageBox);
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(user.get(), &focus, &revertTo);
    EXPECT_EQ(focus, dialog);

    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    XQueryTree(user.get(), DefaultRootWindow(user.get()), &root, &parent, &children, &count);
    const std::unique_ptr<Window, XFreeDeleter> owner(children);
    const std::vector<Window> topLevels(children, children + count);
    EXPECT_EQ(std::count(topLevels.begin(), topLevels.end(), messageBox), 0) << "the X window is gone";
    EXPECT_EQ(std::count(topLevels.begin(), topLevels.end(), dialog), 1);
}

TEST_F(X11DisplayTest, WaitingWithNoWindowThrowsInsteadOfBlockingForever)
{
    const NativeWindowId window = Show(Dialog());
    display->DestroyWindow(window);
    EXPECT_THROW(Wait(window), std::logic_error);
}

// ---------------------------------------------------------------------------------------------------------
// What the window manager reads

struct HintsCase {
    const char* name;
    WindowKind kind;
    bool owned;
    const char* windowType;
    bool skipsTaskbar;
};
void PrintTo(const HintsCase& c, std::ostream* out)
{
    *out << c.name;
}

class X11HintsTest : public X11DisplayTest, public ::testing::WithParamInterface<HintsCase> {};

TEST_P(X11HintsTest, TellTheWindowManagerWhatKindOfWindowItIs)
{
    ::Display* x = user.get();
    const NativeWindowId owner = display->CreateWindow(Dialog());
    WindowDescription description = Dialog({120, 90}, {200, 150});
    description.kind = GetParam().kind;
    if (GetParam().owned) {
        description.owner = owner;
    }
    const NativeWindowId window = display->CreateWindow(description);

    XSizeHints sizeHints{};
    long supplied = 0;
    ASSERT_NE(XGetWMNormalHints(x, window, &sizeHints, &supplied), 0);
    EXPECT_NE(sizeHints.flags & USPosition, 0);
    EXPECT_EQ(sizeHints.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize);
    EXPECT_EQ(
        (std::vector{sizeHints.min_width, sizeHints.min_height, sizeHints.max_width, sizeHints.max_height}),
        (std::vector{120, 90, 120, 90}))
        << "not resizable";

    const Property protocols = ReadProperty(x, window, AtomNamed(x, "WM_PROTOCOLS"));
    EXPECT_THAT(protocols.items, ElementsAre(AtomNamed(x, "WM_DELETE_WINDOW")));

    // flags, functions (move, close), decorations (border, title)
    const Property motif = ReadProperty(x, window, AtomNamed(x, "_MOTIF_WM_HINTS"));
    EXPECT_THAT(motif.items, ElementsAre(3UL, 4UL | 32UL, 2UL | 8UL, 0UL, 0UL));

    EXPECT_THAT(ReadProperty(x, window, AtomNamed(x, "_NET_WM_WINDOW_TYPE")).items,
                ElementsAre(AtomNamed(x, GetParam().windowType)));
    const auto state = ReadProperty(x, window, AtomNamed(x, "_NET_WM_STATE")).items;
    const bool skipsTaskbar =
        std::count(state.begin(), state.end(), AtomNamed(x, "_NET_WM_STATE_SKIP_TASKBAR")) == 1;
    EXPECT_EQ(skipsTaskbar, GetParam().skipsTaskbar);

    Window transientFor = 0;
    const bool transient = XGetTransientForHint(x, window, &transientFor) != 0;
    EXPECT_EQ(transient, GetParam().owned);
    if (transient) {
        EXPECT_EQ(transientFor, owner);
    }

    XClassHint classHint{};
    ASSERT_NE(XGetClassHint(x, window, &classHint), 0);
    const std::unique_ptr<char, XFreeDeleter> resName(classHint.res_name);
    const std::unique_ptr<char, XFreeDeleter> resClass(classHint.res_class);
    EXPECT_STRNE(classHint.res_name, "");
    EXPECT_STRNE(classHint.res_class, "");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, X11HintsTest,
    ::testing::Values(HintsCase{"Dialog", WindowKind::Dialog, false, "_NET_WM_WINDOW_TYPE_NORMAL", false},
                      HintsCase{"MessageBox", WindowKind::MessageBox, true, "_NET_WM_WINDOW_TYPE_DIALOG",
                                true}),
    [](const ::testing::TestParamInfo<HintsCase>& info) { return std::string(info.param.name); });

TEST_F(X11DisplayTest, TitlesReachTheWindowManagerAsUtf8AndLatin1)
{
    ::Display* x = user.get();
    WindowDescription description = Dialog();
    description.title = "Caf\xE9 \x80 5";  // Windows-1252: e acute, euro sign
    const NativeWindowId window = display->CreateWindow(description);

    const Property utf8 = ReadProperty(x, window, AtomNamed(x, "_NET_WM_NAME"));
    EXPECT_EQ(utf8.type, AtomNamed(x, "UTF8_STRING"));
    EXPECT_EQ(utf8.bytes, "Caf\xC3\xA9 \xE2\x82\xAC 5");
    const Property latin1 = ReadProperty(x, window, XA_WM_NAME);
    EXPECT_EQ(latin1.type, XA_STRING);
    EXPECT_EQ(latin1.bytes, "Caf\xE9 ? 5");

    display->SetTitle(window, "\x93Setup\x94");  // curly quotes
    EXPECT_EQ(ReadProperty(x, window, AtomNamed(x, "_NET_WM_NAME")).bytes, "\xE2\x80\x9CSetup\xE2\x80\x9D");
}

TEST_F(X11DisplayTest, IconsBecomeNetWmIconSkippingEmptyOnes)
{
    ::Display* x = user.get();
    const NativeWindowId window = display->CreateWindow(Dialog());
    tk::Surface large(2, 1, 0x00000000U);  // transparent, then opaque red
    large.Set(1, 0, 0xFFFF0000U);
    tk::Surface small(1, 1, 0x80102030U);
    const Atom netWmIcon = AtomNamed(x, "_NET_WM_ICON");

    display->SetIcons(window, large, small);
    EXPECT_THAT(ReadProperty(x, window, netWmIcon).items,
                ElementsAre(2UL, 1UL, 0x00000000UL, 0xFFFF0000UL, 1UL, 1UL, 0x80102030UL));
    EXPECT_EQ(ReadProperty(x, window, netWmIcon).type, XA_CARDINAL);

    display->SetIcons(window, tk::Surface{}, small);
    EXPECT_THAT(ReadProperty(x, window, netWmIcon).items, ElementsAre(1UL, 1UL, 0x80102030UL));
}

// ---------------------------------------------------------------------------------------------------------
// Minimised: the window manager's word, through either of its properties

struct MinimizedCase {
    const char* name;
    const char* property;
    std::vector<const char*> atoms;  // for _NET_WM_STATE
    long wmState;                    // for WM_STATE
    bool minimized;
};
void PrintTo(const MinimizedCase& c, std::ostream* out)
{
    *out << c.name;
}

class X11MinimizedTest : public X11DisplayTest, public ::testing::WithParamInterface<MinimizedCase> {};

TEST_P(X11MinimizedTest, FollowsTheWindowManagersProperties)
{
    ::Display* x = user.get();
    const NativeWindowId window = Show(Dialog());
    const MinimizedCase& c = GetParam();
    if (c.property != nullptr) {
        const Atom property = AtomNamed(x, c.property);
        std::vector<long> items;
        if (c.atoms.empty()) {
            items = {c.wmState, 0};
        }
        for (const char* atom : c.atoms) {
            items.push_back(static_cast<long>(AtomNamed(x, atom)));
        }
        XChangeProperty(x, window, property, c.atoms.empty() ? property : XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(items.data()), static_cast<int>(items.size()));
        XSync(x, False);
    }
    EXPECT_EQ(display->IsMinimized(window), c.minimized);
}

INSTANTIATE_TEST_SUITE_P(
    States, X11MinimizedTest,
    ::testing::Values(
        MinimizedCase{"NoWindowManager", nullptr, {}, 0, false},
        MinimizedCase{"Iconic", "WM_STATE", {}, 3, true}, MinimizedCase{"Normal", "WM_STATE", {}, 1, false},
        MinimizedCase{
            "Hidden", "_NET_WM_STATE", {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_HIDDEN"}, 0, true},
        MinimizedCase{"NotHidden", "_NET_WM_STATE", {"_NET_WM_STATE_SKIP_TASKBAR"}, 0, false}),
    [](const ::testing::TestParamInfo<MinimizedCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------------------
// Dots per inch from the X resources, which are read when the display opens

// Sets the root window's resources for the test's duration and restores what was there.
class ResourcesOverride {
public:
    ResourcesOverride(::Display* x, const std::optional<std::string>& resources)
        : m_x(x), m_saved(ReadProperty(x, DefaultRootWindow(x), XA_RESOURCE_MANAGER))
    {
        Write(resources);
    }
    ResourcesOverride(const ResourcesOverride&) = delete;
    ResourcesOverride& operator=(const ResourcesOverride&) = delete;
    ~ResourcesOverride() { Write(m_saved.type == XA_STRING ? std::optional(m_saved.bytes) : std::nullopt); }

private:
    void Write(const std::optional<std::string>& resources)
    {
        if (resources) {
            XChangeProperty(m_x, DefaultRootWindow(m_x), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(resources->data()),
                            static_cast<int>(resources->size()));
        } else {
            XDeleteProperty(m_x, DefaultRootWindow(m_x), XA_RESOURCE_MANAGER);
        }
        XSync(m_x, False);
    }

    ::Display* m_x;
    Property m_saved;
};

struct DpiCase {
    const char* name;
    std::optional<std::string> resources;
    int dpi;
};
void PrintTo(const DpiCase& c, std::ostream* out)
{
    *out << c.name;
}

class X11DpiTest : public X11DisplayTest, public ::testing::WithParamInterface<DpiCase> {};

TEST_P(X11DpiTest, ComesFromXftDpi)
{
    const ResourcesOverride resources(user.get(), GetParam().resources);
    EXPECT_EQ(X11Display::Open()->Dpi(), GetParam().dpi);
}

INSTANTIATE_TEST_SUITE_P(
    Resources, X11DpiTest,
    ::testing::Values(DpiCase{"NoResources", std::nullopt, 96}, DpiCase{"XftDpi", "Xft.dpi:\t120\n", 120},
                      DpiCase{"AmongOthers", "Xft.antialias:\t1\nXft.dpi:\t143.6\nXft.hinting:\t1\n", 144},
                      DpiCase{"OtherResourcesOnly", "*background:\tgrey\n", 96}),
    [](const ::testing::TestParamInfo<DpiCase>& info) { return std::string(info.param.name); });

// No server needed: the display number is one nobody runs.
TEST(X11DisplayOpen, ThrowsNamingADisplayThatIsNotThere)
{
    try {
        X11Display::Open(":4242");
        FAIL() << "opened a display that does not exist";
    } catch (const std::runtime_error& error) {
        EXPECT_THAT(error.what(), HasSubstr("cannot open display"));
        EXPECT_THAT(error.what(), HasSubstr(":4242"));
    }
}

}  // namespace
