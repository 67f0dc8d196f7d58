// The content stream of one PDF page. User space is the device's pixels (origin at the top left of the
// printable area, y downward), set once at the start of the page; lines and rectangles come first, then all
// text in one text object: a text matrix per run of glyphs and their two-byte glyph ids in TJ arrays, with an
// adjustment only where a glyph's position differs from where the previous glyph's width puts it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "layout/Device.h"
#include "render/fonts/GlyphFont.h"
#include "render/fonts/LinePlacement.h"
#include "render/pdf/PdfSheet.h"

namespace vantolex {

// The fonts a document's pages name: /F<face> is the face written horizontally (Identity-H), /V<face> the
// same face written vertically (Identity-V).
struct PdfFontUse
{
    enum : std::uint8_t
    {
        Horizontal = 1,
        Vertical = 2,
    };
    std::vector<std::uint8_t> faces; // by FaceId, or'ed modes

    void add(FaceId face, std::uint8_t mode)
    {
        if (faces.size() <= face) {
            faces.resize(static_cast<std::size_t>(face) + 1, 0);
        }
        faces[face] |= mode;
    }
};

class PdfContent
{
public:
    PdfContent(FaceLibrary& library, PdfFontUse& fonts);

    // Starts a page on `sheet`.
    void begin(const PdfSheet& sheet);

    // The glyphs of a line placed by placeLine from `text` in `font`, the line's reference point at (x, y)
    // (as for CairoGlyphPainter::paint).
    void line(const GlyphFont& font, double x, double y, std::u16string_view text,
              const std::vector<PlacedGlyph>& glyphs);
    // The same, clipped to `clip`: in a text object of its own among the graphics.
    void clippedLine(const Rect& clip, const GlyphFont& font, double x, double y, std::u16string_view text,
                     const std::vector<PlacedGlyph>& glyphs);

    void dashedLine(int x1, int y1, int x2, int y2, double dash, double gap);
    void fillRect(const Rect& box, Rgb colour);
    void frameRect(const Rect& box, Rgb colour);

    // The page's content stream; the buffers are kept for the next page.
    std::string finish();

private:
    struct TextState
    {
        int font = -1; // face of the selected font, or -1 before any
        bool vertical = false;
    };

    void writeLine(std::string& out, TextState& state, const GlyphFont& font, double x, double y,
                   std::u16string_view text, const std::vector<PlacedGlyph>& glyphs);
    void writeRun(std::string& out, TextState& state, const GlyphFont& font, double x, double y,
                  const PlacedGlyph* first, const PlacedGlyph* last);

    FaceLibrary& m_library;
    PdfFontUse& m_fonts;
    std::string m_graphics;
    std::string m_text;
    TextState m_textState;
};

// A glyph advance in the thousandths of an em that PDF widths are given in.
inline int pdfWidth(int advance, int unitsPerEm)
{
    const long long scaled = static_cast<long long>(advance) * 1000;
    return static_cast<int>(scaled >= 0 ? (scaled + unitsPerEm / 2) / unitsPerEm
                                        : -((-scaled + unitsPerEm / 2) / unitsPerEm));
}

} // namespace vantolex
