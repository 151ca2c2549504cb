// The sample dialog on a real X server ($DISPLAY, e.g. under xvfb-run), driven by real key presses: a
// second client waits until the dialog is on the screen with the keyboard, then types as a person would.

#include "toolkit/Resources.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/display/X11Display.h"
#include "toolkit/sample/SampleDialog.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Xlib last: its macros (None, Status...) would rewrite the toolkit's names.
#include "toolkit/display/x11/XlibResources.h"
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using tk::x11::Connection;

// Xvfb resets itself whenever its last client leaves, and a connection made during the reset fails: one
// connection held for the whole program keeps it up, made with a few tries in case a reset is under way.
Connection Connect()
{
    Connection connection;
    for (int attempt = 0; attempt < 50 && !connection; ++attempt) {
        connection.reset(XOpenDisplay(nullptr));
        if (!connection) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return connection;
}

class ServerKeeper : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") != nullptr) {
            m_connection = Connect();
        }
    }
    void TearDown() override { m_connection.reset(); }

private:
    Connection m_connection;
};

[[maybe_unused]] const ::testing::Environment* const kServerKeeper =
    ::testing::AddGlobalTestEnvironment(new ServerKeeper);

std::string NameOf(::Display* x, Window window)
{
    char* name = nullptr;
    if (window == 0 || XFetchName(x, window, &name) == 0 || name == nullptr) {
        return {};
    }
    std::string result(name);
    XFree(name);
    return result;
}

// Waits, without a fixed pause, until a viewable window called `title` holds the input focus.
bool WaitForFocusedWindow(::Display* x, const std::string& title)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        Window focus = 0;
        int revertTo = 0;
        XGetInputFocus(x, &focus, &revertTo);
        XWindowAttributes attributes{};
        if (focus > PointerRoot && NameOf(x, focus) == title &&
            XGetWindowAttributes(x, focus, &attributes) != 0 && attributes.map_state == IsViewable) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void Press(::Display* x, KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(x, symbol);
    XTestFakeKeyEvent(x, code, True, CurrentTime);
    XTestFakeKeyEvent(x, code, False, CurrentTime);
    XSync(x, False);
}

class SampleSmokeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "no X server: $DISPLAY is not set";
        }
        display = tk::X11Display::Open();
        tk::WindowSystem::Get().SetDisplay(display.get());
        sample::RegisterSampleResources(module);
        tk::AfxSetResourceHandle(&module);
    }
    void TearDown() override
    {
        tk::WindowSystem::Get().SetDisplay(nullptr);
        tk::AfxSetResourceHandle(nullptr);
    }

    std::unique_ptr<tk::X11Display> display;
    tk::ResourceModule module;
};

TEST_F(SampleSmokeTest, RealKeysMoveThroughTheDialogAndEnterAcceptsIt)
{
    sample::CSampleDialog dialog;
    ASSERT_EQ(dialog.m_nColour, 1) << "the sample starts with Green";
    bool sawDialog = false;
    std::thread user([&sawDialog] {
        const Connection x = Connect();
        if (!x) {
            return;
        }
        sawDialog = WaitForFocusedWindow(x.get(), "Toolkit Sample");
        if (!sawDialog) {
            Press(x.get(), XK_Escape);  // whatever did open must not wait for input forever
            return;
        }
        // Tab enters the group on its checked button, Green; Down moves on to Blue and checks it.
        for (const KeySym key : {XK_Tab, XK_Down, XK_Return}) {
            Press(x.get(), key);
        }
    });
    int result = 0;
    std::exception_ptr error;
    try {
        result = dialog.DoModal();
    } catch (...) {
        error = std::current_exception();
    }
    user.join();
    if (error) {
        std::rethrow_exception(error);
    }
    ASSERT_TRUE(sawDialog) << "the dialog never showed with the keyboard focus";
    EXPECT_EQ(result, tk::IDOK);
    EXPECT_EQ(dialog.m_nColour, 2);
    EXPECT_TRUE(tk::WindowSystem::Get().TopLevels().empty());
}

}  // namespace
