// The items that a text reader delivers.
#pragma once

namespace vantolex {

enum class LineKind : int
{
    Text = 0, // a line of text
    ColumnBreak = 1, // continue in the next column (on a new page after the last one)
    PageBreak = 2, // continue on a new page
};

struct TextLine
{
    LineKind kind = LineKind::Text;
    // For Text: the line, 0-terminated, without its line terminator; valid until the reader's next
    // nextLine(). Null for both breaks.
    const char16_t* text = nullptr;
};

} // namespace vantolex
