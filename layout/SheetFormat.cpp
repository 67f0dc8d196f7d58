#include "layout/device/SheetFormat.h"

#include <algorithm>
#include <cmath>

namespace vantolex {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double pointsPerInch = 72.0;

int wholePixels(double millimetres, int dpi)
{
    return std::max(0, static_cast<int>(std::floor(millimetres * dpi / millimetresPerInch)));
}

} // namespace

DeviceCaps sheetCapabilities(const SheetFormat& sheet)
{
    return { wholePixels(sheet.widthMillimetres - 2 * sheet.borderMillimetres, sheet.dpiX),
             wholePixels(sheet.heightMillimetres - 2 * sheet.borderMillimetres, sheet.dpiY), sheet.dpiX, sheet.dpiY };
}

cairo_matrix_t sheetPixelsToPoints(const SheetFormat& sheet)
{
    const double border = sheet.borderMillimetres * pointsPerInch / millimetresPerInch;
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, pointsPerInch / std::max(1, sheet.dpiX), 0, 0, pointsPerInch / std::max(1, sheet.dpiY),
                      border, border);
    return matrix;
}

cairo_matrix_t sheetPixelsToImage(const SheetFormat& sheet)
{
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, std::round(sheet.borderMillimetres * sheet.dpiX / millimetresPerInch),
                                std::round(sheet.borderMillimetres * sheet.dpiY / millimetresPerInch));
    return matrix;
}

double sheetWidthPoints(const SheetFormat& sheet)
{
    return sheet.widthMillimetres * pointsPerInch / millimetresPerInch;
}

double sheetHeightPoints(const SheetFormat& sheet)
{
    return sheet.heightMillimetres * pointsPerInch / millimetresPerInch;
}

int sheetWidthPixels(const SheetFormat& sheet)
{
    return static_cast<int>(std::ceil(sheet.widthMillimetres * sheet.dpiX / millimetresPerInch));
}

int sheetHeightPixels(const SheetFormat& sheet)
{
    return static_cast<int>(std::ceil(sheet.heightMillimetres * sheet.dpiY / millimetresPerInch));
}

} // namespace vantolex
