#include "hotsync/InstAideCodes.h"
#include "hotsync/InstAideExports.h"
#include "install/InstallAide.h"
#include "tests/hotsync/TestSupport.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace {

using namespace hotsync::test;

// The library's exports and the setup's declarations must agree, or a call through the loaded pointers
// would go wrong silently.
static_assert(std::is_same_v<decltype(&InstAideUserCount), olvex::UserCountFn>);
static_assert(std::is_same_v<decltype(&InstAideUserName), olvex::UserNameFn>);
static_assert(std::is_same_v<decltype(&InstAideInstallFile), olvex::InstallFileFn>);
static_assert(std::is_same_v<decltype(&InstAideClearFile), olvex::ClearFileFn>);
static_assert(olvex::INSTALL_FILE_EXISTS == hotsync::INSTAIDE_FILE_EXISTS);

std::string LoadFailure(const fs::path& library)
{
    try {
        olvex::LoadedInstallAide aide(library);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

TEST(InstallAideLoader, FindsAllFourEntryPointsBesideTheExecutable)
{
    TemporaryFolder folder;
    ScopedStoreHome home(folder.Path());
    const olvex::LoadedInstallAide aide;
    const olvex::InstallAide& calls = aide.Calls();
    ASSERT_NE(calls.userCount, nullptr);
    ASSERT_NE(calls.userName, nullptr);
    ASSERT_NE(calls.installFile, nullptr);
    ASSERT_NE(calls.clearFile, nullptr);
    EXPECT_EQ(calls.userCount(), 0);
    EXPECT_EQ(calls.installFile("Nobody", "TV_MIRAVO.PDB"), hotsync::INSTAIDE_NO_SUCH_USER);
}

TEST(InstallAideLoader, FailuresNameTheFileAndTheCause)
{
    const std::string missing = LoadFailure("/no/such/folder/libinstaide.so");
    EXPECT_NE(missing.find("/no/such/folder/libinstaide.so"), std::string::npos) << missing;
    EXPECT_NE(missing.find("No such file"), std::string::npos) << missing;

    // A library that loads but is not the aide: the C library itself.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&std::fclose), &info), 0);
    const std::string wrong = LoadFailure(info.dli_fname);
    EXPECT_NE(wrong.find(info.dli_fname), std::string::npos) << wrong;
    EXPECT_NE(wrong.find("101 (InstAideUserCount)"), std::string::npos) << wrong;
}

}  // namespace
