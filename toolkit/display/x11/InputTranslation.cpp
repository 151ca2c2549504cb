#include "toolkit/display/x11/InputTranslation.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace tk::x11 {

namespace {

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

}  // namespace

Modifiers ModifiersOf(unsigned int state)
{
    return {(state & ShiftMask) != 0, (state & ControlMask) != 0, (state & Mod1Mask) != 0};
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
    return std::nullopt;
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

}  // namespace tk::x11
