// Draws the placed glyphs of a line on a Cairo context, with their text, one call per run of glyphs that
// share a face, an orientation and a condensation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <cairo.h>

#include "render/cairo/CairoHandles.h"
#include "render/fonts/LinePlacement.h"

namespace vantolex {

class CairoGlyphPainter
{
public:
    explicit CairoGlyphPainter(FaceLibrary& library);

    CairoGlyphPainter(const CairoGlyphPainter&) = delete;
    CairoGlyphPainter& operator=(const CairoGlyphPainter&) = delete;

    // Draws `glyphs`, placed by placeLine from `text` in `font`, for a line whose reference point is (x, y)
    // in the user space of `cr`: the top left of the first em box, or for a line that runs down the top of
    // its right edge.
    void paint(cairo_t* cr, const GlyphFont& font, double x, double y, std::u16string_view text,
               const std::vector<PlacedGlyph>& glyphs);

private:
    cairo_font_face_t* cairoFace(FaceId face);

    FaceLibrary& m_library;
    std::vector<handles::FontFacePtr> m_faces; // by FaceId, made on first use
    handles::FontOptionsPtr m_options;
    std::vector<cairo_glyph_t> m_glyphs;
    std::vector<cairo_text_cluster_t> m_clusters;
    std::string m_utf8;
};

// Appends the UTF-8 of `text` to `out`; a lone surrogate becomes U+FFFD, so that the result is always valid.
void appendUtf8(std::string& out, std::u16string_view text);

} // namespace vantolex
