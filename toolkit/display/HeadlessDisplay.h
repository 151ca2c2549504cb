#pragma once

#include "toolkit/display/Display.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk {

// A modal loop waited for input after the script had none left; the message names the window.
class ScriptExhausted : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A display without a screen, for tests: a scripted user feeds the input, and every window's last
// presented frame is kept for inspection or a PNG snapshot. Scripted steps name their targets (a
// control id, a message box's button); they reach the toolkit as the same events a screen would send.
class HeadlessDisplay final : public Display {
public:
    struct WindowRecord {
        WindowDescription description;
        bool shown = false;
        bool destroyed = false;
        bool minimized = false;
        Size minimizedClientSize;
        Surface frame;
        int presents = 0;
        Surface largeIcon;
        Surface smallIcon;
    };

    explicit HeadlessDisplay(Size screen = {1024, 768}, int dpi = 96);

    // Script steps, taken in order, each when a modal loop next waits for input.
    HeadlessDisplay& Press(Key key, Modifiers modifiers = {});
    HeadlessDisplay& Type(char character, Modifiers modifiers = {});
    HeadlessDisplay& Alt(char letter);
    HeadlessDisplay& Click(int controlId);  // press and release in the middle of the control
    HeadlessDisplay& MouseDown(int controlId, Point offset);
    HeadlessDisplay& MouseMove(int controlId, Point offset);
    HeadlessDisplay& MouseUp(int controlId, Point offset);
    HeadlessDisplay& Wheel(int steps);
    HeadlessDisplay& Close();                    // the close box of the window waited in
    HeadlessDisplay& Answer(int buttonId);       // a message box must be waiting: press that button
    HeadlessDisplay& Minimize(Size clientSize);  // the window waited in becomes minimised
    HeadlessDisplay& Restore();
    HeadlessDisplay& Then(std::function<void()> check);  // runs test code while the loop waits

    [[nodiscard]] bool ScriptDone() const { return m_script.empty() && m_pending.empty(); }
    [[nodiscard]] const WindowRecord& Window(NativeWindowId id) const;
    [[nodiscard]] const std::map<NativeWindowId, WindowRecord>& Windows() const { return m_windows; }
    // The window the latest modal loop waited in.
    [[nodiscard]] NativeWindowId Waiting() const { return m_waiting; }
    [[nodiscard]] int PresentCount() const { return m_presents; }
    void SetDpi(int dpi) { m_dpi = dpi; }

    [[nodiscard]] Size ScreenSize() const override { return m_screen; }
    [[nodiscard]] int Dpi() const override { return m_dpi; }
    NativeWindowId CreateWindow(const WindowDescription& description) override;
    void DestroyWindow(NativeWindowId window) override;
    void ShowWindow(NativeWindowId window) override;
    void SetTitle(NativeWindowId window, const std::string& title) override;
    void SetIcons(NativeWindowId window, const Surface& large, const Surface& small) override;
    void Present(NativeWindowId window, const Surface& pixels) override;
    [[nodiscard]] bool IsMinimized(NativeWindowId window) const override;
    [[nodiscard]] Size MinimizedClientSize(NativeWindowId window) const override;
    InputEvent WaitEvent(const WaitContext& context) override;

private:
    struct Step {
        enum class Kind { Event, ClickControl, MouseControl, Close, Answer, Minimize, Restore, Check };
        Kind kind = Kind::Event;
        InputEvent event;
        int controlId = 0;
        Point offset;
        Size size;
        std::function<void()> check;
    };

    Point ControlPoint(const WaitContext& context, int controlId, std::optional<Point> offset) const;

    Size m_screen;
    int m_dpi;
    NativeWindowId m_nextId = 1;
    NativeWindowId m_waiting = 0;
    int m_presents = 0;
    std::map<NativeWindowId, WindowRecord> m_windows;
    std::deque<Step> m_script;
    std::deque<InputEvent> m_pending;
};

}  // namespace tk
