// One face of a font file as the drawing services read it: its glyphs and metrics in font units through
// HarfBuzz, and what embedding it in a document needs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/fonts/FontHandles.h"

namespace vantolex {

// The design of a face, which decides the face that stands in for characters it lacks.
enum class FaceStyle
{
    Serif, // Mincho and other serif faces
    Sans, // Gothic and other sans-serif faces
};

// A glyph of a vertical line in its upright form: the vertical alternate where the face has one.
struct UprightGlyph
{
    std::uint32_t glyph = 0;
    int advance = 0; // down the line, font units
    // The glyph's horizontal origin seen from its vertical origin (the centre of the top of its em box), font
    // units, x to the right and y upward: about (-half its width, -the em box top).
    int originX = 0;
    int originY = 0;
};

class FontFace
{
public:
    // Face `index` of the font file `file`; null when HarfBuzz cannot read it or it has no glyphs.
    static std::unique_ptr<FontFace> open(const std::string& file, unsigned int index);

    const std::string& file() const { return m_file; }
    unsigned int index() const { return m_index; }
    hb_face_t* hbFace() const { return m_face.get(); }

    int unitsPerEm() const { return m_unitsPerEm; }
    // Height of the top of the ideographic em box above the baseline, font units: where the baseline lies
    // below the top of a character body.
    int emBoxTop() const { return m_emBoxTop; }
    // Ascender and descender of the face (both positive), font units: their sum is the cell height.
    int ascender() const { return m_ascender; }
    int descender() const { return m_descender; }
    bool hasCffOutlines() const { return m_cff; }
    // CFF outlines keyed by CID: a document names their glyphs by CID (see pdfCid), and a subset keeps only
    // the glyphs it needs, without keeping their ids.
    bool hasCidKeyedOutlines() const { return m_cidKeyed; }
    // The number by which a PDF names `glyph`: its CID in a CID-keyed CFF face, else the glyph id itself.
    std::uint32_t pdfCid(std::uint32_t glyph) const { return glyph < m_cids.size() ? m_cids[glyph] : glyph; }
    FaceStyle style() const { return m_style; }
    // The PostScript name, reduced to the characters a PDF name may hold unescaped.
    const std::string& postScriptName() const { return m_postScriptName; }

    // The glyph of `c` in the face's character map; 0 (the missing glyph) when it has none.
    std::uint32_t nominalGlyph(char32_t c) const;
    // Horizontal advance, font units.
    int advance(std::uint32_t glyph) const;
    // `c` shaped for vertical writing (top to bottom, Han script, Japanese), picking up the face's vertical
    // forms.
    UprightGlyph uprightGlyph(char32_t c) const;

    hb_font_t* hbFont() const { return m_font.get(); }

private:
    FontFace() = default;

    std::string m_file;
    unsigned int m_index = 0;
    handles::HbFacePtr m_face;
    handles::HbFontPtr m_font; // scaled in font units: advances are exact integers
    handles::HbBufferPtr m_buffer; // reused by uprightGlyph
    int m_unitsPerEm = 1000;
    int m_emBoxTop = 880;
    int m_ascender = 880;
    int m_descender = 120;
    bool m_cff = false;
    bool m_cidKeyed = false;
    std::vector<std::uint16_t> m_cids; // by glyph, where CIDs are not the glyph ids
    FaceStyle m_style = FaceStyle::Sans;
    std::string m_postScriptName;
};

} // namespace vantolex
