#include "render/cairo/PreviewPage.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "layout/Canvas.h"
#include "render/cairo/CairoImageDevice.h"

namespace vantolex {

PreviewImage::PreviewImage(std::unique_ptr<CairoImageDevice> image)
    : m_image(std::move(image))
{
}

PreviewImage::~PreviewImage() = default;
PreviewImage::PreviewImage(PreviewImage&&) noexcept = default;
PreviewImage& PreviewImage::operator=(PreviewImage&&) noexcept = default;

PreviewImage::Pixels PreviewImage::pixels() const
{
    const CairoImageDevice::Pixels pixels = m_image->pixels();
    return { pixels.data, pixels.width, pixels.height, pixels.stride };
}

PreviewImage drawPreviewPage(const PageStore& store, const PageLayout& layout, int pageIndex,
                             const ViewMapping& mapping, const SheetPart& part, double pixelRatio)
{
    const double ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    const int width = std::max(1, static_cast<int>(std::ceil(part.width * ratio)));
    const int height = std::max(1, static_cast<int>(std::ceil(part.height * ratio)));
    auto image = std::make_unique<CairoImageDevice>(
        width, height, DeviceCaps { layout.pageWidth, layout.pageHeight, layout.dpiX, layout.dpiY });

    // The edge in image pixels, as wide as one page-area pixel.
    image->setView(1.0, 0.0, 0.0);
    const int edge = std::max(1, static_cast<int>(std::lround(ratio)));
    const int sheetLeft = static_cast<int>(std::lround(-part.left * ratio));
    const int sheetTop = static_cast<int>(std::lround(-part.top * ratio));
    const int sheetRight = static_cast<int>(std::lround((mapping.sheetWidth - part.left) * ratio));
    const int sheetBottom = static_cast<int>(std::lround((mapping.sheetHeight - part.top) * ratio));
    for (int ring = 0; ring < edge; ++ring) {
        image->frameRect({ sheetLeft + ring, sheetTop + ring, sheetRight - ring, sheetBottom - ring },
                         previewSheetEdge);
    }

    const auto records = store.pageLines(pageIndex);
    if (records.empty()) {
        return PreviewImage(std::move(image));
    }
    image->setView(mapping.scaleX * ratio, mapping.scaleY * ratio, -part.left * ratio, -part.top * ratio);
    Canvas canvas(*image, layout);
    canvas.beginPage(pageIndex + 1);
    for (const LineRecord& record : records) {
        canvas.drawLine(record.column, record.lineInColumn, record.text);
    }
    return PreviewImage(std::move(image));
}

} // namespace vantolex
