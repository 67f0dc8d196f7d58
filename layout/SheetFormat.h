// The sheet of a file device: paper size, resolution and the unprintable border.
#pragma once

#include <cairo.h>

#include "layout/device/Device.h"

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

// Device pixels to points (1/72 inch) of a vector surface of the whole sheet.
cairo_matrix_t sheetPixelsToPoints(const SheetFormat& sheet);

// Device pixels to the pixels of an image of the whole sheet at the sheet's resolution (the border rounded
// to whole pixels, so that lines along the axes stay sharp).
cairo_matrix_t sheetPixelsToImage(const SheetFormat& sheet);

// The sheet's size in points and in image pixels (rounded up).
double sheetWidthPoints(const SheetFormat& sheet);
double sheetHeightPoints(const SheetFormat& sheet);
int sheetWidthPixels(const SheetFormat& sheet);
int sheetHeightPixels(const SheetFormat& sheet);

} // namespace vantolex
