#include <gtest/gtest.h>

#include "settings/SettingsFileBytes.h"

namespace vantolex {
namespace {

using Lines = std::vector<std::u16string>;

TEST(DecodeSettingsLines, SplitsAtLineFeedsAndDropsTheLineEnds)
{
    const struct
    {
        const char* name;
        std::string_view bytes;
        Lines expected;
    } rows[] = {
        { "CR LF lines", "5\r\n96\r\n", { u"5", u"96" } },
        { "LF lines", "5\n96\n", { u"5", u"96" } },
        { "last line without line end", "5\r\n96", { u"5", u"96" } },
        { "empty lines stay", "\r\n\r\n", { u"", u"" } },
        { "empty file", "", {} },
        { "lone CR stays in the line", "a\rb\r\n", { u"a\rb" } },
        { "only one CR belongs to the line end", "x\r\r\n", { u"x\r" } },
        { "CR at the very end without LF", "x\r", { u"x\r" } },
        { "Shift JIS",
          "\x93\xfa\x96\x7b\x8c\xea\r\n\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\n",
          { u"日本語", u"ＭＳ 明朝" } },
        { "half-width katakana", "\xb6\xc0\xb6\xc5\r\n", { u"ｶﾀｶﾅ" } },
        { "NUL byte is kept", std::string_view("a\0b\r\n", 5), { std::u16string(u"a\0b", 3) } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decodeSettingsLines(row.bytes), row.expected);
    }
}

TEST(DecodeSettingsLines, ALeadByteAtTheEndOfALineDoesNotTakeTheLineEnd)
{
    const Lines lines = decodeSettingsLines("\x93\r\n5\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], u"5");
    EXPECT_EQ(lines[0].size(), 1u);
}

TEST(EncodeSettingsLines, WritesShiftJisWithCrLf)
{
    const Lines lines { u"5", u"日本語", u"", u"ＭＳ 明朝" };
    EXPECT_EQ(encodeSettingsLines(lines), "5\r\n\x93\xfa\x96\x7b\x8c\xea\r\n\r\n\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\n");
    EXPECT_EQ(encodeSettingsLines(Lines {}), "");
}

TEST(EncodeSettingsLines, RefusesWhatCannotBeReadBackAsWritten)
{
    const struct
    {
        const char* name;
        std::u16string line;
    } rows[] = {
        { "Hangul", u"한국어" },
        { "emoji", u"\U0001F600" },
        { "lone surrogate", std::u16string(1, char16_t(0xD800)) },
        { "line feed inside a text", u"a\nb" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Lines lines { u"5", row.line };
        EXPECT_EQ(encodeSettingsLines(lines), std::nullopt);
        EXPECT_FALSE(storableInSettingsFile(row.line));
    }
    EXPECT_TRUE(storableInSettingsFile(u"初期値 ①"));
}

TEST(EncodeSettingsLines, KeepsACarriageReturnInsideAText)
{
    const Lines lines { u"a\rb", u"x\r" };
    const auto bytes = encodeSettingsLines(lines);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(decodeSettingsLines(*bytes), lines);
}

} // namespace
} // namespace vantolex
