#include "hotsync/UserNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using hotsync::DecodeListLine;
using hotsync::EncodeListLine;
using hotsync::FolderNameForUser;

TEST(UserNames, LengthAndNulRules)
{
    EXPECT_TRUE(hotsync::UserNameProblem(""));
    EXPECT_TRUE(hotsync::UserNameProblem(std::string(250, 'x')));
    EXPECT_TRUE(hotsync::UserNameProblem(std::string("a\0b", 3)));
    EXPECT_FALSE(hotsync::UserNameProblem(std::string(249, 'x')));
    EXPECT_FALSE(hotsync::UserNameProblem("\x01\n../"));
}

TEST(UserNames, FolderNamesKeepPlainNamesAndEncodeEverythingElse)
{
    struct Case {
        std::string name;
        std::string folder;
    };
    const Case cases[] = {
        {"Palm User", "Palm User"},       {"..", "%2E%2E"},     {".", "%2E"},
        {"../etc", "%2E%2E%2Fetc"},       {"/root", "%2Froot"}, {"a\\b", "a%5Cb"},
        {"tab\there\n", "tab%09here%0A"}, {"100%", "100%25"},   {"J\xF6rg", "J%F6rg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderNameForUser(c.name), c.folder) << c.name;
    }
}

TEST(UserNames, LongNamesGetShortDistinctFolderNames)
{
    std::set<std::string> folders;
    for (char last : {'a', 'b', '/'}) {
        const std::string name = std::string(248, '.') + last;
        const std::string folder = FolderNameForUser(name);
        EXPECT_LE(folder.size(), 120u);
        EXPECT_EQ(folder.find('/'), std::string::npos);
        EXPECT_NE(folder.front(), '.');
        folders.insert(folder);
    }
    EXPECT_EQ(folders.size(), 3u);
    EXPECT_EQ(FolderNameForUser(std::string(249, '/')), FolderNameForUser(std::string(249, '/')));
}

TEST(UserNames, ListLinesRoundTripAndStayOnOneLine)
{
    for (const std::string name : {"Palm User", "100% sure", "two\nlines\r", "J\xF6rg", "%41", " "}) {
        const std::string line = EncodeListLine(name);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(DecodeListLine(line), name);
    }
    EXPECT_EQ(EncodeListLine("Palm User"), "Palm User");
}

TEST(UserNames, MalformedListLinesAreRefused)
{
    for (const std::string line : {"%", "%4", "%G1", "abc%", "%00"}) {
        EXPECT_FALSE(DecodeListLine(line)) << line;
    }
    EXPECT_FALSE(DecodeListLine(std::string(250, 'x')));
}

}  // namespace
