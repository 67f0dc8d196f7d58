#include <gtest/gtest.h>

#include "settings/SettingsDescriptions.h"
#include "settings/SettingsRows.h"

namespace vantolex {
namespace {

PrintSettings defaults()
{
    PrintSettings settings;
    settings.resetToDefaults();
    return settings;
}

TEST(SettingsRows, DefaultsRowByRow)
{
    const std::vector<SettingsRow> expected = {
        { u"横書き", u"" },
        { u"テキスト", u"96 文字/行" },
        { u"段組", u"2 段/ページ" },
        { u"タブ", u"8 文字毎" },
        { u"折り返し", u"あり" },
        { u"フォント", u"ＭＳ 明朝 (日本語)" },
        { u"印刷範囲", u"初めから、終わりまで" },
        { u"余白", u"なし" },
        { u"行間", u"1/4行分" },
        { u"段落間", u"8 mm" },
        { u"情報表示", u"あり" },
        { u"行番号", u"なし" },
        { u"区切り線", u"なし" },
        { u"ページ番号", u"なし" },
        { u"ファイル名", u"なし" },
    };
    const auto rows = settingsRows(defaults());
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].label, expected[i].label);
        EXPECT_EQ(rows[i].value, expected[i].value);
    }
}

TEST(SettingsRows, HeaderFooterTemplatesReplaceThePageNumberAndFileNameRows)
{
    PrintSettings settings = defaults();
    settings.vertical = true;
    settings.useHeaderFooter = true;
    settings.showPageNumber = true;
    settings.headerLeft = u"&f";
    settings.headerRight = u"&d &t";
    settings.footerCenter = u"- &p / &P -";
    const auto rows = settingsRows(settings);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[0], (SettingsRow { u"縦書き", u"" }));
    const std::vector<SettingsRow> tail(rows.begin() + 13, rows.end());
    const std::vector<SettingsRow> expected = {
        { u"ヘッダ(左)", u"&f" },          { u"ヘッダ(中)", u"" }, { u"ヘッダ(右)", u"&d &t" }, { u"フッタ(左)", u"" },
        { u"フッタ(中)", u"- &p / &P -" }, { u"フッタ(右)", u"" },
    };
    EXPECT_EQ(tail, expected);
}

TEST(SettingsDescriptions, SizeFollowsTheBasis)
{
    PrintSettings settings = defaults();
    settings.linesPerColumn = 66;
    settings.fontPoints = 9;
    EXPECT_EQ(describeSize(settings), u"96 文字/行");
    settings.fontSizeBasis = FontSizeBasis::LinesPerColumn;
    EXPECT_EQ(describeSize(settings), u"66 行/段");
    settings.fontSizeBasis = FontSizeBasis::FontPoints;
    EXPECT_EQ(describeSize(settings), u"9 ポイント");
}

TEST(SettingsDescriptions, Range)
{
    struct Row
    {
        int startLine, endCondition, endValue;
        std::u16string text;
    };
    const Row rows[] = {
        { 0, EndCondition::ToEnd, 77, u"初めから、終わりまで" },
        { 9, EndCondition::ToLine, 20, u"10 行目から、20 行目まで" },
        { 0, EndCondition::LineCount, 5, u"初めから、5 行分" },
        { 1, EndCondition::PageCount, 3, u"2 行目から、3 ページ分" },
        { 2147483647, EndCondition::LineCount, 2147483647, u"2147483648 行目から、2147483647 行分" },
    };
    for (const auto& row : rows) {
        PrintSettings settings = defaults();
        settings.startLine = row.startLine;
        settings.endCondition = row.endCondition;
        settings.endValue = row.endValue;
        EXPECT_EQ(describeRange(settings), row.text);
    }
}

TEST(SettingsDescriptions, MarginsSpacingAndLineNumbers)
{
    PrintSettings settings = defaults();
    settings.marginTop = 20, settings.marginBottom = 15, settings.marginLeft = 25, settings.marginRight = 10;
    EXPECT_EQ(describeMargins(settings), u"なし");
    settings.useMargins = true;
    EXPECT_EQ(describeMargins(settings), u"20, 15, 25, 10");

    const char16_t* spacings[] = { u"なし", u"1/4行分", u"1/2行分", u"3/4行分", u"1行分" };
    for (int q = 0; q <= 4; ++q) {
        settings.lineSpacing = q;
        EXPECT_EQ(describeLineSpacing(settings), spacings[q]);
    }

    settings.lineNumberInterval = 1;
    EXPECT_EQ(describeLineNumbers(settings), u"4 桁");
    settings.lineNumberInterval = 10;
    EXPECT_EQ(describeLineNumbers(settings), u"10 行毎、4 桁");
    settings.lineNumberInterval = 0;
    EXPECT_EQ(describeLineNumbers(settings), u"なし");

    EXPECT_EQ(describeFlag(true), u"あり");
    EXPECT_EQ(describeFlag(false), u"なし");
}

} // namespace
} // namespace vantolex
