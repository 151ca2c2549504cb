// The installation run against a scripted install aide: what is offered, in which order, what the user
// sees meanwhile, and where each prompt leads.
#include "install/InstallList.h"
#include "install/ProgressPage.h"
#include "resources/ResourceIds.h"
#include "tests/wizard/WizardFixture.h"

#include <algorithm>

namespace wizardtest {
namespace {

const std::string kFirst = "OlvexRemoteC.prc";

std::string Slot(std::size_t slot)
{
    return slot == 0 ? kFirst : olvex::g_installFiles[slot];
}

// The offers of a run that stops after `slot`.
std::vector<std::string> OffersUpTo(std::size_t slot)
{
    auto all = ExpectedOffers(kFirst.c_str());
    all.resize(slot + 1);
    return all;
}

class InstallRunTest : public WizardTest {
protected:
    CProgressPage& Progress() { return dynamic_cast<CProgressPage&>(*Wizard().Page(PAGE_PROGRESS)); }

    void ExpectClosingPage(int page)
    {
        display.Then([this, page] {
            EXPECT_FALSE(BoxIsOpen());
            EXPECT_EQ(CurrentPageIndex(Wizard()), page);
            EXPECT_EQ(GetButtonState(Wizard(), IDOK), (ButtonState{true, true, "&Ok"}));
            EXPECT_FALSE(GetButtonState(Wizard(), IDC_BACK).shown);
            EXPECT_FALSE(GetButtonState(Wizard(), IDCANCEL).shown);
            EXPECT_EQ(FocusId(), IDOK);
        });
    }

    void ExpectOverProgressPage()
    {
        display.Then([this] {
            EXPECT_EQ(CurrentPageIndex(Wizard()), PAGE_PROGRESS);
            EXPECT_FALSE(GetButtonState(Wizard(), IDOK).shown);
            EXPECT_FALSE(GetButtonState(Wizard(), IDC_BACK).shown);
            EXPECT_FALSE(GetButtonState(Wizard(), IDCANCEL).shown);
        });
    }
};

struct Moment {
    std::string file;
    int page;
    int barPosition;
    std::string status;
    int presents;
    bool buttonsHidden;
};

TEST_F(InstallRunTest, EmptyFolderGetsEveryFileInListOrderWithTheProgressShown)
{
    std::vector<Moment> moments;
    ScriptedAide().onInstall = [&](const std::string& file) {
        moments.push_back({file, CurrentPageIndex(Wizard()), Progress().m_progress.GetPos(),
                           ControlText(Wizard(), PAGE_PROGRESS, IDC_STATUS), display.PresentCount(),
                           !GetButtonState(Wizard(), IDOK).shown &&
                               !GetButtonState(Wizard(), IDC_BACK).shown &&
                               !GetButtonState(Wizard(), IDCANCEL).shown});
    };
    WalkToUserPage();
    display.Click(IDOK);
    ExpectClosingPage(PAGE_FINISH);
    display.Then([&] {
        EXPECT_EQ(ControlText(Wizard(), PAGE_PROGRESS, IDC_STATUS), "Installing file: " + Slot(52));
        EXPECT_EQ(Progress().m_progress.GetPos(), 53);
        int lower = -1;
        int upper = -1;
        Progress().m_progress.GetRange(lower, upper);
        EXPECT_EQ(lower, 0);
        EXPECT_EQ(upper, 53);
    });
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);

    EXPECT_EQ(ScriptedAide().offered, ExpectedOffers(kFirst.c_str()));
    EXPECT_TRUE(ScriptedAide().cleared.empty());
    EXPECT_EQ(MessageBoxesShown(), 0);
    ASSERT_EQ(moments.size(), 53U);
    for (std::size_t k = 0; k < moments.size(); ++k) {
        SCOPED_TRACE(moments[k].file);
        EXPECT_EQ(moments[k].page, PAGE_PROGRESS);
        EXPECT_TRUE(moments[k].buttonsHidden);
        EXPECT_EQ(moments[k].barPosition, static_cast<int>(k) + 1);
        EXPECT_EQ(moments[k].status, "Installing file: " + moments[k].file);
        if (k > 0) {
            EXPECT_GT(moments[k].presents, moments[k - 1].presents)
                << "the new file's name reached the screen";
        }
    }
}

TEST_F(InstallRunTest, ExistingFilesAreOverwrittenAfterOnePrompt)
{
    for (const std::size_t slot : {3U, 10U, 52U}) {
        ScriptedAide().installAnswers[Slot(slot)] = {olvex::INSTALL_FILE_EXISTS};
    }
    WalkToUserPage();
    display.Click(IDOK);
    ExpectBox(kFilesExistText, {IDOK, IDCANCEL});
    ExpectOverProgressPage();
    display.Answer(IDOK);
    ExpectClosingPage(PAGE_FINISH);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);

    EXPECT_EQ(MessageBoxesShown(), 1);
    EXPECT_EQ(ScriptedAide().cleared, (std::vector<std::string>{Slot(3), Slot(10), Slot(52)}));
    auto expected = ExpectedOffers(kFirst.c_str());
    for (const std::size_t slot : {52U, 10U, 3U}) {
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(slot) + 1, Slot(slot));
    }
    EXPECT_EQ(ScriptedAide().offered, expected);
}

struct StopCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const StopCase& c) { return out << c.name; }
    std::function<void(tk::HeadlessDisplay&)> refusal;
};

const StopCase kStopCases[] = {
    {"CancelButton", [](auto& d) { d.Answer(IDCANCEL); }},
    {"EscKey", [](auto& d) { d.Press(Key::Escape); }},
    {"CloseBox", [](auto& d) { d.Close(); }},
};

class OverwriteRefusedTest : public InstallRunTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(OverwriteRefusedTest, EndsOnTheInterruptedPageWithoutAnErrorBox)
{
    ScriptedAide().installAnswers[Slot(5)] = {olvex::INSTALL_FILE_EXISTS};
    WalkToUserPage();
    display.Click(IDOK);
    ExpectBox(kFilesExistText, {IDOK, IDCANCEL});
    GetParam().refusal(display);
    ExpectClosingPage(PAGE_INTERRUPTED);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);

    EXPECT_EQ(MessageBoxesShown(), 1);
    EXPECT_EQ(ScriptedAide().offered, OffersUpTo(5));
    EXPECT_TRUE(ScriptedAide().cleared.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, OverwriteRefusedTest, ::testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const RefusedCase& c) { return out << c.name; }
    int answer;
    int page;
    std::size_t offers;
};

const RefusedCase kRefusedCases[] = {
    {"YesSkipsTheFile", IDYES, PAGE_FINISH, 53},
    {"NoStopsTheRun", IDNO, PAGE_INTERRUPTED, 21},
};

class RefusedFileTest : public InstallRunTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFileTest, FailureBoxNamesTheFile)
{
    ScriptedAide().installAnswers[Slot(20)] = {-1};
    WalkToUserPage();
    display.Click(IDOK);
    ExpectBox(FileFailedText(Slot(20)), {IDYES, IDNO});
    ExpectOverProgressPage();
    display.Answer(GetParam().answer);
    ExpectClosingPage(GetParam().page);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);

    EXPECT_EQ(MessageBoxesShown(), 1);
    EXPECT_EQ(ScriptedAide().offered, OffersUpTo(GetParam().offers - 1));
}

INSTANTIATE_TEST_SUITE_P(Answers, RefusedFileTest, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallRunTest, EveryRefusedFileGetsItsOwnBox)
{
    const std::vector<std::size_t> refused{0, 25, 52};
    ScriptedAide().installAnswers[Slot(0)] = {-1};
    ScriptedAide().installAnswers[Slot(25)] = {-4};
    ScriptedAide().installAnswers[Slot(52)] = {-5};
    WalkToUserPage();
    display.Click(IDOK);
    for (const std::size_t slot : refused) {
        ExpectBox(FileFailedText(Slot(slot)), {IDYES, IDNO});
        display.Answer(IDYES);
    }
    ExpectClosingPage(PAGE_FINISH);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);

    EXPECT_EQ(MessageBoxesShown(), 3);
    EXPECT_EQ(ScriptedAide().offered, ExpectedOffers(kFirst.c_str()));
}

struct InTheWayCase {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const InTheWayCase& c) { return out << c.name; }
    std::deque<int> answers;
    std::size_t clears;
};

const InTheWayCase kInTheWayCases[] = {
    {"ExistsAfterEveryClear", {-512, -512, -512, -512, -512, -512}, 3},
    {"RefusedAfterTheClear", {-512, -3}, 1},
};

class FileInTheWayTest : public InstallRunTest, public ::testing::WithParamInterface<InTheWayCase> {};

TEST_P(FileInTheWayTest, ClearsAFewTimesThenAsksWhetherToGoOn)
{
    ScriptedAide().installAnswers[Slot(7)] = GetParam().answers;
    WalkToUserPage();
    display.Click(IDOK);
    ExpectBox(kFilesExistText, {IDOK, IDCANCEL});
    display.Answer(IDOK);
    ExpectBox(FileFailedText(Slot(7)), {IDYES, IDNO});
    display.Answer(IDYES);
    ExpectClosingPage(PAGE_FINISH);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);

    EXPECT_EQ(MessageBoxesShown(), 2);
    EXPECT_EQ(ScriptedAide().cleared, std::vector<std::string>(GetParam().clears, Slot(7)));
    const auto& offered = ScriptedAide().offered;
    EXPECT_EQ(std::count(offered.begin(), offered.end(), Slot(7)), static_cast<long>(GetParam().clears) + 1);
    EXPECT_EQ(offered.size(), 53 + GetParam().clears);
}

INSTANTIATE_TEST_SUITE_P(Aides, FileInTheWayTest, ::testing::ValuesIn(kInTheWayCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallRunTest, UnexpectedFailureInAnAideCallShowsTheInternalErrorThenTheErrorPage)
{
    ScriptedAide().throwOnFile = Slot(12);
    WalkToUserPage();
    display.Click(IDOK);
    ExpectBox(kInternalErrorText, {IDOK});
    display.Answer(IDOK);
    ExpectClosingPage(PAGE_ERROR);
    display.Click(IDOK);
    EXPECT_EQ(Wizard().DoModal(), IDOK);

    EXPECT_EQ(MessageBoxesShown(), 1);
    EXPECT_EQ(ScriptedAide().offered, OffersUpTo(12));
}

}  // namespace
}  // namespace wizardtest
