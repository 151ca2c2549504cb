#include "hotsync/InstAideCodes.h"
#include "hotsync/PalmDatabase.h"
#include "hotsync/PayloadInstall.h"
#include "hotsync/UserStore.h"
#include "install/InstallList.h"
#include "tests/hotsync/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace hotsync;
using namespace hotsync::test;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* User = "Palm User";
constexpr const char* CodeSet = "TV_MIRAVO.PDB";

class AideInstall : public ::testing::Test {
protected:
    TemporaryFolder m_folder;
    fs::path m_root = m_folder.Path() / "store";
    ScopedStoreHome m_home{m_root};
    UserStore m_store{m_root};

    void SetUp() override { m_store.AddUser(User); }

    [[nodiscard]] fs::path Waiting(const std::string& name) const
    {
        return m_store.InstallFolder(User) / name;
    }
};

TEST_F(AideInstall, CallsAnswerWithTheirCodes)
{
    struct Case {
        const char* what;
        std::function<void()> before;
        const char* user;
        const char* file;
        int expected;
    };
    const auto install = [] { Aide().installFile(User, CodeSet); };
    const Case cases[] = {
        {"record database", {}, User, CodeSet, INSTAIDE_OK},
        {"resource database", {}, User, olvex::GRAY_APPLICATION_FILE, INSTAIDE_OK},
        {"already waiting", install, User, CodeSet, INSTAIDE_FILE_EXISTS},
        {"unknown user", {}, "Nobody", CodeSet, INSTAIDE_NO_SUCH_USER},
        {"empty user", {}, "", CodeSet, INSTAIDE_NO_SUCH_USER},
        {"user differing in case", {}, "palm user", CodeSet, INSTAIDE_NO_SUCH_USER},
        {"empty file name", {}, User, "", INSTAIDE_BAD_FILE_NAME},
        {"folder part", {}, User, "payload/TV_MIRAVO.PDB", INSTAIDE_BAD_FILE_NAME},
        {"parent folder", {}, User, "../payload/TV_MIRAVO.PDB", INSTAIDE_BAD_FILE_NAME},
        {"absolute path", {}, User, "/etc/passwd", INSTAIDE_BAD_FILE_NAME},
        {"bare dot-dot", {}, User, "..", INSTAIDE_BAD_FILE_NAME},
        {"hidden name", {}, User, ".lock", INSTAIDE_BAD_FILE_NAME},
        {"backslash", {}, User, "payload\\TV_MIRAVO.PDB", INSTAIDE_BAD_FILE_NAME},
        {"missing source", {}, User, "TV_NOSUCHBRAND.PDB", INSTAIDE_MISSING_SOURCE},
        {"null user", {}, nullptr, CodeSet, INSTAIDE_BAD_ARGUMENT},
        {"null file", {}, User, nullptr, INSTAIDE_BAD_ARGUMENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(m_store.InstallFolder(User));
        if (c.before) {
            c.before();
        }
        EXPECT_EQ(Aide().installFile(c.user, c.file), c.expected);
    }
}

TEST_F(AideInstall, ClearMakesRoomForASecondOffer)
{
    ASSERT_EQ(Aide().installFile(User, CodeSet), INSTAIDE_OK);
    ASSERT_EQ(Aide().installFile(User, CodeSet), INSTAIDE_FILE_EXISTS);
    EXPECT_EQ(Aide().clearFile(User, CodeSet), INSTAIDE_OK);
    EXPECT_FALSE(fs::exists(Waiting(CodeSet)));
    EXPECT_EQ(Aide().installFile(User, CodeSet), INSTAIDE_OK);
    EXPECT_EQ(ReadBytes(Waiting(CodeSet)), ReadBytes(PayloadFile(CodeSet)));
}

TEST_F(AideInstall, ClearAnswersWithItsCodes)
{
    EXPECT_EQ(Aide().clearFile(User, CodeSet), INSTAIDE_NOT_WAITING);
    EXPECT_EQ(Aide().clearFile("Nobody", CodeSet), INSTAIDE_NO_SUCH_USER);
    EXPECT_EQ(Aide().clearFile(User, "../users.txt"), INSTAIDE_BAD_FILE_NAME);
    EXPECT_EQ(Aide().clearFile(nullptr, CodeSet), INSTAIDE_BAD_ARGUMENT);
    EXPECT_TRUE(fs::exists(m_root / UserStore::UsersFileName));
}

TEST_F(AideInstall, AWholeRunLeavesExactCopiesAndNoTemporaries)
{
    std::vector<std::string> files = {olvex::COLOR_APPLICATION_FILE, olvex::GRAY_APPLICATION_FILE};
    files.insert(files.end(), olvex::g_installFiles + 1, olvex::g_installFiles + olvex::INSTALL_LIST_SIZE);
    for (const std::string& file : files) {
        ASSERT_EQ(Aide().installFile(User, file.c_str()), INSTAIDE_OK) << file;
    }
    for (const std::string& file : files) {
        EXPECT_EQ(ReadBytes(Waiting(file)), ReadBytes(PayloadFile(file))) << file;
    }
    std::vector<std::string> expected = files;
    expected.emplace_back(UserStore::LockFileName);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(m_store.InstallFolder(User)), expected);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(m_store.PendingFiles(User), files);
}

TEST_F(AideInstall, UserNamesThatLookLikePathsStayInsideTheStore)
{
    const std::vector<std::string> users = {"..",   ".",         "../escape", "../../etc",
                                            "/abs", "a/../../b", "\x01\n\x7f"};
    for (const std::string& user : users) {
        SCOPED_TRACE(user);
        m_store.AddUser(user);
        const fs::path folder = m_store.InstallFolder(user);
        EXPECT_EQ(folder.parent_path(), m_root / "install");
        ASSERT_EQ(Aide().installFile(user.c_str(), CodeSet), INSTAIDE_OK);
        EXPECT_TRUE(fs::exists(folder / CodeSet));
        EXPECT_EQ(m_store.PendingFiles(user), std::vector<std::string>{CodeSet});
    }
    // Nothing landed beside the store, and the store holds only the list, its lock and install folders.
    EXPECT_EQ(FolderEntries(m_folder.Path()), std::vector<std::string>{"store"});
    EXPECT_EQ(FolderEntries(m_root), (std::vector<std::string>{".lock", "install", "users.txt"}));
    EXPECT_EQ(FolderEntries(m_root / "install").size(), users.size() + 1);
}

// Damaged sources need a payload folder of their own, so these go through the code behind the entry point.
TEST_F(AideInstall, DamagedOrMislabelledDatabasesAreRefused)
{
    TemporaryFolder payload;
    const Bytes good = ReadBytes(PayloadFile(CodeSet));
    const Bytes application = ReadBytes(PayloadFile(olvex::COLOR_APPLICATION_FILE));
    const std::size_t lastRecord = palm::HeaderSize + 7 * palm::RecordEntrySize;
    const std::size_t lastOffset =
        static_cast<std::size_t>(good[lastRecord] << 24 | good[lastRecord + 1] << 16 |
                                 good[lastRecord + 2] << 8 | good[lastRecord + 3]);
    struct Case {
        const char* file;
        Bytes bytes;
    };
    const Case cases[] = {
        {"EMPTY.PDB", {}},
        {"HEADER_CUT.PDB", Bytes(good.begin(), good.begin() + 60)},
        {"LIST_CUT.PDB", Bytes(good.begin(), good.begin() + palm::HeaderSize + 20)},
        {"RECORD_CUT.PDB", Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(lastOffset) - 1)},
        {"NOT_A_DATABASE.PDB", Bytes(200, 'x')},
        {"RESOURCES.PDB", application},
        {"RECORDS.prc", good},
    };
    for (const Case& c : cases) {
        WriteBytes(payload.Path() / c.file, c.bytes);
        EXPECT_EQ(InstallPayloadFile(m_store, payload.Path(), User, c.file), INSTAIDE_INVALID_DATABASE)
            << c.file;
        EXPECT_FALSE(fs::exists(Waiting(c.file))) << c.file;
    }
    fs::create_directory(payload.Path() / "FOLDER.PDB");
    EXPECT_EQ(InstallPayloadFile(m_store, payload.Path(), User, "FOLDER.PDB"), INSTAIDE_MISSING_SOURCE);
    WriteBytes(payload.Path() / "Good.pdb", good);
    EXPECT_EQ(InstallPayloadFile(m_store, payload.Path(), User, "Good.pdb"), INSTAIDE_OK);
}

}  // namespace
