#include "render/cairo/CairoGlyphPainter.h"

#include <cairo-ft.h>

#include "render/fonts/CodePoints.h"

namespace vantolex {

void appendUtf8(std::string& out, std::u16string_view text)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); i += units) {
        char32_t c = codePointAt(text, i, units);
        if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

CairoGlyphPainter::CairoGlyphPainter(FaceLibrary& library)
    : m_library(library)
    , m_options(cairo_font_options_create())
{
    // Outlines as designed and advances unhinted: positions come from the placement alone.
    cairo_font_options_set_hint_metrics(m_options.get(), CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(m_options.get(), CAIRO_HINT_STYLE_NONE);
}

cairo_font_face_t* CairoGlyphPainter::cairoFace(FaceId face)
{
    if (m_faces.size() <= face) {
        m_faces.resize(static_cast<std::size_t>(face) + 1);
    }
    if (!m_faces[face]) {
        const FontFace& fontFace = m_library.face(face);
        handles::FcPatternPtr pattern(FcPatternCreate());
        FcPatternAddString(pattern.get(), FC_FILE, reinterpret_cast<const FcChar8*>(fontFace.file().c_str()));
        FcPatternAddInteger(pattern.get(), FC_INDEX, static_cast<int>(fontFace.index()));
        m_faces[face].reset(cairo_ft_font_face_create_for_pattern(pattern.get()));
    }
    return m_faces[face].get();
}

void CairoGlyphPainter::paint(cairo_t* cr, const GlyphFont& font, double x, double y, std::u16string_view text,
                              const std::vector<PlacedGlyph>& glyphs)
{
    const GlyphFont::Metrics& metrics = font.metrics();
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_font_options(cr, m_options.get());
    std::size_t start = 0;
    while (start < glyphs.size()) {
        const PlacedGlyph& lead = glyphs[start];
        std::size_t end = start + 1;
        while (end < glyphs.size() && glyphs[end].face == lead.face && glyphs[end].orientation == lead.orientation
               && glyphs[end].scale == lead.scale) {
            ++end;
        }
        const int unitsPerEm = m_library.face(lead.face).unitsPerEm();
        const double along = metrics.emAlong * lead.scale;
        const double across = metrics.emAcross;
        cairo_matrix_t matrix;
        switch (lead.orientation) {
        case GlyphOrientation::Horizontal:
            cairo_matrix_init(&matrix, along, 0, 0, across, 0, 0);
            break;
        case GlyphOrientation::Sideways:
            // A quarter turn clockwise: the glyph's baseline runs down the page, its top to the right.
            cairo_matrix_init(&matrix, 0, along, -across, 0, 0, 0);
            break;
        case GlyphOrientation::Upright:
            cairo_matrix_init(&matrix, across, 0, 0, along, 0, 0);
            break;
        }

        m_glyphs.clear();
        m_clusters.clear();
        m_utf8.clear();
        for (std::size_t i = start; i < end; ++i) {
            const PlacedGlyph& glyph = glyphs[i];
            double gx = 0;
            double gy = 0;
            switch (glyph.orientation) {
            case GlyphOrientation::Horizontal:
                gx = x + glyph.along;
                gy = y + metrics.baseline - glyph.across;
                break;
            case GlyphOrientation::Sideways:
                gx = x - metrics.baseline + glyph.across;
                gy = y + glyph.along;
                break;
            case GlyphOrientation::Upright:
                gx = x - across / 2 + glyph.originX * across / unitsPerEm;
                gy = y + glyph.along - glyph.originY * along / unitsPerEm;
                break;
            }
            m_glyphs.push_back({ glyph.glyph, gx, gy });
            if (i == start || glyph.textStart != glyphs[i - 1].textStart) {
                const std::size_t before = m_utf8.size();
                appendUtf8(m_utf8,
                           text.substr(static_cast<std::size_t>(glyph.textStart),
                                       static_cast<std::size_t>(glyph.textEnd - glyph.textStart)));
                m_clusters.push_back({ static_cast<int>(m_utf8.size() - before), 1 });
            } else {
                ++m_clusters.back().num_glyphs;
            }
        }
        cairo_set_font_face(cr, cairoFace(lead.face));
        cairo_set_font_matrix(cr, &matrix);
        cairo_show_text_glyphs(cr, m_utf8.data(), static_cast<int>(m_utf8.size()), m_glyphs.data(),
                               static_cast<int>(m_glyphs.size()), m_clusters.data(),
                               static_cast<int>(m_clusters.size()), cairo_text_cluster_flags_t(0));
        start = end;
    }
    cairo_restore(cr);
}

} // namespace vantolex
