#include "render/pdf/PdfContent.h"

#include <cmath>

#include "render/pdf/PdfNumbers.h"

namespace vantolex {

namespace {

void appendNumbers(std::string& out, std::initializer_list<double> values)
{
    for (const double value : values) {
        pdf::appendDecimal(out, value);
        out += ' ';
    }
}

void appendColour(std::string& out, Rgb colour)
{
    appendNumbers(out, { colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0 });
}

} // namespace

PdfContent::PdfContent(FaceLibrary& library, PdfFontUse& fonts)
    : m_library(library)
    , m_fonts(fonts)
{
}

void PdfContent::begin(const PdfSheet& sheet)
{
    m_graphics.clear();
    m_text.clear();
    m_textState = {};
    // Device pixels onto the sheet, whose own origin is at the bottom left with y upward.
    m_graphics += "q ";
    appendNumbers(m_graphics,
                  { sheet.pointsPerPixelX, 0, 0, -sheet.pointsPerPixelY, sheet.originLeftPoints,
                    sheet.heightPoints - sheet.originTopPoints });
    m_graphics += "cm\n";
}

std::string PdfContent::finish()
{
    std::string content;
    content.reserve(m_graphics.size() + m_text.size() + 16);
    content += m_graphics;
    if (!m_text.empty()) {
        content += "BT\n";
        content += m_text;
        content += "ET\n";
    }
    content += "Q\n";
    return content;
}

void PdfContent::line(const GlyphFont& font, double x, double y, std::u16string_view text,
                      const std::vector<PlacedGlyph>& glyphs)
{
    writeLine(m_text, m_textState, font, x, y, text, glyphs);
}

void PdfContent::clippedLine(const Rect& clip, const GlyphFont& font, double x, double y, std::u16string_view text,
                             const std::vector<PlacedGlyph>& glyphs)
{
    m_graphics += "q ";
    appendNumbers(m_graphics,
                  { static_cast<double>(clip.left), static_cast<double>(clip.top),
                    static_cast<double>(clip.right - clip.left), static_cast<double>(clip.bottom - clip.top) });
    m_graphics += "re W n\nBT\n";
    TextState state;
    writeLine(m_graphics, state, font, x, y, text, glyphs);
    m_graphics += "ET\nQ\n";
}

void PdfContent::dashedLine(int x1, int y1, int x2, int y2, double dash, double gap)
{
    // Through the centres of the pixels across the line, as the Cairo devices draw it.
    const double acrossX = x1 == x2 ? 0.5 : (y1 == y2 ? 0.0 : 0.5);
    const double acrossY = y1 == y2 ? 0.5 : (x1 == x2 ? 0.0 : 0.5);
    m_graphics += "q [";
    appendNumbers(m_graphics, { dash, gap });
    m_graphics += "] 0 d 1 w 0 0 0 RG ";
    appendNumbers(m_graphics, { x1 + acrossX, y1 + acrossY });
    m_graphics += "m ";
    appendNumbers(m_graphics, { x2 + acrossX, y2 + acrossY });
    m_graphics += "l S Q\n";
}

void PdfContent::fillRect(const Rect& box, Rgb colour)
{
    m_graphics += "q ";
    appendColour(m_graphics, colour);
    m_graphics += "rg ";
    appendNumbers(m_graphics,
                  { static_cast<double>(box.left), static_cast<double>(box.top),
                    static_cast<double>(box.right - box.left), static_cast<double>(box.bottom - box.top) });
    m_graphics += "re f Q\n";
}

void PdfContent::frameRect(const Rect& box, Rgb colour)
{
    if (box.right <= box.left || box.bottom <= box.top) {
        return;
    }
    m_graphics += "q ";
    appendColour(m_graphics, colour);
    m_graphics += "RG 1 w ";
    appendNumbers(m_graphics,
                  { box.left + 0.5, box.top + 0.5, box.right - box.left - 1.0, box.bottom - box.top - 1.0 });
    m_graphics += "re S Q\n";
}

void PdfContent::writeLine(std::string& out, TextState& state, const GlyphFont& font, double x, double y,
                           std::u16string_view text, const std::vector<PlacedGlyph>& glyphs)
{
    const std::size_t count = glyphs.size();
    bool spanOpen = false;
    std::size_t start = 0;
    while (start < count) {
        const PlacedGlyph& lead = glyphs[start];
        std::size_t end = start + 1;
        if ((lead.flags & (PlacedGlyph::Positioned | PlacedGlyph::WithText)) == 0) {
            while (end < count && glyphs[end].face == lead.face && glyphs[end].orientation == lead.orientation
                   && glyphs[end].scale == lead.scale
                   && (glyphs[end].flags & (PlacedGlyph::Positioned | PlacedGlyph::WithText)) == 0) {
                ++end;
            }
        }
        // A glyph whose text is not its own carries it as the actual text of a marked span, one span for all
        // the glyphs of a cluster.
        if ((lead.flags & PlacedGlyph::WithText) != 0 && !spanOpen) {
            out += "/Span<</ActualText";
            pdf::appendTextString(out,
                                  text.substr(static_cast<std::size_t>(lead.textStart),
                                              static_cast<std::size_t>(lead.textEnd - lead.textStart)));
            out += ">>BDC\n";
            spanOpen = true;
        }
        writeRun(out, state, font, x, y, &glyphs[start], &glyphs[end - 1]);
        if (spanOpen
            && (end == count || (glyphs[end].flags & PlacedGlyph::WithText) == 0
                || glyphs[end].textStart != lead.textStart)) {
            out += "EMC\n";
            spanOpen = false;
        }
        start = end;
    }
}

void PdfContent::writeRun(std::string& out, TextState& state, const GlyphFont& font, double x, double y,
                          const PlacedGlyph* first, const PlacedGlyph* last)
{
    const GlyphFont::Metrics& metrics = font.metrics();
    const bool upright = first->orientation == GlyphOrientation::Upright;
    m_fonts.add(first->face, upright ? PdfFontUse::Vertical : PdfFontUse::Horizontal);
    if (state.font != first->face || state.vertical != upright) {
        out += upright ? "/V" : "/F";
        pdf::appendInteger(out, first->face);
        out += " 1 Tf\n";
        state.font = first->face;
        state.vertical = upright;
    }

    // One text space unit along the line, in device pixels.
    const double unit = metrics.emAlong * first->scale;
    const double across = metrics.emAcross;
    switch (first->orientation) {
    case GlyphOrientation::Horizontal:
        appendNumbers(out, { unit, 0, 0, -across, x + first->along, y + metrics.baseline - first->across });
        break;
    case GlyphOrientation::Sideways:
        appendNumbers(out, { 0, unit, across, 0, x - metrics.baseline + first->across, y + first->along });
        break;
    case GlyphOrientation::Upright:
        if ((first->flags & PlacedGlyph::Positioned) != 0) {
            // A glyph of a shaped cluster: at its own origin, which the font's vertical metrics may not give.
            const int unitsPerEm = m_library.face(first->face).unitsPerEm();
            const auto& uprightGlyphs = m_library.use(first->face).upright;
            const auto declared = uprightGlyphs.find(first->glyph);
            const int declaredX = declared != uprightGlyphs.end() ? declared->second.originX : first->originX;
            const int declaredY = declared != uprightGlyphs.end() ? declared->second.originY : first->originY;
            const double dx = static_cast<double>(first->originX - declaredX) * across / unitsPerEm;
            const double dy = static_cast<double>(declaredY - first->originY) * unit / unitsPerEm;
            appendNumbers(out, { across, 0, 0, -unit, x - across / 2 + dx, y + first->along + dy });
        } else {
            appendNumbers(out, { across, 0, 0, -unit, x - across / 2, y + first->along });
        }
        break;
    }
    out += "Tm[<";

    const FontFace& face = m_library.face(first->face);
    const int unitsPerEm = face.unitsPerEm();
    const double thousandthsPerPixel = 1000.0 / unit;
    double pen = first->along; // where the previous glyph's width has put the text position
    for (const PlacedGlyph* glyph = first; glyph <= last; ++glyph) {
        if (glyph != first) {
            const double offset = (glyph->along - pen) * thousandthsPerPixel;
            if (std::abs(offset) >= 0.5) {
                // Horizontally a positive number moves back; vertically it moves further down.
                const long long adjustment = std::llround(upright ? offset : -offset);
                out += '>';
                pdf::appendInteger(out, adjustment);
                out += '<';
                pen += (upright ? adjustment : -adjustment) / thousandthsPerPixel;
            }
        }
        pdf::appendGlyphHex(out, face.pdfCid(glyph->glyph));
        pen += pdfWidth(glyph->advance, unitsPerEm) / thousandthsPerPixel;
    }
    out += ">]TJ\n";
}

} // namespace vantolex
