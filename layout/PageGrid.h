// The page grid: from the printer's printable area and resolution and the print settings to the text area,
// the columns, the cells per line, the lines per column and the character size, in device pixels.
#pragma once

#include "layout/Device.h"
#include "settings/PrintSettings.h"

namespace vantolex {

// The geometric part of a page layout. All lengths are device pixels of the printer.
struct PageGrid
{
    int pageWidth = 0; // printable width
    int pageHeight = 0; // printable height
    int areaWidth = 0; // width of the text area (page less margins and, horizontally, nothing else)
    int areaHeight = 0; // height of the text area (page less margins, header and footer lines)
    int dpiX = 0; // pixels per inch along x
    int dpiY = 0; // pixels per inch along y
    int originX = 0; // horizontal writing: left edge of the text area; vertical writing: its right edge
    int originY = 0; // top edge of the text area, below the header space
    int columnLength = 0; // length of one column along the writing direction
    int columnGap = 0; // gap between adjacent columns
    int halfCell = 0; // advance of one half-width cell along the writing direction
    int charHeight = 0; // character body across the lines: the font height
    double pointSize = 0; // font size in points, for display
    int lineGap = 0; // extra space between adjacent lines
    int cellsPerLine = 0; // half-width cells per line; the column holds one cell more
    int columnLines = 0; // display lines per column

    bool operator==(const PageGrid&) const = default;
};

// The grid for `caps` and `settings`, with a header line and a footer line when the flags say so. Throws
// Warning with the message of the first check that fails: the device capabilities, the margins, the
// columns, the grid of the chosen size basis, the line-number field. The settings must be valid.
//
// The arithmetic is that of 32-bit signed integers truncating toward zero. Products are formed in 64 bits,
// which gives the same results for every device whose numbers fit 32-bit arithmetic; a device beyond
// maxDeviceValue, or one whose grid would not fit an int, is refused as an unusable printer.
PageGrid computePageGrid(const DeviceCaps& caps, const PrintSettings& settings, bool hasHeader, bool hasFooter);

// Largest printable size (pixels) and resolution (dots per inch) a device may report.
inline constexpr int maxDeviceValue = 1 << 24;

} // namespace vantolex
