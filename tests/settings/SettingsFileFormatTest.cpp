#include <vector>

#include <gtest/gtest.h>

#include "settings/SettingsComparison.h"
#include "settings/SettingsFileFormat.h"

namespace vantolex {
namespace {

using test::differingFields;
using Lines = std::vector<std::u16string>;
using NoDifference = std::vector<std::string>;

void append(Lines& lines, const Lines& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

// A version 5 file: the version line, the unusual current record, the count line, then each name with a
// default record.
Lines fileWith(std::u16string countLine, const std::vector<std::u16string>& names)
{
    Lines lines { u"5" };
    append(lines, test::unusualRecordLines());
    lines.push_back(std::move(countLine));
    for (const std::u16string& name : names) {
        lines.push_back(name);
        append(lines, test::defaultRecordLines());
    }
    return lines;
}

std::vector<std::u16string> namesOf(const SettingsFileContents& contents)
{
    std::vector<std::u16string> names;
    for (const Preset& preset : contents.presets)
        names.push_back(preset.name);
    return names;
}

PrintSettings defaults()
{
    PrintSettings settings;
    settings.resetToDefaults();
    return settings;
}

TEST(ReadSettingsFile, ReadsCurrentSettingsAndPresetsInOrder)
{
    const auto contents = readSettingsFile(fileWith(u"2", { u"初期値", u"縦書き 2段" }));
    ASSERT_TRUE(contents);
    EXPECT_EQ(differingFields(contents->currentSettings, test::unusualSettings()), NoDifference {});
    EXPECT_EQ(namesOf(*contents), (std::vector<std::u16string> { u"初期値", u"縦書き 2段" }));
    for (const Preset& preset : contents->presets)
        EXPECT_EQ(differingFields(preset.settings, defaults()), NoDifference {});
}

TEST(ReadSettingsFile, PresetListEdges)
{
    const struct
    {
        const char* name;
        Lines lines;
        std::vector<std::u16string> expectedNames;
    } rows[] = {
        { "count 3 with two presets", fileWith(u"3", { u"a", u"b" }), { u"a", u"b" } },
        { "count 0 gives an empty list", fileWith(u"0", { u"a" }), {} },
        { "negative count gives an empty list", fileWith(u"-2", { u"a" }), {} },
        { "count without digits gives an empty list", fileWith(u"x", { u"a" }), {} },
        { "presets beyond the count are ignored", fileWith(u"1", { u"a", u"b" }), { u"a" } },
        { "a blank name stops the list", fileWith(u"3", { u"a", u"  \u3000", u"c" }), { u"a" } },
        { "an empty name stops the list", fileWith(u"2", { u"", u"b" }), {} },
        { "names are trimmed", fileWith(u"1", { u" \t名前 付き\u3000" }), { u"名前 付き" } },
        { "duplicate names stay", fileWith(u"2", { u"a", u"a" }), { u"a", u"a" } },
        { "count with white space and text", fileWith(u"  2 presets", { u"a", u"b" }), { u"a", u"b" } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto contents = readSettingsFile(row.lines);
        ASSERT_TRUE(contents);
        EXPECT_EQ(namesOf(*contents), row.expectedNames);
        EXPECT_EQ(differingFields(contents->currentSettings, test::unusualSettings()), NoDifference {});
    }
}

TEST(ReadSettingsFile, AnUnreadablePresetEndsTheList)
{
    Lines lines = fileWith(u"3", { u"a", u"b", u"c" });
    // Line 1 of preset b's record: version line, 15, count, a's 16, then b's name.
    const std::size_t presetB = 1 + 15 + 1 + 16 + 1;
    ASSERT_EQ(lines[presetB - 1], u"b");
    lines[presetB] = u"0,100,5,2,8,0,1"; // no characters per line: invalid
    const auto contents = readSettingsFile(lines);
    ASSERT_TRUE(contents);
    EXPECT_EQ(namesOf(*contents), std::vector<std::u16string> { u"a" });
}

TEST(ReadSettingsFile, APresetCutShortIsDropped)
{
    Lines lines = fileWith(u"2", { u"a", u"b" });
    lines.pop_back();
    const auto contents = readSettingsFile(lines);
    ASSERT_TRUE(contents);
    EXPECT_EQ(namesOf(*contents), std::vector<std::u16string> { u"a" });
}

TEST(ReadSettingsFile, NothingUsableResetsEverything)
{
    Lines noCount { u"5" };
    append(noCount, test::unusualRecordLines());
    Lines cutCurrent { u"5" };
    append(cutCurrent, test::unusualRecordLines());
    cutCurrent.pop_back();
    Lines version6 = fileWith(u"2", { u"a", u"b" });
    version6[0] = u"6";
    Lines versionMinus = fileWith(u"1", { u"a" });
    versionMinus[0] = u"-1";
    const struct
    {
        const char* name;
        Lines lines;
    } rows[] = {
        { "empty file", {} },
        { "version 6", version6 },
        { "version -1", versionMinus },
        { "no preset count line", noCount },
        { "current record cut short", cutCurrent },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(readSettingsFile(row.lines).has_value());
    }
}

TEST(ReadSettingsFile, AnInvalidCurrentRecordKeepsThePresetsAfterIt)
{
    const struct
    {
        const char* name;
        std::size_t line; // within the current record
        std::u16string text;
    } rows[] = {
        { "invalid value", 0, u"0,66,9,3,4,2,0" },
        { "unparsable first line", 0, u"garbage" },
        { "unparsable last numbers line", 8, u"" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Lines lines = fileWith(u"2", { u"a", u"b" });
        lines[1 + row.line] = row.text;
        const auto contents = readSettingsFile(lines);
        ASSERT_TRUE(contents);
        EXPECT_EQ(differingFields(contents->currentSettings, defaults()), NoDifference {});
        EXPECT_EQ(namesOf(*contents), (std::vector<std::u16string> { u"a", u"b" }));
    }
}

TEST(ReadSettingsFile, TellsWhetherTheWholeFileWasUnderstood)
{
    Lines invalidCurrent = fileWith(u"1", { u"a" });
    invalidCurrent[1] = u"0,66,9,3,4,2,0";
    Lines cutPreset = fileWith(u"2", { u"a", u"b" });
    cutPreset.pop_back();
    Lines trailingBlank = fileWith(u"1", { u"a" });
    trailingBlank.push_back(u" ");
    Lines trailingText = fileWith(u"1", { u"a" });
    trailingText.push_back(u"x");
    Lines versionWithText = fileWith(u"1", { u"a" });
    versionWithText[0] = u"5 new";
    const struct
    {
        const char* name;
        Lines lines;
        bool whole;
    } rows[] = {
        { "as written", fileWith(u"2", { u"a", u"b" }), true },
        { "count beyond the presets", fileWith(u"3", { u"a", u"b" }), true },
        { "blank lines after the last preset", trailingBlank, true },
        { "invalid current record", invalidCurrent, false },
        { "preset cut short", cutPreset, false },
        { "presets beyond the count", fileWith(u"1", { u"a", u"b" }), false },
        { "text after the last preset", trailingText, false },
        { "version line with more than the number, read as its number", versionWithText, true },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto contents = readSettingsFile(row.lines);
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->whole, row.whole);
    }
}

TEST(ReadSettingsFile, VersionLineTakesItsLeadingInteger)
{
    Lines lines = fileWith(u"1", { u"a" });
    lines[0] = u"  5 (written by a newer program)";
    const auto contents = readSettingsFile(lines);
    ASSERT_TRUE(contents);
    EXPECT_EQ(namesOf(*contents), std::vector<std::u16string> { u"a" });
}

TEST(ReadSettingsFile, OlderVersionsUseTheirRecordLayoutForPresetsToo)
{
    const Lines version2Record { u"80,66,9,3,4,2,0", u"9,120,2", u"0,5,6,1,1,1",      u"欧文",
                                 u"@ＭＳ ゴシック",  u"1",       u"1,10,11,12,13,3,5" };
    Lines lines { u"2" };
    append(lines, version2Record);
    lines.push_back(u"1");
    lines.push_back(u"古い設定");
    append(lines, version2Record);
    const auto contents = readSettingsFile(lines);
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->presets.size(), 1u);
    for (const PrintSettings* settings : { &contents->currentSettings, &contents->presets[0].settings }) {
        EXPECT_FALSE(settings->proportional);
        EXPECT_EQ(settings->separatorMethod, SeparatorMethod::ColumnBreak);
        EXPECT_EQ(settings->separatorLines, 0);
        EXPECT_FALSE(settings->useHeaderFooter);
        EXPECT_TRUE(settings->vertical);
    }
}

TEST(ReadLegacySettingsFile, ReadsTheSingleRecord)
{
    const Lines lines { u"80,66,9,3,4,2", u"9,120,2", u"0,1,6,1,1", u"欧文", u"@ＭＳ ゴシック", u"1,10,11,12,13" };
    const auto settings = readLegacySettingsFile(lines);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->charsPerLine, 80);
    EXPECT_EQ(settings->lineNumberInterval, 1);
    EXPECT_TRUE(settings->wrapLines);
    EXPECT_FALSE(readLegacySettingsFile(Lines(lines.begin(), lines.end() - 1)).has_value());
}

TEST(WriteSettingsFile, WritesVersionCountAndPresets)
{
    const Preset presets[] = { { u"初期値", defaults() }, { u"二番目", test::unusualSettings() } };
    const Lines lines = writeSettingsFile(test::unusualSettings(), presets);
    ASSERT_EQ(lines.size(), 49u);
    Lines expected { u"5" };
    append(expected, test::unusualRecordLines());
    expected.push_back(u"2");
    expected.push_back(u"初期値");
    append(expected, test::defaultRecordLines());
    expected.push_back(u"二番目");
    append(expected, test::unusualRecordLines());
    EXPECT_EQ(lines, expected);
}

TEST(WriteSettingsFile, WritesAnEmptyPresetListAsCountZero)
{
    const Lines lines = writeSettingsFile(defaults(), {});
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines.back(), u"0");
    const auto contents = readSettingsFile(lines);
    ASSERT_TRUE(contents);
    EXPECT_TRUE(contents->presets.empty());
}

TEST(WriteSettingsFile, ReadsBackAsWritten)
{
    PrintSettings current = test::unusualSettings();
    current.headerLeft = u"   "; // blank: read back as empty
    const Preset presets[] = { { u"b", test::unusualSettings() }, { u"a", defaults() }, { u"b", defaults() } };
    const auto contents = readSettingsFile(writeSettingsFile(current, presets));
    ASSERT_TRUE(contents);
    current.headerLeft.clear();
    EXPECT_EQ(differingFields(contents->currentSettings, current), NoDifference {});
    ASSERT_EQ(contents->presets.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(contents->presets[i].name, presets[i].name);
        EXPECT_EQ(differingFields(contents->presets[i].settings, presets[i].settings), NoDifference {});
    }
}

} // namespace
} // namespace vantolex
