#include "layout/PageGrid.h"

#include <climits>
#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

namespace {

namespace text = layoutText;

using Wide = std::int64_t;

[[noreturn]] void refuse(std::u16string_view message)
{
    throw Warning(std::u16string(message));
}

Wide pixels(Wide millimetres, Wide dpi)
{
    return millimetres * dpi * 10 / 254;
}

// The grid while it is computed: the fields of PageGrid in 64 bits.
struct Grid
{
    Wide pageWidth = 0, pageHeight = 0, areaWidth = 0, areaHeight = 0, dpiX = 0, dpiY = 0;
    Wide originX = 0, originY = 0, columnLength = 0, columnGap = 0, halfCell = 0, charHeight = 0;
    Wide lineGap = 0, cellsPerLine = 0, columnLines = 0;
};

// Inputs shared by both writing directions.
struct Inputs
{
    const PrintSettings& settings;
    Wide q; // line spacing in quarter lines
    Wide columns; // C
    Wide header; // h: 1 with a header line
    Wide footer; // f: 1 with a footer line
};

// Horizontal writing, basis 0 and 2: one line less for each of footer and header, at least one left.
void deductHeaderAndFooterLines(Grid& grid, const Inputs& in)
{
    for (Wide present : { in.footer, in.header }) {
        if (present == 0)
            continue;
        grid.columnLines -= 1;
        if (grid.columnLines < 1)
            refuse(text::noLineFits);
    }
    if (grid.columnLines <= 0)
        grid.columnLines = 1;
}

void computeHorizontal(Grid& grid, const Inputs& in)
{
    const PrintSettings& s = in.settings;
    const Wide q = in.q;
    if (s.useMargins) {
        grid.originX = pixels(s.marginLeft, grid.dpiX);
        grid.originY = pixels(s.marginTop, grid.dpiY);
        grid.areaWidth -= grid.originX + pixels(s.marginRight, grid.dpiX);
        grid.areaHeight -= grid.originY + pixels(s.marginBottom, grid.dpiY);
        if (grid.areaWidth <= 0 || grid.areaHeight <= 0)
            refuse(text::marginsTooLarge);
    }

    grid.columnGap = pixels(s.columnSpacing, grid.dpiX);
    grid.columnLength = (grid.areaWidth + grid.columnGap) / in.columns - grid.columnGap;
    if (grid.columnLength <= 0)
        refuse(text::tooManyColumns);

    if (s.fontSizeBasis == FontSizeBasis::CharsPerLine) {
        grid.cellsPerLine = s.charsPerLine;
        grid.halfCell = grid.columnLength / (s.charsPerLine + 1);
        const Wide across = grid.halfCell * grid.dpiY / grid.dpiX; // half a cell measured across the lines
        grid.charHeight = across * 2;
        grid.lineGap = across * q / 2;
        if (grid.charHeight <= 0)
            refuse(text::tooManyCharacters);
        grid.columnLines = (grid.areaHeight + grid.lineGap) / (grid.charHeight + grid.lineGap);
        deductHeaderAndFooterLines(grid, in);
    } else if (s.fontSizeBasis == FontSizeBasis::LinesPerColumn) {
        grid.columnLines = s.linesPerColumn;
        const Wide n = s.linesPerColumn + in.footer + in.header;
        grid.charHeight = grid.areaHeight * 4 / (n * (q + 4) - q);
        grid.halfCell = grid.charHeight * grid.dpiX / (grid.dpiY * 2);
        grid.lineGap = grid.charHeight * q / 4;
        if (grid.charHeight <= 0)
            refuse(text::tooManyLines);
        grid.cellsPerLine = grid.columnLength * grid.dpiY * 2 / (grid.dpiX * grid.charHeight) - 1;
        if (grid.cellsPerLine <= 0)
            refuse(text::tooManyLines);
    } else {
        const Wide points = s.fontPoints;
        grid.charHeight = points * grid.dpiY / 72;
        grid.halfCell = points * grid.dpiX / 144;
        grid.cellsPerLine = grid.columnLength * 144 / (points * grid.dpiX) - 1;
        if (grid.cellsPerLine <= 0)
            refuse(text::fontTooLarge);
        grid.lineGap = q * grid.dpiY * points / 288;
        if (grid.charHeight <= 0) // the line count below would divide by zero
            refuse(text::fontTooSmall);
        grid.columnLines = (grid.charHeight * q + grid.areaHeight * 4) / ((q + 4) * grid.charHeight);
        deductHeaderAndFooterLines(grid, in);
    }

    const Wide lineSpace = grid.charHeight + grid.lineGap;
    if (in.header != 0) {
        grid.originY += lineSpace;
        grid.areaHeight -= lineSpace;
    }
    if (in.footer != 0)
        grid.areaHeight -= lineSpace;
}

// Vertical writing: header and footer take four half cells each at the top and bottom of the page, then the
// column length follows from what is left.
void reserveHeaderAndFooter(Grid& grid, const Inputs& in)
{
    if (in.header != 0) {
        grid.originY += 4 * grid.halfCell;
        grid.areaHeight -= 4 * grid.halfCell;
    }
    if (in.footer != 0)
        grid.areaHeight -= 4 * grid.halfCell;
    grid.columnLength = (grid.areaHeight + grid.columnGap) / in.columns - grid.columnGap;
    if (grid.columnLength <= 0)
        refuse(text::tooManyColumns);
}

void computeVertical(Grid& grid, const Inputs& in)
{
    const PrintSettings& s = in.settings;
    const Wide q = in.q;
    Wide right = 0; // right margin in pixels
    if (s.useMargins) {
        right = pixels(s.marginRight, grid.dpiX);
        grid.originY = pixels(s.marginTop, grid.dpiY);
        grid.areaWidth -= right + pixels(s.marginLeft, grid.dpiX);
        grid.areaHeight -= grid.originY + pixels(s.marginBottom, grid.dpiY);
        if (grid.areaWidth <= 0 || grid.areaHeight <= 0)
            refuse(text::marginsTooLarge);
    }
    grid.originX = grid.pageWidth - right;
    grid.columnGap = pixels(s.columnSpacing, grid.dpiY);

    if (s.fontSizeBasis == FontSizeBasis::CharsPerLine) {
        grid.cellsPerLine = s.charsPerLine;
        // A first estimate that includes the header and footer space; the reserve needs it.
        grid.halfCell = (grid.areaHeight - (in.columns - 1) * grid.columnGap)
            / ((s.charsPerLine + 1) * in.columns + 4 * (in.footer + in.header));
        reserveHeaderAndFooter(grid, in);
        grid.halfCell = grid.columnLength / (s.charsPerLine + 1);
        const Wide across = grid.halfCell * grid.dpiX / grid.dpiY;
        grid.charHeight = across * 2;
        grid.lineGap = across * q / 2;
        if (grid.charHeight <= 0)
            refuse(text::tooManyCharacters);
        grid.columnLines = (grid.areaWidth + grid.lineGap) / (grid.lineGap + grid.charHeight);
        if (grid.columnLines <= 0)
            grid.columnLines = 1;
    } else if (s.fontSizeBasis == FontSizeBasis::LinesPerColumn) {
        grid.columnLines = s.linesPerColumn;
        grid.charHeight = grid.areaWidth * 4 / ((q + 4) * s.linesPerColumn - q);
        if (grid.charHeight <= 0)
            refuse(text::tooManyLines);
        grid.halfCell = grid.dpiY * grid.charHeight / (grid.dpiX * 2);
        reserveHeaderAndFooter(grid, in);
        grid.lineGap = q * grid.charHeight / 4;
        grid.cellsPerLine = grid.columnLength * grid.dpiX * 2 / (grid.charHeight * grid.dpiY) - 1;
        if (grid.cellsPerLine <= 0)
            refuse(text::tooManyLines);
    } else {
        const Wide points = s.fontPoints;
        grid.charHeight = grid.dpiX * points / 72;
        grid.halfCell = grid.dpiY * points / 144;
        reserveHeaderAndFooter(grid, in);
        grid.cellsPerLine = grid.columnLength * 144 / (grid.dpiY * points) - 1;
        if (grid.cellsPerLine <= 0)
            refuse(text::fontTooLarge);
        grid.lineGap = q * grid.dpiX * points / 288;
        if (grid.charHeight <= 0) // the line count below would divide by zero
            refuse(text::fontTooSmall);
        grid.columnLines = (grid.charHeight * q + grid.areaWidth * 4) / ((q + 4) * grid.charHeight);
        if (grid.columnLines <= 0)
            grid.columnLines = 1;
    }
}

// Copies a computed value into the result; a value no int can hold means an absurd device.
int narrow(Wide value)
{
    // Leaves headroom for the sums the engine and the drawing form from these values.
    constexpr Wide limit = Wide { 1 } << 28;
    if (value > limit || value < -limit)
        refuse(text::badPrinter);
    return static_cast<int>(value);
}

} // namespace

int millimetresToPixels(int millimetres, int dpi)
{
    return static_cast<int>(pixels(millimetres, dpi));
}

PageGrid computePageGrid(const DeviceCaps& caps, const PrintSettings& settings, bool hasHeader, bool hasFooter)
{
    Grid grid;
    grid.pageWidth = grid.areaWidth = caps.width;
    grid.pageHeight = grid.areaHeight = caps.height;
    grid.dpiX = caps.dpiX;
    grid.dpiY = caps.dpiY;
    for (int value : { caps.width, caps.height, caps.dpiX, caps.dpiY }) {
        if (value <= 0 || value > maxDeviceValue)
            refuse(text::badPrinter);
    }

    const Inputs in { settings, settings.lineSpacing, settings.columns, hasHeader ? 1 : 0, hasFooter ? 1 : 0 };
    if (settings.vertical)
        computeVertical(grid, in);
    else
        computeHorizontal(grid, in);

    PageGrid result;
    result.pageWidth = narrow(grid.pageWidth);
    result.pageHeight = narrow(grid.pageHeight);
    result.areaWidth = narrow(grid.areaWidth);
    result.areaHeight = narrow(grid.areaHeight);
    result.dpiX = narrow(grid.dpiX);
    result.dpiY = narrow(grid.dpiY);
    result.originX = narrow(grid.originX);
    result.originY = narrow(grid.originY);
    result.columnLength = narrow(grid.columnLength);
    result.columnGap = narrow(grid.columnGap);
    result.halfCell = narrow(grid.halfCell);
    result.charHeight = narrow(grid.charHeight);
    result.lineGap = narrow(grid.lineGap);
    result.cellsPerLine = narrow(grid.cellsPerLine);
    result.columnLines = narrow(grid.columnLines);
    const double dpiAcross = settings.vertical ? result.dpiX : result.dpiY;
    result.pointSize = result.charHeight * 72.0 / dpiAcross;

    if (settings.lineNumberInterval != 0 && result.cellsPerLine - settings.lineNumberDigits - 1 <= 0)
        refuse(text::tooManyLineNumberDigits);
    return result;
}

} // namespace vantolex
