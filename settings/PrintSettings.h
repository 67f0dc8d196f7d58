// The one record that describes a complete print job configuration, with its defaults and validation.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "input/SeparatorMethod.h"
#include "settings/FontDescription.h"
#include "settings/LayoutOptions.h"

namespace vantolex {

// Which of charsPerLine, linesPerColumn and fontPoints fixes the font size. Stored as a plain int: the
// numbers are part of the settings file format.
struct FontSizeBasis
{
    enum Value : int
    {
        CharsPerLine = 0,
        LinesPerColumn = 1,
        FontPoints = 2,
    };
};

// Where printing stops; endValue is the count or line number of the last three.
struct EndCondition
{
    enum Value : int
    {
        ToEnd = 0, // to the end of the text
        LineCount = 1, // endValue lines from the start line
        ToLine = 2, // up to and including line endValue, counted from 1
        PageCount = 3, // endValue pages
    };
};

// The line-number intervals in the order of the line-number choice list; the list position indexes this.
inline constexpr int lineNumberIntervals[] = { 0, 1, 5, 10, 20, 50, 100 };

// Upper bound of the four margins and of the column spacing, in millimetres.
inline constexpr int maxMarginMillimetres = 50;

struct PrintSettings
{
    int charsPerLine = 96; // 1..999
    int linesPerColumn = 100; // 1..999
    int fontPoints = 5; // 1..999, binding with fontSizeBasis FontPoints
    int columns = 2; // 1..9
    int tabWidth = 8; // tab stop distance in characters, 1..99
    bool wrapLines = true;
    int fontSizeBasis = FontSizeBasis::CharsPerLine;
    int startLine = 0; // first line to print, counted from 0
    int endValue = 0; // see endCondition
    int endCondition = EndCondition::ToEnd;
    bool showInfo = true; // show the details before a printer run
    int lineNumberInterval = 0; // one of lineNumberIntervals; 0 = no line numbers
    int lineNumberDigits = 4; // 1..9
    bool columnSeparator = false;
    bool showPageNumber = false; // when not useHeaderFooter
    bool showFileName = false; // when not useHeaderFooter
    std::u16string language = u"日本語";
    std::u16string fontName = u"ＭＳ 明朝";
    // The description of the chosen face, a copy of the font catalogue's; empty until the font page (or
    // the command-line tool) chooses a face, and empty when no installed face passes its filter. Never
    // written to the settings file.
    std::optional<FontDescription> fontDescriptor;
    bool vertical = false;
    bool proportional = false;
    bool useMargins = false;
    int marginTop = 20; // millimetres, 0..50
    int marginBottom = 20; // millimetres, 0..50
    int marginLeft = 20; // millimetres, 0..50
    int marginRight = 20; // millimetres, 0..50
    int lineSpacing = 1; // extra space between lines in quarter lines, 0..4
    int columnSpacing = 8; // gap between columns in millimetres, 0..50
    int separatorLines = 0; // with separatorMethod BlankLines, >= 0
    int separatorMethod = SeparatorMethod::ColumnBreak;
    bool useHeaderFooter = false;
    std::u16string headerLeft;
    std::u16string headerCenter;
    std::u16string headerRight;
    std::u16string footerLeft;
    std::u16string footerCenter;
    std::u16string footerRight;
    // The options of the options file (or of the command line) for this run. Never written to the settings
    // file: whoever starts a run puts the current options in.
    LayoutOptions layoutOptions;

    // Every field but fontDescriptor and layoutOptions back to its default.
    void resetToDefaults();

    // The six templates in their order: header left, centre and right, then footer left, centre and right.
    std::array<const std::u16string*, 6> templates() const
    {
        return { &headerLeft, &headerCenter, &headerRight, &footerLeft, &footerCenter, &footerRight };
    }
    std::array<std::u16string*, 6> templates()
    {
        return { &headerLeft, &headerCenter, &headerRight, &footerLeft, &footerCenter, &footerRight };
    }
};

// Checks every range. Returns true and leaves `message` empty when all hold; otherwise returns false and
// sets `message` to the combined text: the range failures in field order, internal failures last.
bool validate(std::u16string& message, const PrintSettings& settings);

// validate() without the message.
bool isValid(const PrintSettings& settings);

} // namespace vantolex
