#include <climits>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "settings/SettingsLineParsing.h"

namespace vantolex {
namespace {

struct NumbersRow
{
    const char* name;
    std::u16string_view line;
    std::size_t count;
    std::optional<std::vector<int>> expected; // nullopt: the line fails
};

TEST(ParseNumbers, FollowsTheNumbersLineRules)
{
    const NumbersRow rows[] = {
        { "seven plain numbers", u"96,100,5,2,8,0,1", 7, std::vector { 96, 100, 5, 2, 8, 0, 1 } },
        { "space before a comma fails", u"96 ,100", 2, std::nullopt },
        { "spaces after commas and text after the last number", u"96, 100,\t5 and more", 3,
          std::vector { 96, 100, 5 } },
        { "text right after the last number", u"5abc", 1, std::vector { 5 } },
        { "ideographic space and signs", u"\u3000 -4,+5", 2, std::vector { -4, 5 } },
        { "fewer numbers than expected", u"1,2", 3, std::nullopt },
        { "more numbers than expected", u"1,2,3", 2, std::vector { 1, 2 } },
        { "empty line", u"", 1, std::nullopt },
        { "white space only", u"   ", 1, std::nullopt },
        { "sign without digits", u"-,1", 2, std::nullopt },
        { "space between sign and digits", u"- 1", 1, std::nullopt },
        { "comma at the end", u"1,", 2, std::nullopt },
        { "two commas", u"1,,2", 2, std::nullopt },
        { "letter between number and comma", u"1x,2", 2, std::nullopt },
        { "full-width digit is no digit", u"１", 1, std::nullopt },
        { "largest int", u"2147483647", 1, std::vector { INT_MAX } },
        { "smallest int", u"-2147483648", 1, std::vector { INT_MIN } },
        { "one above the int range", u"2147483648", 1, std::nullopt },
        { "one below the int range", u"-2147483649", 1, std::nullopt },
        { "very long number", u"99999999999999999999999999", 1, std::nullopt },
        { "leading zeros", u"007,-0", 2, std::vector { 7, 0 } },
    };
    for (const NumbersRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<int> numbers(row.count, -99);
        const bool parsed = parseNumbers(row.line, numbers);
        ASSERT_EQ(parsed, row.expected.has_value());
        if (parsed) {
            EXPECT_EQ(numbers, *row.expected);
        }
    }
}

TEST(LeadingInteger, TakesTheDigitsAfterWhiteSpace)
{
    const struct
    {
        const char* name;
        std::u16string_view line;
        int expected;
    } rows[] = {
        { "plain", u"5", 5 },
        { "white space before", u" \t5", 5 },
        { "text after", u"12abc", 12 },
        { "numbers line", u"3,4", 3 },
        { "no digits", u"abc", 0 },
        { "empty", u"", 0 },
        { "negative", u"-3", -3 },
        { "plus", u"+4", 4 },
        { "above the int range", u"99999999999", INT_MAX },
        { "below the int range", u"-99999999999", INT_MIN },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(leadingInteger(row.line), row.expected);
    }
}

TEST(IsBlank, IsTrueForEmptyAndWhiteSpaceOnly)
{
    EXPECT_TRUE(isBlank(u""));
    EXPECT_TRUE(isBlank(u"   "));
    EXPECT_TRUE(isBlank(u"\u3000\t"));
    EXPECT_FALSE(isBlank(u" &p "));
}

} // namespace
} // namespace vantolex
