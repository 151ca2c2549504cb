#include "hotsync/UserStore.h"
#include "hotsync/tool/Commands.h"
#include "install/InstallList.h"
#include "tests/hotsync/TestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace hotsync;
using namespace hotsync::test;

class HotSyncTool : public ::testing::Test {
protected:
    TemporaryFolder m_folder;
    fs::path m_root = m_folder.Path() / "store";
    ScopedStoreHome m_home{m_root};

    static ProgramResult Run(const std::vector<std::string>& arguments)
    {
        return RunProgram(BinFolder() / "hotsync", arguments);
    }
};

TEST_F(HotSyncTool, BadCommandLinesFailWithAMessage)
{
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{}, 2, "missing command"},
        {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
        {{"add-user"}, 2, "'add-user' needs an argument"},
        {{"pending"}, 2, "'pending' needs an argument"},
        {{"users", "extra"}, 2, "too many arguments"},
        {{"add-user", ""}, 1, "must not be empty"},
        {{"add-user", std::string(250, 'x')}, 1, "longer than 249"},
        {{"remove-user", "Nobody"}, 1, "no user \"Nobody\""},
        {{"pending", "Nobody"}, 1, "no user \"Nobody\""},
        {{"check", "/no/such/file.PDB"}, 1, "cannot open /no/such/file.PDB"},
        {{"check", (BinFolder() / "hotsync").string()}, 1, "is not a well-formed database"},
    };
    for (const Case& c : cases) {
        const ProgramResult result = Run(c.arguments);
        const std::string command = c.arguments.empty() ? "(none)" : c.arguments[0];
        EXPECT_EQ(result.exitCode, c.exitCode) << command;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << command << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << command;
    }
}

TEST_F(HotSyncTool, NamesWithANulAreRefused)
{
    // An argument vector cannot carry a NUL, so this goes to the command runner directly.
    const std::vector<std::string_view> arguments = {"add-user", std::string_view("a\0b", 3)};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(tool::RunCommand(arguments, out, err), tool::ExitFailure);
    EXPECT_NE(err.str().find("NUL"), std::string::npos);
}

TEST_F(HotSyncTool, HelpDescribesEveryCommand)
{
    const ProgramResult result = Run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* command : {"users", "add-user NAME", "remove-user NAME", "pending NAME", "check FILE"}) {
        EXPECT_NE(result.out.find(command), std::string::npos) << command;
    }
}

TEST_F(HotSyncTool, UsersComeAndGoWithTheirFiles)
{
    EXPECT_EQ(Run({"users"}).out, "");
    EXPECT_EQ(Run({"add-user", "Palm User"}).exitCode, 0);
    EXPECT_EQ(Run({"add-user", "alice"}).exitCode, 0);
    EXPECT_EQ(Run({"add-user", "line\nbreak"}).exitCode, 0);
    const ProgramResult duplicate = Run({"add-user", "alice"});
    EXPECT_EQ(duplicate.exitCode, 1);
    EXPECT_NE(duplicate.err.find("already exists"), std::string::npos);
    EXPECT_EQ(Run({"users"}).out, "Palm User\nalice\nline%0Abreak\n");

    ASSERT_EQ(Aide().installFile("alice", "TV_DORNIK_2.PDB"), 0);
    ASSERT_EQ(Aide().installFile("alice", olvex::HELP_DATABASE_FILE), 0);
    const ProgramResult pending = Run({"pending", "alice"});
    EXPECT_EQ(pending.exitCode, 0);
    EXPECT_EQ(pending.out, "OlvexRemoteHelp.PDB\nTV_DORNIK_2.PDB\n");
    EXPECT_EQ(Run({"pending", "Palm User"}).out, "");

    const fs::path folder = UserStore(m_root).InstallFolder("alice");
    EXPECT_EQ(Run({"remove-user", "alice"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(Run({"users"}).out, "Palm User\nline%0Abreak\n");
}

TEST_F(HotSyncTool, CheckDescribesADatabase)
{
    const ProgramResult application = Run({"check", PayloadFile(olvex::GRAY_APPLICATION_FILE).string()});
    EXPECT_EQ(application.exitCode, 0) << application.err;
    EXPECT_EQ(application.out, "name: OlvexRemote\ntype: appl\ncreator: OlvX\n"
                               "attributes: 0x0001 (resource database)\nrecords: 4\n");
    const ProgramResult help = Run({"check", PayloadFile(olvex::HELP_DATABASE_FILE).string()});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("attributes: 0x0000 (record database)\nrecords: 6\n"), std::string::npos);
}

}  // namespace
