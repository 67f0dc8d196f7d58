// One page of the preview drawn as on paper: the white sheet with its blue edge, then, unless the page is
// empty, the page furniture and the display lines through the same Canvas as the printer's, on an image in
// memory scaled by the view mapping.
#pragma once

#include <memory>

#include "layout/PageLayout.h"
#include "layout/PageStore.h"
#include "layout/PreviewView.h"
#include "layout/device/CairoImageDevice.h"

namespace vantolex {

// The colours of the preview.
inline constexpr Rgb previewBackground { 127, 127, 127 }; // the page area around the sheet
inline constexpr Rgb previewSheetEdge { 0, 0, 255 }; // the 1-pixel edge of the sheet

// The part of the sheet to draw, in page-area pixels counted from the sheet's top-left corner.
struct SheetPart
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Draws `part` of page `pageIndex` (0-based) of `store` as `mapping` places the sheet, on an image of
// part.width × part.height page-area pixels times `pixelRatio` (the screen's device pixels per page-area
// pixel, rounded up). The edge is one page-area pixel wide. An empty page (no records) shows the bare sheet
// without header or footer. Throws Warning when the canvas cannot make its fonts.
std::unique_ptr<CairoImageDevice> drawPreviewPage(const PageStore& store, const PageLayout& layout, int pageIndex,
                                                  const ViewMapping& mapping, const SheetPart& part, double pixelRatio);

} // namespace vantolex
