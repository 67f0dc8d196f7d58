// The arithmetic of the preview's views: where a printer page lands in the page area of the preview window,
// the scroll bars of the zoomed view, the page shown and the state of the bar.
//
// Two views: the whole page fitted into the page area, and the zoom at zoomPixelsPerInch screen pixels per
// inch of paper with scroll bars whose positions count printer pixels. Both keep the paper's proportions:
// one inch of paper is as long on screen across as down, also on a printer whose resolutions along x and y
// differ.
#pragma once

#include <string>

#include "layout/PageGrid.h"

namespace vantolex {

// Screen pixels per inch of paper in the zoomed view.
inline constexpr int zoomPixelsPerInch = 128;

// Printer pixel (x, y) of the page lands on page-area pixel (x × scaleX + offsetX, y × scaleY + offsetY);
// the sheet, (0, 0) to (pageWidth, pageHeight), covers sheetWidth × sheetHeight page-area pixels from the
// offset on. The page area is the window's client area below the bar.
struct ViewMapping
{
    double scaleX = 0;
    double scaleY = 0;
    int offsetX = 0;
    int offsetY = 0;
    int sheetWidth = 0;
    int sheetHeight = 0;

    bool operator==(const ViewMapping&) const = default;
};

// The whole page in an area of `areaWidth` × `areaHeight` pixels: when the page is relatively taller than
// the area it fills the height and is centred across, w = the sheet's width rounded to the nearest pixel,
// offsetX = (areaWidth − w) / 2; otherwise it fills the width and is centred down the same way. An empty
// area gives an empty mapping.
ViewMapping fitMapping(const PageGrid& page, int areaWidth, int areaHeight);

// zoomPixelsPerInch screen pixels per inch, the sheet moved up and left by the scroll offsets (screen
// pixels, scrollPixels of the scroll positions).
ViewMapping zoomMapping(const PageGrid& page, int scrollX, int scrollY);

// A printer-pixel scroll position in screen pixels of the zoomed view: position × 128 / dpi, truncated.
int scrollPixels(int position, int dpi);

// One scroll bar of the zoomed view, as a Qt scroll bar takes it: positions 0 to `maximum` printer pixels.
// The range is the page's length, the page step what the page area shows of it; a bar whose page step
// covers the whole length cannot move (maximum 0). Home is 0, End the page's length (clamped to maximum).
struct ScrollAxis
{
    int maximum = 0; // last position: length + 1 − pageStep, at least 0
    int pageStep = 0; // the page area's extent in printer pixels: area pixels × dpi / 128
    int singleStep = 0; // one line step: halfCell across, charHeight down

    bool operator==(const ScrollAxis&) const = default;
};

ScrollAxis horizontalScroll(const PageGrid& page, int areaWidth);
ScrollAxis verticalScroll(const PageGrid& page, int areaHeight);

// The page index shown when page `requested` (0-based) of `count` is asked for: a request before the first
// page or at or beyond the end shows the last page; without pages, -1.
int clampPage(int requested, int count);

// The bar for page `number` (1-based) of `count`: next page while number < count, previous page while
// number > 1, the label "%d/%d".
struct BarState
{
    bool nextEnabled = false;
    bool previousEnabled = false;
    std::u16string label;

    bool operator==(const BarState&) const = default;
};

BarState barState(int count, int number);

} // namespace vantolex
