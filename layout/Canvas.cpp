#include "layout/Canvas.h"

#include "base/Errors.h"
#include "layout/LayoutMessages.h"
#include "settings/FaceName.h"

namespace vantolex {

FontDescription headerFontDescription(const FontDescription& textFont)
{
    FontDescription header = textFont;
    header.escapement = 0;
    if (const FaceName face = FaceName::parse(header.faceName); face.vertical) {
        constexpr std::size_t maxFaceNameLength = 31;
        header.faceName = face.family.substr(0, maxFaceNameLength);
    }
    return header;
}

FontDescription textFontDescription(const PageLayout& layout)
{
    FontDescription text = layout.font;
    if (!layout.proportional) {
        text.width = layout.halfCell;
    }
    return text;
}

Canvas::Canvas(Device& device, const PageLayout& layout)
    : m_device(device)
    , m_layout(layout)
{
    m_textFont = m_device.createFont(textFontDescription(m_layout));
    if (!m_textFont) {
        throw Warning(std::u16string(layoutText::printFontNotCreated));
    }
    if (m_layout.vertical) {
        m_headerFont = m_device.createFont(headerFontDescription(m_layout.font));
        if (!m_headerFont) {
            throw Warning(std::u16string(layoutText::printFontNotCreated));
        }
    }
}

Canvas::~Canvas() = default;

void Canvas::beginPage(int pageNumber)
{
    if (m_layout.columnSeparator) {
        drawSeparators();
    }
    const PageNumbers numbers { pageNumber, m_layout.totalPages };
    if (m_layout.hasHeader) {
        drawHeader(numbers);
    }
    if (m_layout.hasFooter) {
        drawFooter(numbers);
    }
}

void Canvas::drawSeparators()
{
    const int columns = m_layout.columns;
    const PageLayout& l = m_layout;
    for (int i = 1; i < columns; ++i) {
        if (m_layout.vertical) {
            const int y = i * (l.areaHeight + l.columnGap) / columns - l.columnGap / 2 + l.originY;
            m_device.dashedLine(l.originX - l.areaWidth, y, l.originX, y);
        } else {
            const int x = i * (l.areaWidth + l.columnGap) / columns - l.columnGap / 2 + l.originX;
            m_device.dashedLine(x, l.originY, x, l.originY + l.areaHeight);
        }
    }
}

void Canvas::drawHeader(const PageNumbers& numbers)
{
    const PageLayout& l = m_layout;
    const Rect box = m_layout.vertical
        ? Rect { l.originX - l.areaWidth, l.originY - 2 * l.charHeight, l.originX, l.originY - l.charHeight }
        : Rect { l.originX, l.originY - l.lineGap - l.charHeight, l.originX + l.areaWidth, l.originY - l.lineGap };
    drawThree(HeaderLeft, box, numbers);
}

void Canvas::drawFooter(const PageNumbers& numbers)
{
    const PageLayout& l = m_layout;
    const Rect box = m_layout.vertical
        ? Rect { l.originX - l.areaWidth, l.originY + l.areaHeight + l.charHeight, l.originX,
                 l.originY + l.areaHeight + 2 * l.charHeight }
        : Rect { l.originX, l.originY + l.areaHeight + l.lineGap, l.originX + l.areaWidth,
                 l.originY + l.areaHeight + l.lineGap + l.charHeight };
    drawThree(FooterLeft, box, numbers);
}

// The left, centre and right lists from `firstList` on, each aligned in `box`; an empty text is not drawn.
void Canvas::drawThree(int firstList, const Rect& box, const PageNumbers& numbers)
{
    const DeviceFont& font = m_headerFont ? *m_headerFont : *m_textFont;
    constexpr TextAlign aligns[] = { TextAlign::Left, TextAlign::Center, TextAlign::Right };
    for (int part = 0; part < 3; ++part) {
        const std::u16string text = renderTerms(m_layout.termLists[firstList + part], numbers);
        if (!text.empty()) {
            m_device.drawText(font, box, text, aligns[part]);
        }
    }
}

void Canvas::drawLine(int column, int lineInColumn, std::u16string_view text)
{
    const PageLayout& l = m_layout;
    const int columns = m_layout.columns;
    if (m_layout.vertical) {
        const int x = l.originX - (l.lineGap + l.charHeight) * lineInColumn;
        const int y = column * (l.columnGap + l.areaHeight) / columns + l.originY;
        m_device.textOut(*m_textFont, x, y, text);
    } else {
        const int x = column * (l.columnGap + l.areaWidth) / columns + l.originX;
        const int y = (l.lineGap + l.charHeight) * lineInColumn + l.originY;
        m_device.textOut(*m_textFont, x, y, text);
    }
}

} // namespace vantolex
