#include "hotsync/InstAideCodes.h"
#include "hotsync/UserStore.h"
#include "install/InstallAide.h"
#include "tests/hotsync/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace hotsync;
using namespace hotsync::test;

class AideUsers : public ::testing::Test {
protected:
    TemporaryFolder m_folder;
    fs::path m_root = m_folder.Path() / "store";
    ScopedStoreHome m_home{m_root};
    UserStore m_store{m_root};

    std::vector<std::string> NamesThroughTheAide()
    {
        std::vector<std::string> names;
        const int count = Aide().userCount();
        for (int i = 0; i < count; ++i) {
            char buffer[olvex::USER_NAME_BUFFER_SIZE];
            int size = olvex::USER_NAME_BUFFER_SIZE;
            const int result = Aide().userName(i, buffer, &size);
            EXPECT_GT(result, 0) << "index " << i;
            EXPECT_EQ(size, static_cast<int>(std::strlen(buffer)));
            names.emplace_back(buffer);
        }
        return names;
    }
};

TEST_F(AideUsers, AbsentStoreHasNoUsers)
{
    EXPECT_EQ(Aide().userCount(), 0);
    char buffer[olvex::USER_NAME_BUFFER_SIZE];
    int size = olvex::USER_NAME_BUFFER_SIZE;
    EXPECT_LE(Aide().userName(0, buffer, &size), 0);
}

TEST_F(AideUsers, NamesComeBackInTheOrderAdded)
{
    const std::vector<std::string> names = {
        "Zoe", "alice", "Palm User", "100% sure", "tab\there", "J\xF6rg", std::string(249, 'L'),
    };
    for (const std::string& name : names) {
        m_store.AddUser(name);
    }
    EXPECT_EQ(NamesThroughTheAide(), names);
    m_store.RemoveUser("alice");
    EXPECT_EQ(Aide().userCount(), static_cast<int>(names.size()) - 1);
    EXPECT_EQ(NamesThroughTheAide()[1], "Palm User");
}

TEST_F(AideUsers, NameRequestsThatCannotBeServedFail)
{
    m_store.AddUser("Palm User");
    struct Case {
        const char* what;
        int index;
        int size;
        bool nullName;
        bool nullSize;
    };
    const Case cases[] = {
        {"negative index", -1, 250, false, false}, {"index past the end", 1, 250, false, false},
        {"buffer too small", 0, 9, false, false},  {"no room at all", 0, 0, false, false},
        {"null buffer", 0, 250, true, false},      {"null size", 0, 250, false, true},
    };
    for (const Case& c : cases) {
        char buffer[olvex::USER_NAME_BUFFER_SIZE] = "untouched";
        int size = c.size;
        const int result =
            Aide().userName(c.index, c.nullName ? nullptr : buffer, c.nullSize ? nullptr : &size);
        EXPECT_LE(result, 0) << c.what;
    }
    char buffer[olvex::USER_NAME_BUFFER_SIZE];
    int size = 9;
    EXPECT_EQ(Aide().userName(0, buffer, &size), INSTAIDE_BUFFER_TOO_SMALL);
    EXPECT_EQ(size, 10);  // what it would take, NUL included
}

TEST_F(AideUsers, UnreadableListGivesANegativeCount)
{
    const std::vector<std::string> brokenLists = {"Palm User\n%G1\n", "%"};
    for (const std::string& list : brokenLists) {
        fs::create_directories(m_root);
        WriteBytes(m_root / UserStore::UsersFileName,
                   {reinterpret_cast<const std::uint8_t*>(list.data()), list.size()});
        EXPECT_LT(Aide().userCount(), 0) << list;
        char buffer[olvex::USER_NAME_BUFFER_SIZE];
        int size = olvex::USER_NAME_BUFFER_SIZE;
        EXPECT_LE(Aide().userName(0, buffer, &size), 0);
    }
    fs::remove(m_root / UserStore::UsersFileName);
    fs::create_directory(m_root / UserStore::UsersFileName);
    EXPECT_LT(Aide().userCount(), 0);
}

TEST_F(AideUsers, StoreEnforcesTheNameRules)
{
    struct Case {
        std::string name;
        StoreError::Kind error;
    };
    m_store.AddUser("Palm User");
    const Case cases[] = {
        {"", StoreError::Kind::InvalidName},
        {std::string(250, 'x'), StoreError::Kind::InvalidName},
        {std::string("a\0b", 3), StoreError::Kind::InvalidName},
        {"Palm User", StoreError::Kind::DuplicateUser},
    };
    for (const Case& c : cases) {
        try {
            m_store.AddUser(c.name);
            ADD_FAILURE() << "accepted \"" << c.name << "\"";
        } catch (const StoreError& error) {
            EXPECT_EQ(error.GetKind(), c.error) << c.name;
        }
    }
    EXPECT_EQ(m_store.Users(), std::vector<std::string>{"Palm User"});
}

TEST_F(AideUsers, StoreRootFollowsTheEnvironment)
{
    EXPECT_EQ(DefaultStoreRoot(), m_root);
    unsetenv("HOTSYNC_HOME");
    const char* previous = std::getenv("XDG_DATA_HOME");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(DefaultStoreRoot(), fs::path("/data/home/hotsync"));
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        EXPECT_EQ(DefaultStoreRoot(), fs::path(home) / ".local/share/hotsync");
    }
    if (previous != nullptr) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
