// The engine with the layout options: kinsoku at every character of both prohibited classes, horizontal and
// vertical, with line numbers; the limits of the carry; characters beyond the BMP, alone and carried.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "base/UnicodeTables.h"
#include "input/CodePage932.h"
#include "layout/LineBreakRules.h"

namespace vantolex {
namespace {

using test::Grid;
using test::OutputKeeping;
using Texts = std::vector<std::string>;

Texts placeLines(Grid& grid, const std::vector<std::u16string>& lines)
{
    OutputKeeping output(grid.device, grid.settings);
    int number = 0;
    for (const std::u16string& line : lines)
        output.putLine(++number, line);
    return output.allTexts();
}

// A grid of 13 cells a line, the first 3 the line-number field: 10 cells of text. Vertical writing has
// the same cells along a column that runs down.
Grid numberedGrid(bool vertical)
{
    Grid grid(13, 20);
    grid.settings.lineNumberInterval = 1;
    grid.settings.lineNumberDigits = 2;
    grid.settings.layoutOptions.kinsoku = true;
    if (vertical) {
        grid.settings.vertical = true;
        grid.device = RecordingDevice({ 20 * 200, 14 * 100, 600, 600 });
    }
    return grid;
}

int cellsOf(char16_t character)
{
    return isDoubleWidth(character) ? 2 : 1;
}

// `cells` cells of ideographs, with a half-width "a" for an odd count.
std::u16string filler(int cells)
{
    std::u16string text(static_cast<std::size_t>(cells / 2), u'一');
    if (cells % 2 != 0)
        text += u'a';
    return text;
}

class KinsokuClasses : public ::testing::TestWithParam<bool>
{
};

TEST_P(KinsokuClasses, NoWrappedLineStartsWithALineStartProhibitedCharacter)
{
    for (const char16_t character : lineStartProhibited) {
        const std::u16string c(1, character);
        SCOPED_TRACE(toUtf8(c));
        Grid grid = numberedGrid(GetParam());
        // The full line's last ideograph goes along with the character.
        EXPECT_EQ(placeLines(grid, { filler(10) + c + u"x" }),
                  (Texts { " 1:" + toUtf8(filler(8)), "   一" + toUtf8(c) + "x" }));
    }
}

TEST_P(KinsokuClasses, NoWrappedLineEndsWithALineEndProhibitedCharacter)
{
    for (const char16_t character : lineEndProhibited) {
        const std::u16string c(1, character);
        SCOPED_TRACE(toUtf8(c));
        Grid grid = numberedGrid(GetParam());
        const std::u16string before = filler(10 - cellsOf(character));
        EXPECT_EQ(placeLines(grid, { before + c + u"二" }),
                  (Texts { " 1:" + toUtf8(before), "   " + toUtf8(c) + "二" }));
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, KinsokuClasses, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& row) {
                             return row.param ? "Vertical" : "Horizontal";
                         });

TEST(Kinsoku, CarriesAsFewAsTheRulesNeedAcrossAChain)
{
    Grid grid(10, 20);
    grid.settings.layoutOptions.kinsoku = true;
    // 」 may not start the line, 。 before it neither, and 「 may not end the line before them.
    EXPECT_EQ(placeLines(grid, { u"一二三「四。」五" }), (Texts { "一二三", "「四。」五" }));
    EXPECT_EQ(placeLines(grid, { u"一二三四五。" }), (Texts { "一二三四", "五。" }));
}

TEST(Kinsoku, WrapsPlainlyWhereACarryWouldEmptyTheLineOrNotFit)
{
    Grid grid(6, 20);
    grid.settings.layoutOptions.kinsoku = true;
    EXPECT_EQ(placeLines(grid, { u"「「「一" }), (Texts { "「「「", "一" }));
    // 」 overhangs the last cell; carrying 二」 with the second 」 would fill the continuation line, which the
    // engine's own test refuses: the plain wrap, indented after the overhang.
    Grid narrow(4, 20);
    narrow.settings.layoutOptions.kinsoku = true;
    EXPECT_EQ(placeLines(narrow, { u"a二」」" }), (Texts { "a二」", " 」" }));
}

TEST(Kinsoku, LeavesHardLineStartsCutLinesAndTheOptionOff)
{
    Grid grid(10, 20);
    grid.settings.layoutOptions.kinsoku = true;
    EXPECT_EQ(placeLines(grid, { u"」で始まる" }), (Texts { "」で始まる" }));
    grid.settings.wrapLines = false;
    EXPECT_EQ(placeLines(grid, { u"一二三四五」六" }), (Texts { "一二三四五" }));
    grid.settings.wrapLines = true;
    grid.settings.layoutOptions.kinsoku = false;
    EXPECT_EQ(placeLines(grid, { u"一二三四五」六" }), (Texts { "一二三四五", "」六" }));
}

TEST(Kinsoku, ProportionalFontCarriesOnMeasuredWidths)
{
    Grid grid(10, 20, 1, RecordingMeasure::Proportional);
    grid.settings.proportional = true;
    grid.settings.layoutOptions.kinsoku = true;
    grid.device.setMeasure(
        [](const FontDescription&, std::u16string_view text) { return static_cast<int>(text.size()) * 100; });
    // Ten units stay below 1100 pixels; the eleventh, 」, would start the next line.
    EXPECT_EQ(placeLines(grid, { u"abcdefghij」k" }), (Texts { "abcdefghi", "j」k" }));
}

TEST(Supplementary, PairIsOneCharacterOfItsOwnWidth)
{
    Grid grid(4, 20);
    EXPECT_EQ(placeLines(grid, { u"𠮷野家" }), (Texts { "･･野", "家" }));
    grid.settings.layoutOptions.supplementary = true;
    EXPECT_EQ(placeLines(grid, { u"𠮷野家", u"𩸽𠀋" }), (Texts { "𠮷野", "家", "𩸽𠀋" }));
    // U+10000 is narrow: one cell each.
    EXPECT_EQ(placeLines(grid, { u"\U00010000\U00010000\U00010000\U00010000\U00010000" }),
              (Texts { "\U00010000\U00010000\U00010000\U00010000", "\U00010000" }));
}

TEST(Supplementary, LoneSurrogatesAndUnprintablePairsStayMiddleDots)
{
    Grid grid(20, 20);
    grid.settings.layoutOptions.supplementary = true;
    const std::u16string lone = { u'a', u'\xD842', u'b', u'\xDFB7', u'\xDFB7', u'\xD842' };
    // A private-use pair of plane 15 and a tag character are one unprintable character each.
    EXPECT_EQ(placeLines(grid, { lone, u"\U000F0000\U000E0001c" }), (Texts { "a･b･･･", "･･c" }));
}

TEST(Supplementary, PairIsCarriedWhole)
{
    Grid grid(4, 20);
    grid.settings.layoutOptions = { true, true };
    EXPECT_EQ(placeLines(grid, { u"野𠮷」" }), (Texts { "野", "𠮷」" }));
}

// The lines of a file of the project's data, Shift JIS or UTF-8, CR LF or LF.
std::vector<std::u16string> dataLines(const char* path, bool shiftJis)
{
    std::ifstream in(std::filesystem::path(VANTOLEX_SOURCE_DIR) / path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::u16string text = shiftJis ? cp932::decode(bytes.str()) : fromUtf8(bytes.str());
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u'\n', start)) != std::u16string::npos; start = end + 1)
        lines.push_back(text.substr(start, end > start && text[end - 1] == u'\r' ? end - 1 - start : end - start));
    return lines;
}

// The display lines made by wrapping that start or end with a prohibited character, on the grid of the
// demo (two columns of 44 cells, line numbers every 5 lines in 4 digits).
int brokenWraps(const std::vector<std::u16string>& source, bool kinsoku, int& displayLines)
{
    Grid grid(44, 100, 2);
    grid.settings.lineNumberInterval = 5;
    grid.settings.lineNumberDigits = 4;
    grid.settings.layoutOptions.kinsoku = kinsoku;
    OutputKeeping output(grid.device, grid.settings);
    int broken = 0;
    std::size_t first = 0;
    for (std::size_t index = 0; index < source.size(); ++index) {
        output.putLine(static_cast<int>(index) + 1, source[index]);
        const std::vector<std::u16string> lines = [&] {
            std::vector<std::u16string> texts;
            for (const std::string& text : output.allTexts())
                texts.push_back(fromUtf8(text));
            return texts;
        }();
        for (std::size_t at = first; at < lines.size(); ++at) {
            const std::u16string text = lines[at].substr(5); // without the line-number field
            const std::size_t start = text.find_first_not_of(u' ');
            if (at > first && start != std::u16string::npos && mayNotStartLine(text[start]))
                ++broken;
            if (at + 1 < lines.size() && !text.empty() && mayNotEndLine(text.back()))
                ++broken;
        }
        first = lines.size();
    }
    displayLines = static_cast<int>(first);
    return broken;
}

TEST(Kinsoku, RealTextsWrapWithoutAProhibitedLineStartOrEnd)
{
    struct Text
    {
        const char* path;
        bool shiftJis;
    };
    for (const Text& text :
         { Text { "data/sample/sample-sjis.txt", true }, Text { "data/soseki/wagahai-wa-neko-de-aru.txt", false } }) {
        SCOPED_TRACE(text.path);
        const std::vector<std::u16string> source = dataLines(text.path, text.shiftJis);
        ASSERT_GT(source.size(), 10U);
        int linesOff = 0;
        int linesOn = 0;
        EXPECT_GT(brokenWraps(source, false, linesOff), 0) << "the text shows nothing without kinsoku";
        EXPECT_EQ(brokenWraps(source, true, linesOn), 0);
        // Oidashi makes a line at most as long as before: a carry can add a display line, never take one.
        EXPECT_GE(linesOn, linesOff);
    }
}

} // namespace
} // namespace vantolex
