// The whole setup, started as the program starts it, against the real install aide over a temporary
// HotSync store: what lands in the user's install folder.
#include "hotsync/UserStore.h"
#include "install/AideConnection.h"
#include "resources/ResourceIds.h"
#include "shell/SetupApp.h"
#include "tests/hotsync/TestSupport.h"
#include "tests/wizard/WizardFixture.h"

#include <algorithm>

namespace wizardtest {
namespace {

using hotsync::test::FolderEntries;
using hotsync::test::PayloadFile;
using hotsync::test::ReadBytes;
namespace fs = std::filesystem;

enum class Build { Colour, Grayscale };

class EndToEndTest : public testsupport::HeadlessFixture {
protected:
    void SetUp() override
    {
        HeadlessFixture::SetUp();
        m_previousAide = olvex::CurrentInstallAide();
    }
    void TearDown() override
    {
        // The setup's aide went away with InitInstance; nothing may call into it any more.
        olvex::UseInstallAide(m_previousAide);
        HeadlessFixture::TearDown();
    }

    static CSetupWizardDlg& RunningWizard()
    {
        return dynamic_cast<CSetupWizardDlg&>(*tk::WindowSystem::Get().TopLevels().front());
    }

    // The whole wizard by mouse and keyboard, up to the press of "&Install".
    void WalkToInstall(Build build, const std::string& user)
    {
        display.Press(Key::Enter).Alt('a').Click(IDOK).Alt('n');
        if (build == Build::Grayscale) {
            display.Click(IDC_GRAYSCALE);
        }
        display.Press(Key::Enter);
        display.Then([user] {
            EXPECT_EQ(CurrentPageIndex(RunningWizard()), PAGE_USER);
            EXPECT_EQ(ControlText(RunningWizard(), PAGE_USER, IDC_USER_LIST), user);
        });
        display.Alt('i');
    }

    void EndOnTheFinishedPage()
    {
        display.Then([] {
            EXPECT_EQ(CurrentPageIndex(RunningWizard()), PAGE_FINISH);
            EXPECT_EQ(FocusId(), IDOK);
        });
        display.Click(IDOK);
    }

    void RunSetup()
    {
        CSetupApp app;
        EXPECT_FALSE(app.InitInstance());
        EXPECT_TRUE(display.ScriptDone());
        EXPECT_TRUE(tk::WindowSystem::Get().TopLevels().empty());
    }

    static void ExpectInstalled(const fs::path& folder, const char* application)
    {
        std::vector<std::string> expected = ExpectedOffers(application);
        expected.emplace_back(hotsync::UserStore::LockFileName);  // the store's own lock, not a temporary
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(FolderEntries(folder), expected);
        for (const std::string& name : ExpectedOffers(application)) {
            EXPECT_EQ(ReadBytes(folder / name), ReadBytes(PayloadFile(name))) << name;
        }
    }

    int BoxesShown() const
    {
        int boxes = 0;
        for (const auto& [id, record] : display.Windows()) {
            boxes += record.description.kind == tk::WindowKind::MessageBox ? 1 : 0;
        }
        return boxes;
    }

    hotsync::test::TemporaryFolder m_store;
    hotsync::test::ScopedStoreHome m_home{m_store.Path()};
    hotsync::UserStore m_users{m_store.Path()};

private:
    olvex::InstallAide m_previousAide;
};

TEST_F(EndToEndTest, WholeWizardPlacesEveryFileInTheChosenUsersFolder)
{
    m_users.AddUser("Zoe");
    m_users.AddUser("Palm User");
    WalkToInstall(Build::Grayscale, "Palm User");
    EndOnTheFinishedPage();
    RunSetup();

    ExpectInstalled(m_users.InstallFolder("Palm User"), "OlvexRemoteGray.prc");
    EXPECT_TRUE(m_users.PendingFiles("Zoe").empty());
    EXPECT_EQ(BoxesShown(), 0);
}

TEST_F(EndToEndTest, SecondRunAsksOnceAndReplacesTheWaitingFiles)
{
    m_users.AddUser("Palm User");
    const fs::path folder = m_users.InstallFolder("Palm User");
    WalkToInstall(Build::Colour, "Palm User");
    EndOnTheFinishedPage();
    RunSetup();
    ASSERT_EQ(BoxesShown(), 0);

    // A damaged copy waiting from before must be replaced, not kept.
    fs::resize_file(folder / "TV_DORNIK.PDB", 10);
    WalkToInstall(Build::Colour, "Palm User");
    display.Then([] {
        EXPECT_EQ(MessageBoxText(), kFilesExistText);
        EXPECT_EQ(MessageBoxButtons(), (std::vector<int>{IDOK, tk::IDCANCEL}));
    });
    display.Answer(IDOK);
    EndOnTheFinishedPage();
    RunSetup();

    EXPECT_EQ(BoxesShown(), 1);
    ExpectInstalled(folder, "OlvexRemoteC.prc");
}

TEST_F(EndToEndTest, UserNameWithParentFolderStepsInstallsInsideTheStore)
{
    const std::string user = "../../Palm User";
    m_users.AddUser(user);
    WalkToInstall(Build::Colour, user);
    EndOnTheFinishedPage();
    RunSetup();

    const fs::path folder = m_users.InstallFolder(user);
    EXPECT_EQ(folder.parent_path(), m_store.Path() / "install");
    EXPECT_EQ(FolderEntries(m_store.Path()), (std::vector<std::string>{".lock", "install", "users.txt"}));
    EXPECT_EQ(FolderEntries(m_store.Path() / "install"),
              (std::vector<std::string>{folder.filename().string()}));
    ExpectInstalled(folder, "OlvexRemoteC.prc");
}

}  // namespace
}  // namespace wizardtest
