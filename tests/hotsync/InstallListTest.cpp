#include "install/InstallList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using olvex::g_installFiles;

std::vector<std::string> CodeSets()
{
    return {g_installFiles + 2, g_installFiles + olvex::INSTALL_LIST_SIZE};
}

TEST(InstallList, FixedSlotsHoldTheApplicationPlaceholderAndTheHelpDatabase)
{
    EXPECT_EQ(std::size(g_installFiles), 53u);
    EXPECT_EQ(g_installFiles[0], nullptr);
    EXPECT_STREQ(g_installFiles[1], "OlvexRemoteHelp.PDB");
    EXPECT_STREQ(olvex::COLOR_APPLICATION_FILE, "OlvexRemoteC.prc");
    EXPECT_STREQ(olvex::GRAY_APPLICATION_FILE, "OlvexRemoteGray.prc");
}

TEST(InstallList, CodeSetsAreBareNamesInAscendingByteOrder)
{
    const std::vector<std::string> names = CodeSets();
    ASSERT_EQ(names.size(), 51u);
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_GE(names[i].size(), 9u);
        EXPECT_LE(names[i].size(), 21u);
        EXPECT_TRUE(names[i].ends_with(".PDB"));
        EXPECT_EQ(names[i].find('/'), std::string::npos);
        if (i > 0) {
            EXPECT_LT(std::strcmp(names[i - 1].c_str(), names[i].c_str()), 0);
        }
    }
}

TEST(InstallList, CategoriesAndDeviceKindsHaveTheirCounts)
{
    std::map<std::string, int> perPrefix;
    std::map<std::string, int> perKind;
    for (const std::string& name : CodeSets()) {
        const std::string prefix = name.substr(0, name.find('_') + 1);
        ++perPrefix[prefix];
        const std::string rest = name.substr(prefix.size());
        for (std::string_view kind : {"AMP_", "RCV_", "CD_", "DVD_"}) {
            if (rest.starts_with(kind)) {
                ++perKind[prefix + std::string(kind)];
            }
        }
    }
    const std::map<std::string, int> expectedPrefixes = {{"AUD_", 6}, {"CAB_", 2}, {"DVD_", 9},
                                                         {"TIV_", 1}, {"TV_", 20}, {"VCR_", 13}};
    EXPECT_EQ(perPrefix, expectedPrefixes);
    const std::map<std::string, int> expectedKinds = {
        {"AUD_AMP_", 1}, {"AUD_RCV_", 4}, {"DVD_CD_", 1}, {"DVD_DVD_", 8}};
    EXPECT_EQ(perKind, expectedKinds);
    EXPECT_TRUE(std::string_view(g_installFiles[52]).starts_with("VCR_"));
}

TEST(InstallList, BrandNamesFollowTheirConventions)
{
    const std::vector<std::string> names = CodeSets();
    const auto count = [&](auto predicate) { return std::count_if(names.begin(), names.end(), predicate); };
    EXPECT_EQ(count([](const std::string& name) { return name.find('-') != std::string::npos; }), 1);
    const auto mixedCase = count([](const std::string& name) {
        return std::any_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    });
    EXPECT_GE(mixedCase, 1);
    EXPECT_LT(mixedCase, 10);  // a few, most are in capitals
    // Every later code set of a brand follows the brand's first one.
    for (const std::string& name : names) {
        const std::string stem = name.substr(0, name.size() - 4);
        const char last = stem.back();
        if (stem.size() > 2 && stem[stem.size() - 2] == '_' && last >= '2' && last <= '4') {
            SCOPED_TRACE(name);
            const std::string previous = last == '2'
                                             ? stem.substr(0, stem.size() - 2) + ".PDB"
                                             : stem.substr(0, stem.size() - 1) + char(last - 1) + ".PDB";
            EXPECT_NE(std::find(names.begin(), names.end(), previous), names.end());
        }
    }
}

}  // namespace
