#pragma once

#include "toolkit/gfx/Geometry.h"
#include "toolkit/gfx/Surface.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tk {

using NativeWindowId = std::uint32_t;

enum class Key {
    None,
    Character,  // a printable character, in InputEvent::character (letters in lower case)
    Tab,
    Enter,
    Escape,
    Space,
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    F1,
    F4,
};

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    friend bool operator==(const Modifiers&, const Modifiers&) = default;
};

enum class MouseButton { Left, Right, Middle };

struct InputEvent {
    enum class Type {
        KeyDown,
        MouseDown,
        MouseUp,
        MouseMove,
        Wheel,         // wheelSteps > 0 scrolls up, < 0 down
        CloseRequest,  // the caption's close box or the window manager's Close
        Expose,        // the display lost the window's pixels and wants a fresh present
    };

    Type type = Type::KeyDown;
    NativeWindowId window = 0;
    Key key = Key::None;
    char character = 0;
    Modifiers modifiers;
    Point position;  // client pixels of `window`
    MouseButton button = MouseButton::Left;
    int wheelSteps = 0;
};

enum class WindowKind { Dialog, MessageBox };

struct WindowDescription {
    std::string title;
    Size clientSize;
    Point position;  // screen pixels of the client area's top-left corner
    WindowKind kind = WindowKind::Dialog;
    std::optional<NativeWindowId> owner;
    bool closeBoxEnabled = true;
};

// What a modal loop tells the display while it waits: which window it waits in, and how to find a
// control inside it, so that a scripted user can name targets by control id.
struct WaitContext {
    NativeWindowId window = 0;
    std::string windowTitle;
    WindowKind windowKind = WindowKind::Dialog;
    std::function<std::optional<Rect>(int controlId)> locateControl;
};

// A display shows top-level windows and delivers the user's input. The toolkit draws every window into
// a Surface itself; a display only puts that surface on a screen (or keeps it, for tests).
class Display {
public:
    Display() = default;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    virtual ~Display() = default;

    [[nodiscard]] virtual Size ScreenSize() const = 0;
    // Dots per inch of the screen; 96 when the display knows no better.
    [[nodiscard]] virtual int Dpi() const = 0;

    virtual NativeWindowId CreateWindow(const WindowDescription& description) = 0;
    virtual void DestroyWindow(NativeWindowId window) = 0;
    // Maps the window and gives it the keyboard.
    virtual void ShowWindow(NativeWindowId window) = 0;
    virtual void SetTitle(NativeWindowId window, const std::string& title) = 0;
    // Icons carry alpha 0 where they are transparent; either may be empty.
    virtual void SetIcons(NativeWindowId window, const Surface& large, const Surface& small) = 0;
    // Puts the window's whole client area on the screen now, also in the middle of a long handler.
    virtual void Present(NativeWindowId window, const Surface& pixels) = 0;
    [[nodiscard]] virtual bool IsMinimized(NativeWindowId window) const = 0;
    // The client area a minimised window still has to paint its icon in; empty where the display gives a
    // minimised window none.
    [[nodiscard]] virtual Size MinimizedClientSize(NativeWindowId /*window*/) const { return {}; }

    // Blocks until the user does something. A display that can deliver nothing more throws.
    virtual InputEvent WaitEvent(const WaitContext& context) = 0;
};

}  // namespace tk
