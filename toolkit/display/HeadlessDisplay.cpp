#include "toolkit/display/HeadlessDisplay.h"

namespace tk {

HeadlessDisplay::HeadlessDisplay(Size screen, int dpi) : m_screen(screen), m_dpi(dpi) {}

HeadlessDisplay& HeadlessDisplay::Press(Key key, Modifiers modifiers)
{
    Step step;
    step.event.type = InputEvent::Type::KeyDown;
    step.event.key = key;
    step.event.modifiers = modifiers;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Type(char character, Modifiers modifiers)
{
    Step step;
    step.event.type = InputEvent::Type::KeyDown;
    step.event.key = Key::Character;
    step.event.character = character;
    step.event.modifiers = modifiers;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Alt(char letter)
{
    return Type(letter, Modifiers{false, false, true});
}

HeadlessDisplay& HeadlessDisplay::Click(int controlId)
{
    Step step;
    step.kind = Step::Kind::ClickControl;
    step.controlId = controlId;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::MouseDown(int controlId, Point offset)
{
    Step step;
    step.kind = Step::Kind::MouseControl;
    step.event.type = InputEvent::Type::MouseDown;
    step.controlId = controlId;
    step.offset = offset;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::MouseMove(int controlId, Point offset)
{
    MouseDown(controlId, offset);
    m_script.back().event.type = InputEvent::Type::MouseMove;
    return *this;
}

HeadlessDisplay& HeadlessDisplay::MouseUp(int controlId, Point offset)
{
    MouseDown(controlId, offset);
    m_script.back().event.type = InputEvent::Type::MouseUp;
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Wheel(int steps)
{
    Step step;
    step.event.type = InputEvent::Type::Wheel;
    step.event.wheelSteps = steps;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Close()
{
    Step step;
    step.kind = Step::Kind::Close;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Answer(int buttonId)
{
    Step step;
    step.kind = Step::Kind::Answer;
    step.controlId = buttonId;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Minimize(Size clientSize)
{
    Step step;
    step.kind = Step::Kind::Minimize;
    step.size = clientSize;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Restore()
{
    Step step;
    step.kind = Step::Kind::Restore;
    m_script.push_back(std::move(step));
    return *this;
}

HeadlessDisplay& HeadlessDisplay::Then(std::function<void()> check)
{
    Step step;
    step.kind = Step::Kind::Check;
    step.check = std::move(check);
    m_script.push_back(std::move(step));
    return *this;
}

const HeadlessDisplay::WindowRecord& HeadlessDisplay::Window(NativeWindowId id) const
{
    auto it = m_windows.find(id);
    if (it == m_windows.end()) {
        throw std::out_of_range("no window " + std::to_string(id));
    }
    return it->second;
}

NativeWindowId HeadlessDisplay::CreateWindow(const WindowDescription& description)
{
    const NativeWindowId id = m_nextId++;
    m_windows[id].description = description;
    return id;
}

void HeadlessDisplay::DestroyWindow(NativeWindowId window)
{
    m_windows[window].destroyed = true;
    m_windows[window].shown = false;
}

void HeadlessDisplay::ShowWindow(NativeWindowId window)
{
    m_windows[window].shown = true;
}

void HeadlessDisplay::SetTitle(NativeWindowId window, const std::string& title)
{
    m_windows[window].description.title = title;
}

void HeadlessDisplay::SetIcons(NativeWindowId window, const Surface& large, const Surface& small)
{
    m_windows[window].largeIcon = large;
    m_windows[window].smallIcon = small;
}

void HeadlessDisplay::Present(NativeWindowId window, const Surface& pixels)
{
    WindowRecord& record = m_windows[window];
    record.frame = pixels;
    ++record.presents;
    ++m_presents;
}

bool HeadlessDisplay::IsMinimized(NativeWindowId window) const
{
    auto it = m_windows.find(window);
    return it != m_windows.end() && it->second.minimized;
}

Size HeadlessDisplay::MinimizedClientSize(NativeWindowId window) const
{
    auto it = m_windows.find(window);
    return it != m_windows.end() && it->second.minimized ? it->second.minimizedClientSize : Size{};
}

Point HeadlessDisplay::ControlPoint(const WaitContext& context, int controlId,
                                    std::optional<Point> offset) const
{
    const std::optional<Rect> rect = context.locateControl ? context.locateControl(controlId) : std::nullopt;
    if (!rect) {
        throw std::runtime_error("the script names control " + std::to_string(controlId) +
                                 ", which window '" + context.windowTitle + "' does not have");
    }
    if (offset) {
        return {rect->left + offset->x, rect->top + offset->y};
    }
    return rect->Center();
}

InputEvent HeadlessDisplay::WaitEvent(const WaitContext& context)
{
    m_waiting = context.window;
    while (true) {
        if (!m_pending.empty()) {
            InputEvent event = m_pending.front();
            m_pending.pop_front();
            return event;
        }
        if (m_script.empty()) {
            throw ScriptExhausted("scripted input ran out while waiting in window '" + context.windowTitle +
                                  "'");
        }
        Step step = std::move(m_script.front());
        m_script.pop_front();
        InputEvent event = step.event;
        event.window = context.window;
        switch (step.kind) {
        case Step::Kind::Event:
            return event;
        case Step::Kind::Check:
            step.check();
            continue;
        case Step::Kind::Close:
            event.type = InputEvent::Type::CloseRequest;
            if (!m_windows[context.window].description.closeBoxEnabled) {
                continue;  // a close box that is greyed out does nothing
            }
            return event;
        case Step::Kind::Answer:
            if (context.windowKind != WindowKind::MessageBox) {
                throw std::runtime_error(
                    "the script answers a message box, but the program waits in window '" +
                    context.windowTitle + "'");
            }
            [[fallthrough]];
        case Step::Kind::ClickControl: {
            event.position = ControlPoint(context, step.controlId, std::nullopt);
            event.type = InputEvent::Type::MouseDown;
            InputEvent release = event;
            release.type = InputEvent::Type::MouseUp;
            m_pending.push_back(release);
            return event;
        }
        case Step::Kind::MouseControl:
            event.position = ControlPoint(context, step.controlId, step.offset);
            return event;
        case Step::Kind::Minimize:
        case Step::Kind::Restore: {
            WindowRecord& record = m_windows[context.window];
            record.minimized = step.kind == Step::Kind::Minimize;
            record.minimizedClientSize = step.size;
            event.type = InputEvent::Type::Expose;
            return event;
        }
        }
    }
}

}  // namespace tk
