// How two parts of a multi-part text are separated: the multi reader's own parameter, stored in the print
// settings as a plain int (the numbers are part of the settings file format).
#pragma once

namespace vantolex {

struct SeparatorMethod
{
    enum Value : int
    {
        BlankLines = 0, // separatorLines empty lines
        ColumnBreak = 1, // continue in the next column
        PageBreak = 2, // continue on a new page
    };
};

} // namespace vantolex
