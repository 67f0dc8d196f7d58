#include <vector>

#include <gtest/gtest.h>

#include "settings/SettingsComparison.h"
#include "settings/SettingsRecord.h"

namespace vantolex {
namespace {

using test::differingFields;
using Lines = std::vector<std::u16string>;

// unusualSettings() as a reader of `format` gives it: the fields the format does not store get their values
// for that format.
PrintSettings expectedFor(SettingsRecordFormat format)
{
    PrintSettings s = test::unusualSettings();
    const int version = format == SettingsRecordFormat::Legacy ? -1 : static_cast<int>(format);
    if (version < 0) {
        s.wrapLines = true;
        s.lineNumberInterval = 1;
    }
    if (version < 1)
        s.showFileName = false;
    if (version < 2) {
        s.vertical = false;
        s.lineSpacing = 1;
        s.columnSpacing = 8;
    }
    if (version < 3)
        s.proportional = false;
    if (version < 4) {
        s.separatorLines = 0;
        s.separatorMethod = SeparatorMethod::ColumnBreak;
    }
    if (version < 5) {
        s.useHeaderFooter = false;
        s.headerLeft = s.headerCenter = s.headerRight = s.footerLeft = s.footerCenter = s.footerRight = u"";
    }
    return s;
}

struct RecordRow
{
    const char* name;
    SettingsRecordFormat format;
    Lines lines;
};

// Hand-made records of every layout, each followed by a line that must not be read.
const RecordRow recordRows[] = {
    { "version 5", SettingsRecordFormat::Version5, test::unusualRecordLines() },
    { "version 4",
      SettingsRecordFormat::Version4,
      { u"80,66,9,3,4,2,0", u"9,120,2", u"0,5,6,1,1,1", u"欧文", u"@ＭＳ ゴシック", u"1,1", u"1,10,11,12,13,3,5",
        u"2,0" } },
    { "version 3",
      SettingsRecordFormat::Version3,
      { u"80,66,9,3,4,2,0", u"9,120,2", u"0,5,6,1,1,1", u"欧文", u"@ＭＳ ゴシック", u"1,1", u"1,10,11,12,13,3,5" } },
    { "version 2",
      SettingsRecordFormat::Version2,
      { u"80,66,9,3,4,2,0", u"9,120,2", u"0,5,6,1,1,1", u"欧文", u"@ＭＳ ゴシック", u"1", u"1,10,11,12,13,3,5" } },
    { "version 1",
      SettingsRecordFormat::Version1,
      { u"80,66,9,3,4,2,0", u"9,120,2", u"0,5,6,1,1,1", u"欧文", u"@ＭＳ ゴシック", u"1,10,11,12,13" } },
    { "version 0",
      SettingsRecordFormat::Version0,
      { u"80,66,9,3,4,2,0", u"9,120,2", u"0,5,6,1,1", u"欧文", u"@ＭＳ ゴシック", u"1,10,11,12,13" } },
    { "legacy with line-number flag 7",
      SettingsRecordFormat::Legacy,
      { u"80,66,9,3,4,2", u"9,120,2", u"0,7,6,1,1", u"欧文", u"@ＭＳ ゴシック", u"1,10,11,12,13" } },
};

TEST(ReadSettingsRecord, ReadsEveryLayoutAndFillsWhatItLacks)
{
    for (const RecordRow& row : recordRows) {
        SCOPED_TRACE(row.name);
        Lines lines = row.lines;
        lines.push_back(u"after the record");
        SettingsLines reader(lines);
        PrintSettings settings;
        settings.resetToDefaults();
        ASSERT_TRUE(readSettingsRecord(row.format, reader, settings));
        EXPECT_EQ(differingFields(settings, expectedFor(row.format)), std::vector<std::string> {});
        const std::u16string* next = reader.next();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(*next, u"after the record");
    }
}

TEST(ReadSettingsRecord, GivesTheValuesOfMissingFieldsEvenOverOtherValues)
{
    // A record read into a changed PrintSettings: the fields the layout lacks are set, not left as they were.
    for (const RecordRow& row : recordRows) {
        SCOPED_TRACE(row.name);
        SettingsLines reader(row.lines);
        PrintSettings settings = test::unusualSettings();
        settings.headerLeft = u"left over";
        settings.showFileName = true;
        ASSERT_TRUE(readSettingsRecord(row.format, reader, settings));
        EXPECT_EQ(differingFields(settings, expectedFor(row.format)), std::vector<std::string> {});
    }
}

TEST(ReadSettingsRecord, LegacyLineNumberFlagZeroMeansNoLineNumbers)
{
    const Lines lines = { u"80,66,9,3,4,2", u"9,120,2", u"0,0,6,1,1", u"欧文", u"@ＭＳ ゴシック", u"1,10,11,12,13" };
    SettingsLines reader(lines);
    PrintSettings settings;
    ASSERT_TRUE(readSettingsRecord(SettingsRecordFormat::Legacy, reader, settings));
    EXPECT_EQ(settings.lineNumberInterval, 0);
}

TEST(ReadSettingsRecord, TrimsFontsAndEmptiesBlankTemplatesOnly)
{
    Lines lines = test::defaultRecordLines();
    lines[3] = u" \u3000日本語\t";
    lines[4] = u"  ＭＳ 明朝 ";
    lines[9] = u"   "; // headerLeft: three spaces
    lines[10] = u" &p "; // headerCenter keeps its spaces
    lines[11] = u"\u3000"; // headerRight: an ideographic space is white space too
    lines[12] = u"  a  "; // footerLeft keeps its spaces
    SettingsLines reader(lines);
    PrintSettings settings;
    ASSERT_TRUE(readSettingsRecord(SettingsRecordFormat::Version5, reader, settings));
    EXPECT_EQ(settings.language, u"日本語");
    EXPECT_EQ(settings.fontName, u"ＭＳ 明朝");
    EXPECT_EQ(settings.headerLeft, u"");
    EXPECT_EQ(settings.headerCenter, u" &p ");
    EXPECT_EQ(settings.headerRight, u"");
    EXPECT_EQ(settings.footerLeft, u"  a  ");
}

TEST(ReadSettingsRecord, LineOneRulesOfSpacesCommasAndTrailingText)
{
    Lines spaceBeforeComma = test::defaultRecordLines();
    spaceBeforeComma[0] = u"96 ,100,5,2,8,0,1";
    Lines spacesAfterCommas = test::defaultRecordLines();
    spacesAfterCommas[0] = u"96, 100,  5,\t2, 8, 0, 1 and whatever follows,9";
    PrintSettings settings;
    SettingsLines failing(spaceBeforeComma);
    EXPECT_FALSE(readSettingsRecord(SettingsRecordFormat::Version5, failing, settings));
    SettingsLines passing(spacesAfterCommas);
    EXPECT_TRUE(readSettingsRecord(SettingsRecordFormat::Version5, passing, settings));
    EXPECT_EQ(settings.charsPerLine, 96);
    EXPECT_TRUE(settings.wrapLines);
}

TEST(ReadSettingsRecord, FailsOnEachBadLineAndStillTakesTheWholeRecord)
{
    // Every numbers line of the version 5 layout, made unreadable in turn.
    for (std::size_t index : { 0u, 1u, 2u, 5u, 6u, 7u, 8u }) {
        SCOPED_TRACE(index);
        Lines lines = test::defaultRecordLines();
        lines[index] = u"x";
        lines.push_back(u"next");
        SettingsLines reader(lines);
        PrintSettings settings;
        EXPECT_FALSE(readSettingsRecord(SettingsRecordFormat::Version5, reader, settings));
        const std::u16string* next = reader.next();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(*next, u"next");
    }
}

TEST(ReadSettingsRecord, FailsWhenALineHasOneNumberTooFew)
{
    const struct
    {
        std::size_t index;
        std::u16string line;
    } rows[] = { { 0, u"96,100,5,2,8,0" },  { 1, u"0,0" }, { 2, u"1,0,4,0,0" }, { 5, u"0" },
                 { 6, u"0,20,20,20,20,1" }, { 7, u"0" },   { 8, u"" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        Lines lines = test::defaultRecordLines();
        lines[row.index] = row.line;
        SettingsLines reader(lines);
        PrintSettings settings;
        EXPECT_FALSE(readSettingsRecord(SettingsRecordFormat::Version5, reader, settings));
    }
}

TEST(ReadSettingsRecord, FailsWhenTheFileEndsInsideTheRecord)
{
    for (const RecordRow& row : recordRows) {
        SCOPED_TRACE(row.name);
        Lines lines = row.lines;
        lines.pop_back();
        SettingsLines reader(lines);
        PrintSettings settings;
        EXPECT_FALSE(readSettingsRecord(row.format, reader, settings));
    }
}

TEST(ReadSettingsRecord, FailsForARecordThatIsNotValid)
{
    const struct
    {
        const char* name;
        std::size_t index;
        std::u16string line;
    } rows[] = {
        { "zero characters per line", 0, u"0,100,5,2,8,0,1" },
        { "end line before the start line", 1, u"9,9,2" },
        { "line-number interval 3", 2, u"1,3,4,0,0,0" },
        { "empty language", 3, u"  " },
        { "empty font name", 4, u"" },
        { "margin 51", 6, u"0,20,20,51,20,1,8" },
        { "separator method 3", 7, u"0,3" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Lines lines = test::defaultRecordLines();
        lines[row.index] = row.line;
        SettingsLines reader(lines);
        PrintSettings settings;
        EXPECT_FALSE(readSettingsRecord(SettingsRecordFormat::Version5, reader, settings));
    }
}

TEST(WriteSettingsRecord, WritesTheVersionFiveLayout)
{
    std::vector<std::u16string> lines { u"before" };
    writeSettingsRecord(test::unusualSettings(), lines);
    Lines expected { u"before" };
    for (const std::u16string& line : test::unusualRecordLines())
        expected.push_back(line);
    EXPECT_EQ(lines, expected);
}

TEST(WriteSettingsRecord, WritesDefaultsAndNegativeNumbersWithoutSpaces)
{
    PrintSettings settings;
    settings.resetToDefaults();
    std::vector<std::u16string> lines;
    writeSettingsRecord(settings, lines);
    EXPECT_EQ(lines, test::defaultRecordLines());

    settings.startLine = -7;
    settings.charsPerLine = -2147483647 - 1;
    settings.headerRight = u"   ";
    lines.clear();
    writeSettingsRecord(settings, lines);
    EXPECT_EQ(lines[0], u"-2147483648,100,5,2,8,0,1");
    EXPECT_EQ(lines[1], u"-7,0,0");
    EXPECT_EQ(lines[11], u"   ");
}

} // namespace
} // namespace vantolex
