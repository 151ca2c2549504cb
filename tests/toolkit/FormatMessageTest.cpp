// Message templates with numbered inserts, as the setup's string table writes them.

#include "toolkit/FormatMessage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;
using tk::FormatArgument;
using tk::FormatMessageText;

struct FormatCase {
    const char* pattern;
    std::vector<FormatArgument> arguments;
    const char* expected;
};

TEST(FormatMessageTest, FillsNumberedInsertsWithTheirConversions)
{
    const std::vector<FormatCase> cases = {
        {"Copying %1!s! to %2!s!.", {std::string("a.prc"), std::string("Ann")}, "Copying a.prc to Ann."},
        {"%2!d! of %1!d! files", {std::int32_t{10}, std::int32_t{-3}}, "-3 of 10 files"},
        {"%1 and %1 again", {std::string("x")}, "x and x again"},
        {"100%% done, %1!d!%%", {std::int32_t{7}}, "100% done, 7%"},
        {"%1!s!%2!s!", {std::string("ab"), std::string("")}, "ab"},
        {"%12!s!", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "twelve"}, "twelve"},
        {"no inserts", {}, "no inserts"},
        {"a lone % sign and %0", {}, "a lone % sign and %0"},
        {"ends with %", {}, "ends with %"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatMessageText(c.pattern, c.arguments), c.expected) << c.pattern;
    }
}

TEST(FormatMessageTest, AnInsertWithoutItsArgumentOrWithTheWrongConversionThrowsNamingIt)
{
    const std::vector<FormatCase> cases = {
        {"Copying %1!s! to %2!s!.", {std::string("a.prc")}, "%2"},
        {"%3", {std::string("a"), std::string("b")}, "%3"},
        {"%1!d! files", {std::string("ten")}, "%1"},
        {"%2!s!", {std::int32_t{1}, std::int32_t{2}}, "%2"},
        {"%1!s", {std::string("unterminated")}, "%1"},
    };
    for (const FormatCase& c : cases) {
        try {
            const tk::CString text = FormatMessageText(c.pattern, c.arguments);
            ADD_FAILURE() << c.pattern << " gave '" << text.Str() << "'";
        } catch (const std::invalid_argument& error) {
            EXPECT_THAT(error.what(), HasSubstr(std::string("insert ") + c.expected)) << c.pattern;
        }
    }
}

}  // namespace
