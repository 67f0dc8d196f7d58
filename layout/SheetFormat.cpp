#include "layout/SheetFormat.h"

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

double sheetBorderPoints(const SheetFormat& sheet)
{
    return sheet.borderMillimetres * pointsPerInch / millimetresPerInch;
}

int sheetBorderPixelsX(const SheetFormat& sheet)
{
    return static_cast<int>(std::round(sheet.borderMillimetres * sheet.dpiX / millimetresPerInch));
}

int sheetBorderPixelsY(const SheetFormat& sheet)
{
    return static_cast<int>(std::round(sheet.borderMillimetres * sheet.dpiY / millimetresPerInch));
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
