// The layout options that the settings file cannot hold: kept in the options file beside it (vantolex.ini),
// given for one run on the command line, and taken by every print and preview. Both are off by default, and
// off they change nothing of the layout.
#pragma once

namespace vantolex {

struct LayoutOptions
{
    // Japanese line breaking on wrapped lines: no display line made by wrapping starts with a character
    // that may not start a line, and none ends with one that may not end it (layout/LineBreakRules.h).
    bool kinsoku = false;
    // A surrogate pair is one character of its own width instead of two unprintable units.
    bool supplementary = false;

    bool operator==(const LayoutOptions&) const = default;
};

} // namespace vantolex
