#include "LayoutInvariants.h"

#include <algorithm>
#include <set>
#include <utility>

#include "base/UnicodeTables.h"
#include "base/Utf16.h"

namespace vantolex::test {

namespace {

constexpr char16_t unprintableMark = u'\uFF65';

struct Checks
{
    std::vector<std::string> failures;

    void expect(bool holds, const std::string& what)
    {
        if (!holds)
            failures.push_back(what);
    }
};

std::string where(int page, const nlohmann::json& line)
{
    return "page " + std::to_string(page) + ", column " + line.at("column").dump() + ", line " + line.at("line").dump()
        + ": ";
}

bool isPairAt(std::u16string_view text, std::size_t at)
{
    return at + 1 < text.size() && text[at] >= 0xD800 && text[at] < 0xDC00 && text[at + 1] >= 0xDC00
        && text[at + 1] < 0xE000;
}

char32_t pairAt(std::u16string_view text, std::size_t at)
{
    return 0x10000 + ((static_cast<char32_t>(text[at]) - 0xD800) << 10) + (text[at + 1] - 0xDC00);
}

// A surrogate pair in a display line is there only with the layout option supplementary.
int cellsOf(std::u16string_view text)
{
    int cells = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (isPairAt(text, at)) {
            cells += isWideSupplementary(pairAt(text, at)) ? 2 : 1;
            ++at;
        } else {
            cells += isDoubleWidth(text[at]) ? 2 : 1;
        }
    }
    return cells;
}

// The units that stand for characters of the text: spaces (tab stops, indents) left out.
void appendCharacters(std::u16string& characters, std::u16string_view text)
{
    for (char16_t unit : text) {
        if (unit != u' ' && unit != u'\t')
            characters += unit;
    }
}

void checkArea(Checks& checks, const nlohmann::json& layout, const PrintSettings& settings)
{
    const int originX = layout.at("originX");
    const int originY = layout.at("originY");
    const int areaWidth = layout.at("areaWidth");
    const int areaHeight = layout.at("areaHeight");
    const int columnLength = layout.at("columnLength");
    const int columnGap = layout.at("columnGap");
    const int lineAdvance = layout.at("charHeight").get<int>() + layout.at("lineGap").get<int>();
    const int columnLines = layout.at("columnLines");
    const int columns = settings.columns;
    // Vertical writing: originX is the right edge, lines run leftwards and the columns stack downwards.
    const int left = settings.vertical ? originX - areaWidth : originX;
    checks.expect(left >= 0 && left + areaWidth <= layout.at("pageWidth").get<int>(), "text area wider than the page");
    checks.expect(originY >= 0 && originY + areaHeight <= layout.at("pageHeight").get<int>(),
                  "text area taller than the page");
    const int alongColumns = settings.vertical ? areaHeight : areaWidth;
    const int acrossLines = settings.vertical ? areaWidth : areaHeight;
    const int lastColumnStart = (columns - 1) * (columnGap + alongColumns) / columns;
    checks.expect(lastColumnStart + columnLength <= alongColumns, "the last column leaves the text area");
    checks.expect((columnLines - 1) * lineAdvance + layout.at("charHeight").get<int>() <= acrossLines,
                  "the last line leaves the text area");
}

} // namespace

std::vector<std::string> layoutInvariantFailures(const nlohmann::json& document, const PrintSettings& settings,
                                                 const std::u16string& placedText)
{
    Checks checks;
    const nlohmann::json& layout = document.at("layout");
    const nlohmann::json& pages = document.at("pages");
    checkArea(checks, layout, settings);

    checks.expect(pages.size() == layout.at("totalPages").get<std::size_t>(), "pages listed are not totalPages");
    const int columnLines = layout.at("columnLines");
    const int cellsPerLine = layout.at("cellsPerLine");
    const int fieldWidth = settings.lineNumberInterval != 0 ? settings.lineNumberDigits + 1 : 0;
    std::u16string placed;
    int expectedNumber = 1;
    for (const nlohmann::json& page : pages) {
        const int number = page.at("number");
        checks.expect(number == expectedNumber++, "page " + std::to_string(number) + " out of sequence");
        std::pair<int, int> previous { -1, -1 };
        for (const nlohmann::json& line : page.at("lines")) {
            const std::pair<int, int> place { line.at("column"), line.at("line") };
            checks.expect(place.first >= 0 && place.first < settings.columns && place.second >= 0
                              && place.second < columnLines,
                          where(number, line) + "off the grid");
            checks.expect(place > previous, where(number, line) + "not after the line before it");
            previous = place;
            const std::u16string text = fromUtf8(line.at("text").get<std::string>());
            if (!settings.proportional)
                checks.expect(cellsOf(text) <= cellsPerLine + 1, where(number, line) + "wider than the column");
            appendCharacters(placed, std::u16string_view(text).substr(std::min(text.size(), std::size_t(fieldWidth))));
        }
    }

    std::u16string expected;
    for (std::size_t at = 0; at < placedText.size(); ++at) {
        const char16_t unit = placedText[at];
        if (settings.layoutOptions.supplementary && isPairAt(placedText, at)) {
            // One character: itself when printable, else one mark.
            if (settings.proportional || isPrintableSupplementary(pairAt(placedText, at)))
                expected.append(placedText, at, 2);
            else
                expected += unprintableMark;
            ++at;
            continue;
        }
        expected += settings.proportional || isPrintable(unit) || unit == u'\t' ? unit : unprintableMark;
    }
    std::u16string characters;
    appendCharacters(characters, expected);
    const bool wholeText
        = settings.wrapLines && settings.startLine == 0 && settings.endCondition == EndCondition::ToEnd;
    if (wholeText) {
        checks.expect(placed == characters, "the placed characters are not the text's: " + toUtf8(placed));
    } else {
        std::size_t at = 0;
        for (char16_t unit : placed) {
            at = characters.find(unit, at);
            if (at == std::u16string::npos)
                break;
            ++at;
        }
        checks.expect(at != std::u16string::npos, "a placed character is not the text's, or out of order");
    }
    return checks.failures;
}

} // namespace vantolex::test
