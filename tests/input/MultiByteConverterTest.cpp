// The multi-byte converter's contract: count query and conversion, length -1, failures, substitution.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/CodePage932.h"
#include "input/MultiByteConverter.h"

using namespace std::string_literals;

namespace vantolex {
namespace {

// Count query, then conversion into exactly that many units; both must agree.
std::u16string convert(int codePage, const std::string& input, int length)
{
    const int count = multiByteToWideChar(codePage, input.data(), length, nullptr, 0);
    std::u16string units(static_cast<std::size_t>(count), u'\0');
    if (count > 0) {
        EXPECT_EQ(multiByteToWideChar(codePage, input.data(), length, units.data(), count), count);
    }
    return units;
}

std::u16string convert(int codePage, const std::string& input)
{
    return convert(codePage, input, static_cast<int>(input.size()));
}

TEST(MultiByteConverter, FailsOnEmptyInputUnknownCodePageAndBadLength)
{
    char16_t units[8];
    EXPECT_EQ(multiByteToWideChar(codePageAnsi, "A", 0, nullptr, 0), 0);
    EXPECT_EQ(multiByteToWideChar(codePageUtf8, "A", 0, units, 8), 0);
    EXPECT_EQ(multiByteToWideChar(1252, "A", 1, nullptr, 0), 0);
    EXPECT_EQ(multiByteToWideChar(codePageAnsi, "A", -2, nullptr, 0), 0);
    EXPECT_EQ(multiByteToWideChar(codePageAnsi, "A", 1, units, -1), 0);
}

TEST(MultiByteConverter, FailsWhenTheCapacityIsTooSmallAndSucceedsWithExactlyEnough)
{
    const std::string input = "\x82\xA0\x82\xA2"
                              "AB";
    char16_t units[4] = {};
    EXPECT_EQ(multiByteToWideChar(codePageAnsi, input.data(), 6, units, 3), 0);
    EXPECT_EQ(multiByteToWideChar(codePageAnsi, input.data(), 6, units, 4), 4);
    EXPECT_EQ(std::u16string(units, 4), u"\u3042\u3044AB");
}

TEST(MultiByteConverter, LengthMinusOneRunsThroughTheFirstZeroByte)
{
    const std::string input = "AB\0CD"s;
    EXPECT_EQ(convert(codePageAnsi, input, -1), u"AB\0"s);
    EXPECT_EQ(convert(codePageUtf8, input, -1), u"AB\0"s);
    EXPECT_EQ(convert(codePageAnsi, "\0"s, -1), u"\0"s);
    EXPECT_EQ(convert(codePageAnsi, input), u"AB\0CD"s);
    // A lead byte right before the terminator stands alone; the terminator is still converted.
    EXPECT_EQ(convert(codePageAnsi, "\x82\0"s, -1), u"\u30FB\0"s);
}

TEST(MultiByteConverter, CodePageZeroIsCodePage932)
{
    std::string all;
    for (int byte = 1; byte < 0x100; ++byte) {
        all.push_back(static_cast<char>(byte));
        all.push_back(static_cast<char>(0x100 - byte));
    }
    EXPECT_EQ(convert(codePageAnsi, all), convert(codePageShiftJis, all));
    EXPECT_EQ(convert(codePageAnsi, all), cp932::decode(all));
}

struct Utf8Row
{
    const char* name;
    std::string input;
    std::u16string expected;
};

TEST(MultiByteConverter, Utf8BoundariesAndOneReplacementPerIllFormedPart)
{
    const Utf8Row rows[] = {
        { "U+0000", "\0"s, u"\0"s },
        { "last one-byte value", "\x7F", u"\u007F" },
        { "first two-byte value", "\xC2\x80", u"\u0080" },
        { "last two-byte value", "\xDF\xBF", u"\u07FF" },
        { "first three-byte value", "\xE0\xA0\x80", u"\u0800" },
        { "last value before the surrogates", "\xED\x9F\xBF", u"\uD7FF" },
        { "first value after the surrogates", "\xEE\x80\x80", u"\uE000" },
        { "last three-byte value", "\xEF\xBF\xBF", u"\uFFFF" },
        { "byte-order mark", "\xEF\xBB\xBF", u"\uFEFF" },
        { "first four-byte value", "\xF0\x90\x80\x80", u"\U00010000" },
        { "last Unicode value", "\xF4\x8F\xBF\xBF", u"\U0010FFFF" },
        { "Japanese", "\xE6\x97\xA5\xE6\x9C\xAC", u"日本" },
        { "lone continuation byte",
          "\x80"
          "A",
          u"\uFFFDA" },
        { "two continuation bytes", "\x80\xBF", u"\uFFFD\uFFFD" },
        { "overlong lead C0", "\xC0\x80", u"\uFFFD\uFFFD" },
        { "overlong lead C1", "\xC1\xBF", u"\uFFFD\uFFFD" },
        { "overlong three-byte", "\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD" },
        { "overlong four-byte", "\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
        { "encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD" },
        { "beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
        { "lead F5", "\xF5\x80", u"\uFFFD\uFFFD" },
        { "bytes FE FF", "\xFE\xFF", u"\uFFFD\uFFFD" },
        { "two-byte cut at the end", "A\xC3", u"A\uFFFD" },
        { "three-byte cut after two bytes", "\xE3\x81", u"\uFFFD" },
        { "three-byte cut by ASCII",
          "\xE3\x81"
          "A",
          u"\uFFFDA" },
        { "four-byte cut after three bytes", "\xF0\x9F\x98", u"\uFFFD" },
        { "four-byte cut by a new lead", "\xF0\x9F\xE3\x81\x82", u"\uFFFD\u3042" },
        { "two-byte lead before LF", "\xC3\n", u"\uFFFD\n" },
        { "lead before a 0 byte", "\xE3\0A"s, u"\uFFFD\0A"s },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(convert(codePageUtf8, row.input), row.expected);
    }
}

} // namespace
} // namespace vantolex
