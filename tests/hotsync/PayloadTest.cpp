#include "hotsync/PalmDatabase.h"
#include "install/InstallList.h"
#include "tests/hotsync/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace hotsync::test;
namespace palm = hotsync::palm;

std::vector<std::string> PayloadNames()
{
    std::vector<std::string> names = {olvex::COLOR_APPLICATION_FILE, olvex::GRAY_APPLICATION_FILE};
    names.insert(names.end(), olvex::g_installFiles + 1, olvex::g_installFiles + olvex::INSTALL_LIST_SIZE);
    return names;
}

TEST(Payload, HoldsExactlyTheFilesOfTheInstallList)
{
    std::vector<std::string> expected = PayloadNames();
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(BinFolder() / "payload"), expected);
}

TEST(Payload, EveryFileIsAWellFormedDatabaseOfItsKind)
{
    for (const std::string& name : PayloadNames()) {
        SCOPED_TRACE(name);
        const palm::Database database = palm::Parse(ReadBytes(PayloadFile(name)));
        EXPECT_EQ(palm::CodeText(database.creator), "OlvX");
        EXPECT_EQ(database.creationTime, 3850070400u);
        if (name.ends_with(".prc")) {
            EXPECT_TRUE(database.IsResourceDatabase());
            EXPECT_EQ(palm::CodeText(database.type), "appl");
            EXPECT_EQ(database.name, "OlvexRemote");
        } else {
            EXPECT_FALSE(database.IsResourceDatabase());
            EXPECT_EQ(database.name, name.substr(0, name.size() - 4));
            EXPECT_GE(database.records.size(), 6u);
        }
    }
}

TEST(Payload, GeneratorOutputIsReproducible)
{
    TemporaryFolder folder;
    const ProgramResult result = RunProgram(BinFolder() / "make_payload", {folder.Path().string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const std::string& name : PayloadNames()) {
        EXPECT_EQ(ReadBytes(folder.Path() / name), ReadBytes(PayloadFile(name))) << name;
    }
}

}  // namespace
