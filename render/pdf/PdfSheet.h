// Where the device pixels of a PDF page lie on its sheet.
#pragma once

#include <string>

#include "layout/Clock.h"
#include "layout/SheetFormat.h"

namespace vantolex {

// The sheet and the printable area on it, in points (1/72 inch) from the sheet's top left.
struct PdfSheet
{
    double widthPoints = 0;
    double heightPoints = 0;
    double pointsPerPixelX = 1;
    double pointsPerPixelY = 1;
    double originLeftPoints = 0; // the top left of the printable area
    double originTopPoints = 0;
};

// The sheet of a file device.
PdfSheet pdfSheetOf(const SheetFormat& sheet);

// The PDF date of `time`: D:YYYYMMDDHHmmSS+HH'mm'.
std::string pdfDate(const LocalDateTime& time);

} // namespace vantolex
