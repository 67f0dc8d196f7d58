#include <gtest/gtest.h>

#include "base/Utf16.h"

namespace vantolex {
namespace {

struct Utf8Row
{
    const char* name;
    std::string bytes;
    std::u16string text;
};

TEST(Utf16, DecodesUtf8WithOneReplacementPerBadSequence)
{
    const Utf8Row rows[] = {
        { "empty", "", u"" },
        { "ascii", "abc", u"abc" },
        { "two-byte first and last", "\xC2\x80\xDF\xBF", u"\u0080\u07FF" },
        { "three-byte Japanese", "\xE6\x97\xA5\xE6\x9C\xAC", u"日本" },
        { "four-byte becomes a surrogate pair", "\xF0\x9F\x98\x80", u"\U0001F600" },
        { "last code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF" },
        { "lone continuation byte", "a\x80z", u"a\uFFFDz" },
        { "overlong two-byte lead", "\xC0\xAF", u"\uFFFD\uFFFD" },
        { "overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD" },
        { "encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD" },
        { "beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
        { "truncated at the end", "\xE6\x97", u"\uFFFD" },
        { "truncated before ascii", "\xE6\x97x", u"\uFFFDx" },
        { "invalid lead bytes", "\xF5\xFF", u"\uFFFD\uFFFD" },
        { "nul byte is text", std::string("a\0b", 3), std::u16string(u"a\0b", 3) },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fromUtf8(row.bytes), row.text);
    }
}

TEST(Utf16, EncodesUtf8AndReplacesLoneSurrogates)
{
    EXPECT_EQ(toUtf8(u"日本語 abc"), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E abc");
    EXPECT_EQ(toUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(std::u16string { char16_t(0xDC00), u'a' }),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(toUtf8(std::u16string { char16_t(0xD800), char16_t(0xD800), char16_t(0xDC00) }),
              "\xEF\xBF\xBD\xF0\x90\x80\x80");
}

TEST(Utf16, RoundTripsEveryBmpCharacterThroughUtf8)
{
    std::u16string all;
    for (char32_t unit = 0; unit < 0x10000; ++unit)
        if (unit < 0xD800 || unit > 0xDFFF)
            all.push_back(static_cast<char16_t>(unit));
    EXPECT_EQ(fromUtf8(toUtf8(all)), all);
}

TEST(Utf16, WhiteSpaceIsUnicodeWhiteSpace)
{
    for (char16_t unit : u"\t\n\v\f\r \u0085\u00A0\u1680\u180E\u2000\u2005\u200A\u2028\u2029\u202F\u205F\u3000") {
        if (unit != 0) {
            EXPECT_TRUE(isWhiteSpace(unit)) << std::hex << unsigned(unit);
        }
    }
    for (char16_t unit : u"a0\u0008\u000E\u001F\u200B\u2060\uFEFF\u3001\u30FB") {
        if (unit != 0) {
            EXPECT_FALSE(isWhiteSpace(unit)) << std::hex << unsigned(unit);
        }
    }
    EXPECT_FALSE(isWhiteSpace(0));
}

TEST(TrimWhiteSpace, RemovesUnicodeWhiteSpaceAtBothEndsOnly)
{
    EXPECT_EQ(trimWhiteSpace(u"\u3000 ＭＳ 明朝\t\r"), u"ＭＳ 明朝");
    EXPECT_EQ(trimWhiteSpace(u" \u3000 "), u"");
    EXPECT_EQ(trimWhiteSpace(u"a"), u"a");
}

} // namespace
} // namespace vantolex
