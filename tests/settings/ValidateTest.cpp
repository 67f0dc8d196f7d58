#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "settings/PrintSettings.h"

namespace vantolex {
namespace {

const std::u16string head = u"設定値が正しくありません。\n";

struct ValidationRow
{
    const char* name;
    std::function<void(PrintSettings&)> change;
    std::u16string message; // empty: valid
};

TEST(Validate, SingleFailuresGiveTheirItem)
{
    const ValidationRow rows[] = {
        { "defaults", [](PrintSettings&) {}, u"" },
        { "chars 0", [](PrintSettings& s) { s.charsPerLine = 0; }, head + u"\n文字数（1～999）" },
        { "chars 999", [](PrintSettings& s) { s.charsPerLine = 999; }, u"" },
        { "chars 1000", [](PrintSettings& s) { s.charsPerLine = 1000; }, head + u"\n文字数（1～999）" },
        { "lines 0", [](PrintSettings& s) { s.linesPerColumn = 0; }, head + u"\n行数（1～999）" },
        { "points 1000", [](PrintSettings& s) { s.fontPoints = 1000; }, head + u"\nフォントサイズ（1～999）" },
        { "columns 10", [](PrintSettings& s) { s.columns = 10; }, head + u"\n段組数（1～9）" },
        { "columns 9", [](PrintSettings& s) { s.columns = 9; }, u"" },
        { "tab 100", [](PrintSettings& s) { s.tabWidth = 100; }, head + u"\nタブ幅（1～99）" },
        { "basis 3", [](PrintSettings& s) { s.fontSizeBasis = 3; }, head + u"\n\n異常：フォントサイズ計算基準" },
        { "basis -1", [](PrintSettings& s) { s.fontSizeBasis = -1; }, head + u"\n\n異常：フォントサイズ計算基準" },
        { "start -1", [](PrintSettings& s) { s.startLine = -1; }, head + u"\n印刷開始行（1～）" },
        { "end condition 4", [](PrintSettings& s) { s.endCondition = 4; }, head + u"\n\n異常：印刷終了条件" },
        { "to end ignores end value", [](PrintSettings& s) { s.endValue = INT_MIN; }, u"" },
        { "line count 0", [](PrintSettings& s) { s.endCondition = EndCondition::LineCount; },
          head + u"\n印刷行数（1～）" },
        { "line count 1", [](PrintSettings& s) { s.endCondition = EndCondition::LineCount, s.endValue = 1; }, u"" },
        { "to line 0 from start 0", [](PrintSettings& s) { s.endCondition = EndCondition::ToLine; },
          head + u"\n印刷終了行（印刷開始行～）" },
        { "to line 1 from start 0", [](PrintSettings& s) { s.endCondition = EndCondition::ToLine, s.endValue = 1; },
          u"" },
        { "to line 9 from start 9",
          [](PrintSettings& s) { s.endCondition = EndCondition::ToLine, s.startLine = 9, s.endValue = 9; },
          head + u"\n印刷終了行（印刷開始行～）" },
        { "to line 10 from start 9",
          [](PrintSettings& s) { s.endCondition = EndCondition::ToLine, s.startLine = 9, s.endValue = 10; }, u"" },
        { "to line from the largest start",
          [](PrintSettings& s) { s.endCondition = EndCondition::ToLine, s.startLine = INT_MAX, s.endValue = INT_MAX; },
          head + u"\n印刷終了行（印刷開始行～）" },
        { "page count 0", [](PrintSettings& s) { s.endCondition = EndCondition::PageCount; },
          head + u"\n印刷ページ数（1～）" },
        { "interval 3", [](PrintSettings& s) { s.lineNumberInterval = 3; }, head + u"\n行番号" },
        { "interval 100", [](PrintSettings& s) { s.lineNumberInterval = 100; }, u"" },
        { "digits 0 without line numbers", [](PrintSettings& s) { s.lineNumberDigits = 0; },
          head + u"\n行番号桁数（1～9）" },
        { "digits 10", [](PrintSettings& s) { s.lineNumberDigits = 10; }, head + u"\n行番号桁数（1～9）" },
        { "font name empty", [](PrintSettings& s) { s.fontName.clear(); }, head + u"\nフォント名" },
        { "language empty", [](PrintSettings& s) { s.language.clear(); }, head + u"\nフォント名" },
        { "both font strings empty give one item", [](PrintSettings& s) { s.fontName.clear(), s.language.clear(); },
          head + u"\nフォント名" },
        { "top 51", [](PrintSettings& s) { s.marginTop = 51; }, head + u"\n余白：上（0～50）" },
        { "bottom -1", [](PrintSettings& s) { s.marginBottom = -1; }, head + u"\n余白：下（0～50）" },
        { "left 51 without margins", [](PrintSettings& s) { s.marginLeft = 51; }, head + u"\n余白：左（0～50）" },
        { "right 50", [](PrintSettings& s) { s.marginRight = 50; }, u"" },
        { "right 51", [](PrintSettings& s) { s.marginRight = 51; }, head + u"\n余白：右（0～50）" },
        { "spacing 5", [](PrintSettings& s) { s.lineSpacing = 5; }, head + u"\n行間（0～4）" },
        { "column spacing 51", [](PrintSettings& s) { s.columnSpacing = 51; }, head + u"\n段落間（0～50）" },
        { "separator lines -1", [](PrintSettings& s) { s.separatorLines = -1; },
          head + u"\n複数テキスト区切り行数（0～）" },
        { "separator method 3", [](PrintSettings& s) { s.separatorMethod = 3; },
          head + u"\n\n異常：複数テキスト区切り方法" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PrintSettings settings;
        settings.resetToDefaults();
        row.change(settings);
        std::u16string message = u"stale";
        EXPECT_EQ(validate(message, settings), row.message.empty());
        EXPECT_EQ(message, row.message);
        EXPECT_EQ(isValid(settings), row.message.empty());
    }
}

TEST(Validate, CombinesRangeItemsInOrderAndInternalItemsLast)
{
    PrintSettings settings;
    settings.charsPerLine = 0;
    settings.endCondition = 7;
    std::u16string message;
    EXPECT_FALSE(validate(message, settings));
    EXPECT_EQ(message, u"設定値が正しくありません。\n\n文字数（1～999）\n\n異常：印刷終了条件");

    settings.resetToDefaults();
    settings.separatorMethod = -1;
    settings.fontSizeBasis = 5;
    settings.columnSpacing = 99;
    settings.tabWidth = 0;
    settings.marginLeft = 51;
    settings.marginTop = -3;
    EXPECT_FALSE(validate(message, settings));
    EXPECT_EQ(message,
              head
                  + u"\nタブ幅（1～99）\n余白：上（0～50）\n余白：左（0～50）\n段落間（0～50）"
                    u"\n\n異常：フォントサイズ計算基準\n異常：複数テキスト区切り方法");
}

TEST(Validate, OnlyTheMatchingEndCheckRuns)
{
    PrintSettings settings;
    settings.endCondition = EndCondition::PageCount;
    settings.endValue = 1;
    settings.startLine = 50; // would fail the end-line check, which does not run for a page count
    EXPECT_TRUE(isValid(settings));
}

} // namespace
} // namespace vantolex
