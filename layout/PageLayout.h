// The page layout of one output: the grid, the header and footer, the line range and the font, computed
// once from the settings, the printer and the source title before any text is placed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "layout/Clock.h"
#include "layout/Device.h"
#include "layout/PageGrid.h"
#include "layout/Term.h"
#include "settings/FontDescription.h"
#include "settings/PrintSettings.h"

namespace vantolex {

// Positions of the six term lists in PageLayout::termLists.
enum TermListIndex : int
{
    HeaderLeft = 0,
    HeaderCenter = 1,
    HeaderRight = 2,
    FooterLeft = 3,
    FooterCenter = 4,
    FooterRight = 5,
};

// The grid fields come from PageGrid (pageWidth ... columnLines). One per output, owned by it; the preview
// window keeps a copy (the term lists copy their terms).
struct PageLayout : PageGrid
{
    int lastLine = 0; // source line after which the run ends; 0 = no line limit
    std::u16string lineNumberFormat; // e.g. "%4d:" for four digits; empty without line numbers
    bool hasHeader = false; // a header line is printed
    bool hasFooter = false; // a footer line is printed
    std::u16string fileName; // last path component of the source title
    std::array<TermList, 6> termLists; // indexed by TermListIndex
    int totalPages = 0; // 0 until a buffered output completes its pages
    // What drawing needs of the settings, copied so that a layout kept on screen does not follow later
    // edits of the settings it was made from.
    int columns = 1; // columns per page
    bool vertical = false; // vertical writing: columns run top to bottom, lines right to left
    bool columnSeparator = false; // a dashed line in the middle of each gap between columns
    bool proportional = false; // glyphs advance by their own widths; else each sits on the cells it was given
    // The completed description of the print font (height -charHeight, width 0, escapement 0 or 2700). The
    // layout keeps its own copy so that a later run cannot change the font of a preview still on screen;
    // every font drawn or measured for this layout is made from it.
    FontDescription font;
};

// The layout for printing `title` with `settings` on `device`. Parses the header and footer templates
// (with `clock` for "&d" and "&t"), computes the grid (computePageGrid), the line-number format and the last
// line, and completes its own copy of settings.fontDescriptor; the settings are only read. Throws Warning
// with the message of the first failing check (layoutText::noPrintFont without a font description). The
// settings must be valid.
PageLayout computeLayout(const Device& device, const PrintSettings& settings, std::u16string_view title,
                         const Clock& clock);

// The last path component of `path`: the text after the last "/" that is not the final character.
std::u16string lastPathComponent(std::u16string_view path);

// `format` with its "%Nd" conversion filled with `value` right-aligned in N characters (a longer number is
// written whole) and "%%" as "%"; other text is copied.
std::u16string applyLineNumberFormat(std::u16string_view format, int value);

} // namespace vantolex
