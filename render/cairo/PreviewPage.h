// One page of the preview drawn as on paper: the white sheet with its blue edge, then, unless the page is
// empty, the page furniture and the display lines through the same Canvas as the printer's, on an image in
// memory scaled by the view mapping.
#pragma once

#include <memory>

#include "layout/Device.h"

#include "layout/PageLayout.h"
#include "layout/PageStore.h"
#include "layout/PreviewView.h"

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

class CairoImageDevice;

// A page drawn for the screen: an RGB image in memory.
class PreviewImage
{
public:
    explicit PreviewImage(std::unique_ptr<CairoImageDevice> image);
    ~PreviewImage();
    PreviewImage(PreviewImage&&) noexcept;
    PreviewImage& operator=(PreviewImage&&) noexcept;

    // The image's memory: `height` rows of `stride` bytes, each pixel one native-endian 32-bit word
    // 0x00RRGGBB (the fourth byte undefined). Valid while the image lives; null data for an image that could
    // not be made.
    struct Pixels
    {
        const unsigned char* data = nullptr;
        int width = 0;
        int height = 0;
        int stride = 0;
    };
    Pixels pixels() const;

private:
    std::unique_ptr<CairoImageDevice> m_image;
};

// Draws `part` of page `pageIndex` (0-based) of `store` as `mapping` places the sheet, on an image of
// part.width × part.height page-area pixels times `pixelRatio` (the screen's device pixels per page-area
// pixel, rounded up). The edge is one page-area pixel wide. An empty page (no records) shows the bare sheet
// without header or footer. Throws Warning when the canvas cannot make its fonts.
PreviewImage drawPreviewPage(const PageStore& store, const PageLayout& layout, int pageIndex,
                             const ViewMapping& mapping, const SheetPart& part, double pixelRatio);

} // namespace vantolex
