// The sheet of a file device: paper size, resolution and the unprintable border.
#pragma once

#include "layout/Device.h"

namespace vantolex {

struct SheetFormat
{
    double widthMillimetres = 210.0; // A4
    double heightMillimetres = 297.0;
    int dpiX = 600; // device pixels per inch
    int dpiY = 600;
    double borderMillimetres = 5.0; // unprintable on each side, as on a printer; 0: the whole sheet

    bool operator==(const SheetFormat&) const = default;
};

// The printable area within the border in whole device pixels (truncated), and the resolution. A border
// that leaves no area gives a width or height of 0, which the layout reports as an unusable device.
DeviceCaps sheetCapabilities(const SheetFormat& sheet);

// The border in points (1/72 inch), and in whole image pixels (rounded) along x and y.
double sheetBorderPoints(const SheetFormat& sheet);
int sheetBorderPixelsX(const SheetFormat& sheet);
int sheetBorderPixelsY(const SheetFormat& sheet);

// The sheet's size in points and in image pixels (rounded up).
double sheetWidthPoints(const SheetFormat& sheet);
double sheetHeightPoints(const SheetFormat& sheet);
int sheetWidthPixels(const SheetFormat& sheet);
int sheetHeightPixels(const SheetFormat& sheet);

} // namespace vantolex
