#include <gtest/gtest.h>

#include <climits>

#include "base/TextFormat.h"

namespace vantolex {
namespace {

TEST(TextFormat, FillsConversionsInOrder)
{
    EXPECT_EQ(formatText(u"%d 行毎、%d 桁", { 10, 4 }), u"10 行毎、4 桁");
    EXPECT_EQ(formatText(u"%s - Vantolex", { std::u16string_view(u"メモ.txt") }), u"メモ.txt - Vantolex");
    EXPECT_EQ(formatText(u"%s (%s)", { std::u16string_view(u"ＭＳ 明朝"), std::u16string_view(u"日本語") }),
              u"ＭＳ 明朝 (日本語)");
    EXPECT_EQ(formatText(u"\n余白：左（0～%d）", { 50 }), u"\n余白：左（0～50）");
}

TEST(TextFormat, FormatsIntegersAtTheirLimits)
{
    EXPECT_EQ(formatText(u"%d", { 0 }), u"0");
    EXPECT_EQ(formatText(u"%d", { -7 }), u"-7");
    EXPECT_EQ(formatText(u"%d", { INT_MAX }), u"2147483647");
    EXPECT_EQ(formatText(u"%d", { INT_MIN }), u"-2147483648");
}

TEST(TextFormat, RoundsFixedDecimalsLikePrintf)
{
    EXPECT_EQ(formatText(u"%.1f ポイント相当", { 7.25 }), u"7.2 ポイント相当"); // 7.25 is exact: ties to even
    EXPECT_EQ(formatText(u"%.1f", { 7.26 }), u"7.3");
    EXPECT_EQ(formatText(u"%.1f", { 0.04 }), u"0.0");
    EXPECT_EQ(formatText(u"%.1f", { 12.0 }), u"12.0");
    EXPECT_EQ(formatText(u"%.3f", { 1.0 / 3 }), u"0.333");
    EXPECT_EQ(formatText(u"%.0f", { 2.5 }), u"2");
}

TEST(TextFormat, KeepsTextWithoutConversions)
{
    EXPECT_EQ(formatText(u"", {}), u"");
    EXPECT_EQ(formatText(u"100%% 完了", {}), u"100% 完了");
    EXPECT_EQ(formatText(u"末尾の%", {}), u"末尾の%");
}

TEST(TextFormat, DecimalText)
{
    EXPECT_EQ(decimalText(0), u"0");
    EXPECT_EQ(decimalText(1234567890123LL), u"1234567890123");
    EXPECT_EQ(decimalText(-45), u"-45");
}

TEST(ParseInteger, TakesOnlyAWholeIntWithAnOptionalSign)
{
    const std::pair<const char*, std::optional<int>> rows[] = {
        { "0", 0 },
        { "+7", 7 },
        { "-2147483648", -2147483648 },
        { "2147483647", 2147483647 },
        { "2147483648", std::nullopt },
        { "", std::nullopt },
        { "+", std::nullopt },
        { "+-1", std::nullopt },
        { " 1", std::nullopt },
        { "1 ", std::nullopt },
        { "12x", std::nullopt },
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(parseInteger(text), expected) << '"' << text << '"';
}

} // namespace
} // namespace vantolex
