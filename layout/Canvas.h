// The drawing surface of one page sequence: the page furniture (column separators, header, footer) and the
// display lines at their grid positions, on any Device.
//
// The direct printer output draws through it page by page, the buffered output replays its stored pages
// through it, and the preview makes one per repaint. All coordinates are device pixels of the printer, taken
// from the PageLayout; all arithmetic is 32-bit integer arithmetic truncating toward zero.
#pragma once

#include <memory>
#include <string_view>

#include "layout/Device.h"
#include "layout/PageLayout.h"
#include "layout/Term.h"
#include "settings/FontDescription.h"

namespace vantolex {

class Canvas
{
public:
    // Makes the text font (textFontDescription) and, in vertical writing, the header font
    // (headerFontDescription). Throws Warning layoutText::printFontNotCreated when the device cannot make
    // either. Draws from the layout alone; `device` and `layout` must outlive the canvas.
    Canvas(Device& device, const PageLayout& layout);
    virtual ~Canvas();

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The furniture of page `pageNumber` (1-based): separators when asked for, then header and footer
    // rendered with the page's numbers and the layout's total page count.
    void beginPage(int pageNumber);

    // One display line, drawn as one string from its grid position.
    void drawLine(int column, int lineInColumn, std::u16string_view text);

    // A dashed line in the middle of each gap between columns, across the text area only.
    void drawSeparators();
    void drawHeader(const PageNumbers& numbers);
    void drawFooter(const PageNumbers& numbers);

private:
    void drawThree(int firstList, const Rect& box, const PageNumbers& numbers);

    Device& m_device;
    const PageLayout& m_layout;
    std::unique_ptr<DeviceFont> m_textFont;
    std::unique_ptr<DeviceFont> m_headerFont; // vertical writing only: the upright form of the same face
};

// The text font: the layout's font, with a fixed-pitch layout's half-width cell as its width, so that every
// character is drawn on the cells the layout gave it.
FontDescription textFontDescription(const PageLayout& layout);

// The header and footer font of vertical writing: `textFont` with escapement 0 and without the leading "@"
// of its face name (the rest cut to 31 characters), so that header and footer are written upright with the
// horizontal form of the same face and height. A face name without "@" is kept as it is.
FontDescription headerFontDescription(const FontDescription& textFont);

} // namespace vantolex
