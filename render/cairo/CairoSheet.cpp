#include "render/cairo/CairoSheet.h"

#include <algorithm>

namespace vantolex {

cairo_matrix_t sheetPixelsToPoints(const SheetFormat& sheet)
{
    constexpr double pointsPerInch = 72.0;
    const double border = sheetBorderPoints(sheet);
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, pointsPerInch / std::max(1, sheet.dpiX), 0, 0, pointsPerInch / std::max(1, sheet.dpiY),
                      border, border);
    return matrix;
}

cairo_matrix_t sheetPixelsToImage(const SheetFormat& sheet)
{
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, sheetBorderPixelsX(sheet), sheetBorderPixelsY(sheet));
    return matrix;
}

} // namespace vantolex
