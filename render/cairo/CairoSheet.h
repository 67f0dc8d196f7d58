// The sheet of a file device as Cairo surfaces see it.
#pragma once

#include <cairo.h>

#include "layout/SheetFormat.h"

namespace vantolex {

// Device pixels to points (1/72 inch) of a vector surface of the whole sheet.
cairo_matrix_t sheetPixelsToPoints(const SheetFormat& sheet);

// Device pixels to the pixels of an image of the whole sheet at the sheet's resolution (the border rounded
// to whole pixels, so that lines along the axes stay sharp).
cairo_matrix_t sheetPixelsToImage(const SheetFormat& sheet);

} // namespace vantolex
