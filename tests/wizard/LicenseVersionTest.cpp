// The licence agreement page and the choice of build, as the user meets them.
#include "resources/ResourceIds.h"
#include "tests/wizard/WizardFixture.h"

#include <span>

namespace wizardtest {
namespace {

constexpr tk::Modifiers kShift{true, false, false};

struct Choice {
    bool accepted;
    bool nextEnabled;
    friend bool operator==(const Choice&, const Choice&) = default;
};

std::ostream& operator<<(std::ostream& out, const Choice& choice)
{
    return out << "{accept " << (choice.accepted ? "checked" : "unchecked") << ", Next "
               << (choice.nextEnabled ? "enabled" : "disabled") << "}";
}

class LicenseTest : public WizardTest {
protected:
    void RecordChoice(std::vector<Choice>& seen)
    {
        display.Then([this, &seen] {
            EXPECT_NE(IsChecked(Wizard(), PAGE_LICENSE, IDC_ACCEPT),
                      IsChecked(Wizard(), PAGE_LICENSE, IDC_DECLINE));
            seen.push_back(
                {IsChecked(Wizard(), PAGE_LICENSE, IDC_ACCEPT), GetButtonState(Wizard(), IDOK).enabled});
        });
    }

    std::string ResourceText() const
    {
        const auto bytes = module.FindBinary(RT_LICENSE, IDR_LICENSE);
        const std::string all(bytes->begin(), bytes->end());
        return all.substr(0, all.find('\0'));
    }
};

TEST_F(LicenseTest, NextFollowsTheAcceptanceAtOnceByMouseMnemonicAndArrowKeys)
{
    std::vector<Choice> seen;
    display.Click(IDOK);
    RecordChoice(seen);
    display.Click(IDC_ACCEPT);
    RecordChoice(seen);
    display.Click(IDC_DECLINE);
    RecordChoice(seen);
    display.Alt('a');
    RecordChoice(seen);
    display.Alt('d');
    RecordChoice(seen);
    display.Press(Key::Up);
    RecordChoice(seen);
    display.Press(Key::Down);
    RecordChoice(seen);
    display.Press(Key::Left);
    RecordChoice(seen);
    EndFromAnyPage();
    Wizard().DoModal();

    EXPECT_EQ(seen, (std::vector<Choice>{{false, false},
                                         {true, true},
                                         {false, false},
                                         {true, true},
                                         {false, false},
                                         {true, true},
                                         {false, false},
                                         {true, true}}));
}

TEST_F(LicenseTest, AcceptanceSurvivesBackAndNext)
{
    std::vector<Choice> seen;
    display.Click(IDOK).Alt('a').Click(IDOK).Click(IDC_BACK);
    RecordChoice(seen);
    display.Click(IDC_BACK).Click(IDOK);
    RecordChoice(seen);
    display.Click(IDOK);
    ExpectPage(PAGE_REQUIREMENTS);
    EndFromAnyPage();
    Wizard().DoModal();

    EXPECT_EQ(seen, (std::vector<Choice>{{true, true}, {true, true}}));
}

TEST_F(LicenseTest, TextBoxShowsTheWholeAgreementKeepsEnterAndPassesEsc)
{
    display.Click(IDOK).Click(IDC_ACCEPT).Press(Key::Tab, kShift);
    display.Then([&] {
        EXPECT_EQ(FocusId(), IDC_LICENSE_TEXT);
        EXPECT_EQ(ControlText(Wizard(), PAGE_LICENSE, IDC_LICENSE_TEXT), ResourceText());
    });
    display.Press(Key::Enter);
    display.Then([&] {
        EXPECT_FALSE(BoxIsOpen());
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_LICENSE) << "Enter stayed in the text box";
        EXPECT_EQ(ControlText(Wizard(), PAGE_LICENSE, IDC_LICENSE_TEXT), ResourceText()) << "read-only";
    });
    display.Press(Key::Escape);
    ExpectBox(kConfirmCancelText, {tk::IDYES, IDNO});
    display.Answer(IDNO);
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_LICENSE);
        EXPECT_EQ(FocusId(), IDC_LICENSE_TEXT);
    });
    // Storing the page on the way out leaves the text as it was.
    display.Click(IDOK).Click(IDC_BACK);
    display.Then([&] { EXPECT_EQ(ControlText(Wizard(), PAGE_LICENSE, IDC_LICENSE_TEXT), ResourceText()); });
    EndFromAnyPage();
    Wizard().DoModal();

    EXPECT_GT(ResourceText().size(), 8000U) << "the agreement supplied with the product";
    EXPECT_NE(ResourceText().find("\r\n\r\n"), std::string::npos);
}

TEST_F(LicenseTest, MissingAgreementStopsOnTheWelcomePageWithTheInternalError)
{
    module.RemoveBinary(RT_LICENSE, IDR_LICENSE);
    display.Click(IDOK);
    ExpectBox(kInternalErrorText, {IDOK});
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_WELCOME)
            << "the box stands over the page it was raised on";
        EXPECT_FALSE(GetButtonState(Wizard(), IDC_BACK).shown);
    });
    display.Answer(IDOK);
    display.Then([&] {
        EXPECT_FALSE(BoxIsOpen());
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_ERROR);
        EXPECT_FALSE(GetButtonState(Wizard(), IDC_BACK).shown);
        EXPECT_FALSE(GetButtonState(Wizard(), IDCANCEL).shown);
        EXPECT_EQ(GetButtonState(Wizard(), IDOK), (ButtonState{true, true, "&Ok"}));
        EXPECT_EQ(FocusId(), IDOK);
    });
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    EXPECT_EQ(MessageBoxesShown(), 1);
}

// An agreement resource in an unusual shape still gives a usable page.
struct AgreementCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const AgreementCase& c) { return out << c.name; }
    std::span<const unsigned char> bytes;
    std::string shown;
};

// The bytes after the resource's end must never show: a reader that looks for a NUL would find this tail.
constexpr unsigned char kWithoutNul[] =
    "First paragraph.\r\n\r\nSecond paragraph.\r\n|not part of the resource";
constexpr std::size_t kWithoutNulSize = sizeof "First paragraph.\r\n\r\nSecond paragraph.\r\n" - 1;
constexpr unsigned char kEmpty[] = {'\0', 'x', 'y', '\0'};

const AgreementCase kAgreementCases[] = {
    {"WithoutNul", std::span(kWithoutNul, kWithoutNulSize), "First paragraph.\r\n\r\nSecond paragraph.\r\n"},
    {"EmptyText", std::span(kEmpty), ""},
};

class AgreementShapeTest : public LicenseTest, public ::testing::WithParamInterface<AgreementCase> {};

TEST_P(AgreementShapeTest, CountsAsLoadedAndAcceptanceWorks)
{
    module.AddBinary(RT_LICENSE, IDR_LICENSE, GetParam().bytes);
    display.Click(IDOK);
    display.Then([&] {
        EXPECT_FALSE(BoxIsOpen());
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_LICENSE);
        EXPECT_EQ(ControlText(Wizard(), PAGE_LICENSE, IDC_LICENSE_TEXT), GetParam().shown);
    });
    display.Click(IDC_ACCEPT).Click(IDOK);
    ExpectPage(PAGE_REQUIREMENTS);
    EndFromAnyPage();
    Wizard().DoModal();
    EXPECT_EQ(MessageBoxesShown(), 1) << "only the cancel box that ended the test";
}

INSTANTIATE_TEST_SUITE_P(Shapes, AgreementShapeTest, ::testing::ValuesIn(kAgreementCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The build the run installs is the one checked when Next last left the version page.
struct VersionCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const VersionCase& c) { return out << c.name; }
    std::function<void(tk::HeadlessDisplay&, const CSetupWizardDlg&)> steps;
    const char* firstFile;
};

void ExpectGrayscaleChecked(tk::HeadlessDisplay& display, const CSetupWizardDlg& wizard)
{
    display.Then([&wizard] {
        EXPECT_EQ(CurrentPageIndex(wizard), PAGE_VERSION);
        EXPECT_TRUE(IsChecked(wizard, PAGE_VERSION, IDC_GRAYSCALE));
        EXPECT_FALSE(IsChecked(wizard, PAGE_VERSION, IDC_COLOR));
    });
}

const VersionCase kVersionCases[] = {
    {"Untouched", [](auto&, const auto&) {}, "OlvexRemoteC.prc"},
    {"GrayscaleClicked", [](auto& d, const auto&) { d.Click(IDC_GRAYSCALE); }, "OlvexRemoteGray.prc"},
    {"GrayscaleByMnemonic", [](auto& d, const auto&) { d.Alt('g'); }, "OlvexRemoteGray.prc"},
    {"GrayscaleByArrowKey", [](auto& d, const auto&) { d.Click(IDC_COLOR).Press(Key::Down); },
     "OlvexRemoteGray.prc"},
    {"GrayscaleThenColour", [](auto& d, const auto&) { d.Click(IDC_GRAYSCALE).Click(IDC_COLOR); },
     "OlvexRemoteC.prc"},
    {"GrayscaleSurvivesBackAndNext",
     [](auto& d, const auto& w) {
         d.Click(IDC_GRAYSCALE).Click(IDC_BACK).Click(IDOK);
         ExpectGrayscaleChecked(d, w);
     },
     "OlvexRemoteGray.prc"},
    {"ColourChosenAgainAfterVisitingTheUserPage",
     [](auto& d, const auto& w) {
         d.Click(IDC_GRAYSCALE).Click(IDOK).Click(IDC_BACK);
         ExpectGrayscaleChecked(d, w);
         d.Click(IDC_COLOR);
     },
     "OlvexRemoteC.prc"},
};

class VersionTest : public WizardTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionTest, RunOffersTheChosenBuildFirst)
{
    display.Click(IDOK).Click(IDC_ACCEPT).Click(IDOK).Click(IDOK);
    display.Then([&] {
        EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_VERSION);
        EXPECT_TRUE(IsChecked(Wizard(), PAGE_VERSION, IDC_COLOR)) << "colour is checked on arrival";
        EXPECT_FALSE(IsChecked(Wizard(), PAGE_VERSION, IDC_GRAYSCALE));
    });
    GetParam().steps(display, Wizard());
    display.Then([&] { display.Click(IDOK).Click(IDOK).Click(IDOK); });
    EXPECT_EQ(Wizard().DoModal(), IDOK);
    ASSERT_FALSE(ScriptedAide().offered.empty());
    EXPECT_EQ(ScriptedAide().offered.front(), GetParam().firstFile);
    EXPECT_EQ(ScriptedAide().offered, ExpectedOffers(GetParam().firstFile));
}

INSTANTIATE_TEST_SUITE_P(Choices, VersionTest, ::testing::ValuesIn(kVersionCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wizardtest
