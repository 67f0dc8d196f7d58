#include "layout/PreviewView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/TextFormat.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

ViewMapping fitMapping(const PageGrid& page, int areaWidth, int areaHeight)
{
    if (areaWidth <= 0 || areaHeight <= 0 || page.pageWidth <= 0 || page.pageHeight <= 0 || page.dpiX <= 0
        || page.dpiY <= 0) {
        return {};
    }
    const double width = page.pageWidth;
    const double height = page.pageHeight;
    const double dpiX = page.dpiX;
    const double dpiY = page.dpiY;
    ViewMapping mapping;
    // The paper is width / dpiX inches wide and height / dpiY inches high.
    if (dpiY * width * areaHeight < dpiX * height * areaWidth) {
        // Relatively taller than the area: the page fills its height.
        mapping.scaleY = areaHeight / height;
        mapping.scaleX = areaHeight * dpiY / (height * dpiX);
        mapping.sheetWidth = static_cast<int>(std::lround(areaHeight * dpiY * width / (dpiX * height)));
        mapping.sheetHeight = areaHeight;
        mapping.offsetX = (areaWidth - mapping.sheetWidth) / 2;
    } else {
        mapping.scaleX = areaWidth / width;
        mapping.scaleY = areaWidth * dpiX / (width * dpiY);
        mapping.sheetWidth = areaWidth;
        mapping.sheetHeight = static_cast<int>(std::lround(areaWidth * dpiX * height / (dpiY * width)));
        mapping.offsetY = (areaHeight - mapping.sheetHeight) / 2;
    }
    return mapping;
}

ViewMapping zoomMapping(const PageGrid& page, int scrollX, int scrollY)
{
    if (page.dpiX <= 0 || page.dpiY <= 0) {
        return {};
    }
    ViewMapping mapping;
    mapping.scaleX = static_cast<double>(zoomPixelsPerInch) / page.dpiX;
    mapping.scaleY = static_cast<double>(zoomPixelsPerInch) / page.dpiY;
    mapping.offsetX = -scrollX;
    mapping.offsetY = -scrollY;
    mapping.sheetWidth = static_cast<int>(std::lround(page.pageWidth * mapping.scaleX));
    mapping.sheetHeight = static_cast<int>(std::lround(page.pageHeight * mapping.scaleY));
    return mapping;
}

int scrollPixels(int position, int dpi)
{
    if (dpi <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<std::int64_t>(position) * zoomPixelsPerInch / dpi);
}

namespace {

ScrollAxis scrollAxis(int length, int areaPixels, int dpi, int singleStep)
{
    ScrollAxis axis;
    axis.pageStep = static_cast<int>(std::max<std::int64_t>(0, std::int64_t { areaPixels } * dpi / zoomPixelsPerInch));
    // The bar's range 0 ... length includes both ends; its last position leaves the page step inside it.
    axis.maximum = static_cast<int>(std::max<std::int64_t>(0, std::int64_t { length } + 1 - axis.pageStep));
    axis.singleStep = singleStep;
    return axis;
}

} // namespace

ScrollAxis horizontalScroll(const PageGrid& page, int areaWidth)
{
    return scrollAxis(page.pageWidth, areaWidth, page.dpiX, page.halfCell);
}

ScrollAxis verticalScroll(const PageGrid& page, int areaHeight)
{
    return scrollAxis(page.pageHeight, areaHeight, page.dpiY, page.charHeight);
}

int clampPage(int requested, int count)
{
    if (count <= 0) {
        return -1;
    }
    // A request before the first page (the window asks for -1 when it opens on the last page) or past the end
    // shows the last page.
    if (requested < 0 || requested >= count) {
        return count - 1;
    }
    return requested;
}

BarState barState(int count, int number)
{
    return { number<count, number> 1, formatText(layoutText::pageLabel, { number, count }) };
}

} // namespace vantolex
