// Moving through the wizard with the mouse and the keyboard: which page shows, which buttons the user
// sees, and where the keyboard focus is.
#include "resources/ResourceIds.h"
#include "tests/wizard/WizardFixture.h"

#include <functional>

namespace wizardtest {
namespace {

constexpr tk::Modifiers kAlt{false, false, true};

TEST_F(WizardTest, OpensCentredOnTheWelcomePageWithEveryPageOverThePageFrame)
{
    display.Then([&] {
        const auto& window = display.Window(display.Waiting());
        EXPECT_EQ(window.description.title, kTitle);
        EXPECT_EQ(window.description.kind, tk::WindowKind::Dialog);
        EXPECT_TRUE(window.description.closeBoxEnabled);
        const tk::Size size = window.description.clientSize;
        EXPECT_EQ(window.description.position.x, (1024 - size.width) / 2);
        EXPECT_EQ(window.description.position.y, (768 - size.height) / 2);
        EXPECT_TRUE(window.shown);

        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_WELCOME);
        EXPECT_EQ(GetButtonState(Wizard(), IDC_BACK).shown, false);
        EXPECT_EQ(GetButtonState(Wizard(), IDCANCEL), (ButtonState{true, true, "&Cancel"}));
        EXPECT_EQ(GetButtonState(Wizard(), IDOK), (ButtonState{true, true, "&Next >"}));
        EXPECT_EQ(FocusId(), IDOK);

        const tk::CWnd* frame = Wizard().GetDlgItem(IDC_PAGE_FRAME);
        ASSERT_NE(frame, nullptr);
        EXPECT_FALSE(frame->IsWindowVisible());
        for (int page = 0; page < PAGE_COUNT; ++page) {
            EXPECT_EQ(Wizard().Page(page)->RectInParent(), frame->RectInParent()) << "page " << page;
        }
    });
    EndFromAnyPage();
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_TRUE(display.ScriptDone());
}

using Steps = std::function<void(tk::HeadlessDisplay&)>;

// Ways to reach each page; the page reached last comes after its name.
void Welcome(tk::HeadlessDisplay& /*display*/) {}
void LicenseDeclined(tk::HeadlessDisplay& display)
{
    display.Click(IDOK);
}
void LicenseAccepted(tk::HeadlessDisplay& display)
{
    display.Click(IDOK).Click(IDC_ACCEPT);
}
void Requirements(tk::HeadlessDisplay& display)
{
    LicenseAccepted(display);
    display.Click(IDOK);
}
void Version(tk::HeadlessDisplay& display)
{
    Requirements(display);
    display.Click(IDOK);
}
void User(tk::HeadlessDisplay& display)
{
    Version(display);
    display.Click(IDOK);
}
void Finish(tk::HeadlessDisplay& display)
{
    User(display);
    display.Click(IDOK);
}
void Error(tk::HeadlessDisplay& display)
{
    ScriptedAide().users.clear();
    Version(display);
    display.Click(IDOK).Answer(IDOK);
}
void Interrupted(tk::HeadlessDisplay& display)
{
    display.Press(Key::Escape).Answer(IDYES);
}

struct NavigationCase {
    const char* name;
    Steps path;
    Steps action;
    int page;
    bool backShown;
    bool cancelShown;
    bool nextShown;
    bool nextEnabled;
    const char* nextLabel;
    int focus;
};

std::ostream& operator<<(std::ostream& out, const NavigationCase& c)
{
    return out << c.name;
}

const Steps kClickNext = [](auto& d) { d.Click(IDOK); };
const Steps kClickBack = [](auto& d) { d.Click(IDC_BACK); };
const Steps kEnter = [](auto& d) { d.Press(Key::Enter); };
const Steps kEsc = [](auto& d) { d.Press(Key::Escape); };
const Steps kClose = [](auto& d) { d.Close(); };
const Steps kAltF4 = [](auto& d) { d.Press(Key::F4, kAlt); };
Steps AltKey(char letter)
{
    return [letter](tk::HeadlessDisplay& d) { d.Alt(letter); };
}
Steps WithAnswer(const Steps& request, int answer)
{
    return [request, answer](tk::HeadlessDisplay& d) {
        request(d);
        d.Answer(answer);
    };
}
const Steps kCancelYes = WithAnswer([](auto& d) { d.Click(IDCANCEL); }, IDYES);
const Steps kCancelNo = WithAnswer([](auto& d) { d.Click(IDCANCEL); }, IDNO);

constexpr const char* kNext = "&Next >";
constexpr const char* kInstall = "&Install";
constexpr const char* kOk = "&Ok";

const NavigationCase kNavigationCases[] = {
    // name, path, action, page, Back, Cancel, Next shown, Next enabled, label, focus
    {"WelcomeClickNext", Welcome, kClickNext, PAGE_LICENSE, true, true, true, false, kNext, IDOK},
    {"WelcomeEnter", Welcome, kEnter, PAGE_LICENSE, true, true, true, false, kNext, IDOK},
    {"WelcomeAltN", Welcome, AltKey('n'), PAGE_LICENSE, true, true, true, false, kNext, IDOK},
    {"WelcomeAltBOnHiddenBack", Welcome, AltKey('b'), PAGE_WELCOME, false, true, true, true, kNext, IDOK},
    {"WelcomeClickHiddenBack", Welcome, kClickBack, PAGE_WELCOME, false, true, true, true, kNext, IDOK},
    {"WelcomeCancelNo", Welcome, kCancelNo, PAGE_WELCOME, false, true, true, true, kNext, IDCANCEL},
    {"WelcomeEscNo", Welcome, WithAnswer(kEsc, IDNO), PAGE_WELCOME, false, true, true, true, kNext, IDOK},
    {"WelcomeAltCYes", Welcome, WithAnswer(AltKey('c'), IDYES), PAGE_INTERRUPTED, false, false, true, true,
     kOk, IDOK},
    {"WelcomeCloseYes", Welcome, WithAnswer(kClose, IDYES), PAGE_INTERRUPTED, false, false, true, true, kOk,
     IDOK},
    {"WelcomeAltF4Yes", Welcome, WithAnswer(kAltF4, IDYES), PAGE_INTERRUPTED, false, false, true, true, kOk,
     IDOK},
    {"LicenseDeclinedEnter", LicenseDeclined, kEnter, PAGE_LICENSE, true, true, true, false, kNext, IDOK},
    {"LicenseDeclinedAltN", LicenseDeclined, AltKey('n'), PAGE_LICENSE, true, true, true, false, kNext, IDOK},
    {"LicenseDeclinedClickNext", LicenseDeclined, kClickNext, PAGE_LICENSE, true, true, true, false, kNext,
     IDOK},
    {"LicenseDeclinedCancelYes", LicenseDeclined, kCancelYes, PAGE_INTERRUPTED, false, false, true, true, kOk,
     IDOK},
    {"LicenseDeclinedCancelNo", LicenseDeclined, kCancelNo, PAGE_LICENSE, true, true, true, false, kNext,
     IDCANCEL},
    // Back hides itself; once the click is handled Next is enabled again and takes the focus.
    {"LicenseDeclinedClickBack", LicenseDeclined, kClickBack, PAGE_WELCOME, false, true, true, true, kNext,
     IDOK},
    {"LicenseAcceptedAltB", LicenseAccepted, AltKey('b'), PAGE_WELCOME, false, true, true, true, kNext, IDOK},
    {"LicenseAcceptedEnter", LicenseAccepted, kEnter, PAGE_REQUIREMENTS, true, true, true, true, kNext, IDOK},
    {"RequirementsClickBack", Requirements, kClickBack, PAGE_LICENSE, true, true, true, true, kNext,
     IDC_BACK},
    {"RequirementsEscNo", Requirements, WithAnswer(kEsc, IDNO), PAGE_REQUIREMENTS, true, true, true, true,
     kNext, IDOK},
    {"RequirementsAltN", Requirements, AltKey('n'), PAGE_VERSION, true, true, true, true, kNext, IDOK},
    {"VersionClickBack", Version, kClickBack, PAGE_REQUIREMENTS, true, true, true, true, kNext, IDC_BACK},
    {"VersionClickNext", Version, kClickNext, PAGE_USER, true, true, true, true, kInstall, IDOK},
    {"VersionCloseNo", Version, WithAnswer(kClose, IDNO), PAGE_VERSION, true, true, true, true, kNext, IDOK},
    {"UserClickBack", User, kClickBack, PAGE_VERSION, true, true, true, true, kNext, IDC_BACK},
    {"UserAltB", User, AltKey('b'), PAGE_VERSION, true, true, true, true, kNext, IDOK},
    {"UserAltF4No", User, WithAnswer(kAltF4, IDNO), PAGE_USER, true, true, true, true, kInstall, IDOK},
    {"UserEscYes", User, WithAnswer(kEsc, IDYES), PAGE_INTERRUPTED, false, false, true, true, kOk, IDOK},
    {"UserClickInstall", User, kClickNext, PAGE_FINISH, false, false, true, true, kOk, IDOK},
    {"UserAltI", User, AltKey('i'), PAGE_FINISH, false, false, true, true, kOk, IDOK},
    {"UserEnter", User, kEnter, PAGE_FINISH, false, false, true, true, kOk, IDOK},
    {"FinishEsc", Finish, kEsc, PAGE_FINISH, false, false, true, true, kOk, IDOK},
    {"FinishClose", Finish, kClose, PAGE_FINISH, false, false, true, true, kOk, IDOK},
    {"FinishAltF4", Finish, kAltF4, PAGE_FINISH, false, false, true, true, kOk, IDOK},
    {"FinishAltB", Finish, AltKey('b'), PAGE_FINISH, false, false, true, true, kOk, IDOK},
    {"ErrorEsc", Error, kEsc, PAGE_ERROR, false, false, true, true, kOk, IDOK},
    {"ErrorClose", Error, kClose, PAGE_ERROR, false, false, true, true, kOk, IDOK},
    {"ErrorAltF4", Error, kAltF4, PAGE_ERROR, false, false, true, true, kOk, IDOK},
    {"ErrorAltC", Error, AltKey('c'), PAGE_ERROR, false, false, true, true, kOk, IDOK},
    {"InterruptedEsc", Interrupted, kEsc, PAGE_INTERRUPTED, false, false, true, true, kOk, IDOK},
    {"InterruptedClose", Interrupted, kClose, PAGE_INTERRUPTED, false, false, true, true, kOk, IDOK},
    {"InterruptedAltF4", Interrupted, kAltF4, PAGE_INTERRUPTED, false, false, true, true, kOk, IDOK},
};

class NavigationTest : public WizardTest, public ::testing::WithParamInterface<NavigationCase> {};

TEST_P(NavigationTest, ActionLeadsToPageWithItsButtonsAndFocus)
{
    const NavigationCase& c = GetParam();
    c.path(display);
    c.action(display);
    display.Then([&] {
        EXPECT_FALSE(BoxIsOpen()) << "a box is still open";
        EXPECT_EQ(CurrentPageIndex(Wizard()), c.page);
        EXPECT_EQ(GetButtonState(Wizard(), IDC_BACK).shown, c.backShown);
        EXPECT_EQ(GetButtonState(Wizard(), IDCANCEL).shown, c.cancelShown);
        EXPECT_EQ(GetButtonState(Wizard(), IDOK), (ButtonState{c.nextShown, c.nextEnabled, c.nextLabel}));
        EXPECT_EQ(FocusId(), c.focus);
    });
    EndFromAnyPage();
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_TRUE(display.ScriptDone());
}

INSTANTIATE_TEST_SUITE_P(Actions, NavigationTest, ::testing::ValuesIn(kNavigationCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WizardTest, CancelBoxAsksYesOrNoAndIgnoresEscAndClose)
{
    LicenseDeclined(display);
    display.Click(IDCANCEL);
    ExpectBox(kConfirmCancelText, {IDYES, IDNO});
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_LICENSE) << "the page stays under the box";
        EXPECT_EQ(display.Window(display.Waiting()).description.closeBoxEnabled, false);
    });
    display.Press(Key::Escape).Close();
    ExpectBox(kConfirmCancelText, {IDYES, IDNO});
    display.Answer(IDNO);
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_LICENSE);
        EXPECT_EQ(GetButtonState(Wizard(), IDOK), (ButtonState{true, false, "&Next >"}));
        EXPECT_TRUE(GetButtonState(Wizard(), IDC_BACK).shown);
        EXPECT_TRUE(GetButtonState(Wizard(), IDCANCEL).shown);
    });
    display.Press(Key::Escape);
    ExpectBox(kConfirmCancelText, {IDYES, IDNO});
    display.Answer(IDYES);
    ExpectPage(PAGE_INTERRUPTED);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_EQ(MessageBoxesShown(), 2);
}

// "&Ok" on a closing page is the only way out, by any of its routes.
class OkEndsTheWizardTest : public WizardTest,
                            public ::testing::WithParamInterface<std::pair<const char*, Steps>> {};

TEST_P(OkEndsTheWizardTest, OnTheInterruptedPage)
{
    Interrupted(display);
    GetParam().second(display);
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_TRUE(display.ScriptDone());
    EXPECT_FALSE(Wizard().IsCreated());
}

INSTANTIATE_TEST_SUITE_P(Routes, OkEndsTheWizardTest,
                         ::testing::Values(std::pair{"Click", kClickNext}, std::pair{"Enter", kEnter},
                                           std::pair{"AltO", AltKey('o')}),
                         [](const auto& info) { return std::string(info.param.first); });

}  // namespace
}  // namespace wizardtest
