// Choosing the HotSync user: the list the aide's users make, the choice the run uses, and the aide's
// failures as the user sees them.
#include "install/UserPage.h"
#include "resources/ResourceIds.h"
#include "tests/wizard/WizardFixture.h"
#include "toolkit/controls/ComboBox.h"

#include <algorithm>

namespace wizardtest {
namespace {

constexpr tk::Modifiers kShift{true, false, false};
constexpr tk::Modifiers kAlt{false, false, true};

class UserPageTest : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        ScriptedAide().users = {"Carol", "Alice", "Bob"};
    }

    tk::CComboBox& List() { return dynamic_cast<CUserPage&>(*Wizard().Page(PAGE_USER)).m_cbUsers; }

    std::vector<std::string> Entries()
    {
        std::vector<std::string> entries;
        for (int i = 0; i < List().GetCount(); ++i) {
            tk::CString text;
            List().GetLBText(i, text);
            entries.push_back(text.Str());
        }
        return entries;
    }

    void WalkToVersionPage() { display.Click(IDOK).Click(IDC_ACCEPT).Click(IDOK).Click(IDOK); }

    // Installs and ends on the finished page; appended when the script gets here, after any steps that
    // earlier steps appended on their own.
    void InstallLater()
    {
        display.Then([this] {
            display.Click(IDOK);
            ExpectPage(PAGE_FINISH);
            display.Click(IDOK);
        });
    }

    bool RunWasFor(const std::string& user)
    {
        const auto& users = ScriptedAide().offeredUsers;
        return users.size() == 53 &&
               std::all_of(users.begin(), users.end(), [&](const auto& u) { return u == user; });
    }
};

TEST_F(UserPageTest, UsersAreListedSortedAndTheFirstIsUsedWithoutTouchingTheList)
{
    WalkToUserPage();
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_USER);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"Alice", "Bob", "Carol"}));
        EXPECT_EQ(ControlText(Wizard(), PAGE_USER, IDC_USER_LIST), "Alice");
    });
    InstallLater();
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_TRUE(RunWasFor("Alice"));
    EXPECT_EQ(ScriptedAide().userCountCalls, 1);
    EXPECT_EQ(ScriptedAide().userNameCalls, 3);
}

struct ChoiceCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const ChoiceCase& c) { return out << c.name; }
    std::function<void(tk::HeadlessDisplay&, tk::CComboBox&)> steps;
    const char* user;
};

// A point on entry `index` of the dropped list, relative to the list control's field.
tk::Point DroppedEntry(const tk::CComboBox& list, int index)
{
    const tk::Rect dropped = list.DroppedListRect();
    const tk::Rect field = list.RectInTopLevel();
    const int entryHeight = (dropped.Height() - 2) / list.GetCount();
    return {field.Width() / 3, dropped.top - field.top + 1 + index * entryHeight + entryHeight / 2};
}

const ChoiceCase kChoiceCases[] = {
    {"ArrowKey", [](auto& d, auto&) { d.Press(Key::Tab, kShift).Press(Key::Down); }, "Bob"},
    {"FirstLetter", [](auto& d, auto&) { d.Press(Key::Tab, kShift).Type('c'); }, "Carol"},
    {"EndKey", [](auto& d, auto&) { d.Press(Key::Tab, kShift).Press(Key::End); }, "Carol"},
    {"DroppedListByKeys",
     [](auto& d, auto&) {
         d.Press(Key::Tab, kShift).Press(Key::Down, kAlt).Press(Key::Down).Press(Key::Enter);
     },
     "Bob"},
    {"DroppedListByMouse",
     [](auto& d, auto& list) {
         d.Click(IDC_USER_LIST).Then([&d, &list] {
             EXPECT_TRUE(list.GetDroppedState());
             const tk::Point carol = DroppedEntry(list, 2);
             d.MouseMove(IDC_USER_LIST, carol).MouseDown(IDC_USER_LIST, carol).MouseUp(IDC_USER_LIST, carol);
         });
     },
     "Carol"},
};

class UserChoiceTest : public UserPageTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(UserChoiceTest, TheRunInstallsForTheChosenUser)
{
    WalkToUserPage();
    GetParam().steps(display, List());
    display.Then([&] {
        display.Then([&] {
            EXPECT_FALSE(List().GetDroppedState());
            EXPECT_EQ(ControlText(Wizard(), PAGE_USER, IDC_USER_LIST), GetParam().user);
            EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_USER) << "choosing did not press Install";
        });
    });
    InstallLater();
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_TRUE(RunWasFor(GetParam().user));
}

INSTANTIATE_TEST_SUITE_P(Ways, UserChoiceTest, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UserPageTest, BackAndNextAgainKeepTheChoiceWithoutAskingTheAideAgain)
{
    WalkToUserPage();
    display.Press(Key::Tab, kShift).Press(Key::Down).Click(IDC_BACK);
    ExpectPage(PAGE_VERSION);
    display.Click(IDOK);
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_USER);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"Alice", "Bob", "Carol"}));
        EXPECT_EQ(ControlText(Wizard(), PAGE_USER, IDC_USER_LIST), "Bob");
        EXPECT_EQ(GetButtonState(Wizard(), IDOK).label, "&Install");
    });
    InstallLater();
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_EQ(ScriptedAide().userCountCalls, 1);
    EXPECT_EQ(ScriptedAide().userNameCalls, 3);
    EXPECT_TRUE(RunWasFor("Bob"));
}

struct ReadFailureCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const ReadFailureCase& c) { return out << c.name; }
    std::vector<std::string> users;
    int failingNameIndex;
    std::string text;
    int nameCalls;
};

const ReadFailureCase kReadFailureCases[] = {
    {"NoUsers", {}, -1, kNoUsersText, 0},
    {"SecondOfThreeNamesUnreadable", {"Carol", "Alice", "Bob"}, 1, kUserReadFailedText, 2},
};

class UserReadFailureTest : public UserPageTest, public ::testing::WithParamInterface<ReadFailureCase> {};

TEST_P(UserReadFailureTest, ErrorBoxOverTheVersionPageThenTheErrorPage)
{
    ScriptedAide().users = GetParam().users;
    ScriptedAide().failingNameIndex = GetParam().failingNameIndex;
    WalkToVersionPage();
    display.Click(IDOK);
    ExpectBox(GetParam().text, {IDOK});
    display.Then([&] { EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_VERSION); });
    display.Answer(IDOK);
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_ERROR);
        EXPECT_EQ(GetButtonState(Wizard(), IDOK), (ButtonState{true, true, "&Ok"}));
        EXPECT_FALSE(GetButtonState(Wizard(), IDC_BACK).shown);
        EXPECT_FALSE(GetButtonState(Wizard(), tk::IDCANCEL).shown);
        EXPECT_EQ(FocusId(), IDOK);
    });
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_EQ(ScriptedAide().userCountCalls, 1);
    EXPECT_EQ(ScriptedAide().userNameCalls, GetParam().nameCalls);
    EXPECT_TRUE(ScriptedAide().offered.empty());
    EXPECT_EQ(MessageBoxesShown(), 1);
}

INSTANTIATE_TEST_SUITE_P(Failures, UserReadFailureTest, ::testing::ValuesIn(kReadFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UserPageTest, NameWithoutNulInTheBufferEndsAtTheBuffersEnd)
{
    const std::string tooLong(300, 'A');
    ScriptedAide().users = {"Bob", tooLong};
    WalkToUserPage();
    display.Then([&] {
        EXPECT_EQ(Entries(), (std::vector<std::string>{std::string(250, 'A'), "Bob"}));
        EXPECT_EQ(ControlText(Wizard(), PAGE_USER, IDC_USER_LIST), std::string(250, 'A'));
    });
    InstallLater();
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_TRUE(RunWasFor(std::string(250, 'A')));
}

}  // namespace
}  // namespace wizardtest
