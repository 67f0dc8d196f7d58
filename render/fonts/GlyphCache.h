// The glyphs of one font, found once per code point: which face draws a character, with which glyph, turned
// how, and how far it advances.
//
// A character the first face lacks comes from the next face of its FallbackFaces that has it; one that no
// face has is drawn with the first face's missing glyph and counted. A cache for vertical writing also
// decides each character's orientation: full-width characters stand upright in the face's vertical forms
// (shaped once with HarfBuzz, so that 、。 sit in the upper right of their cell, brackets, ー, 〜 and … are
// turned and small kana are shifted), half-width characters and the letters of alphabetic scripts lie on
// their side, turned a quarter clockwise.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "render/fonts/FaceLibrary.h"
#include "render/fonts/FallbackFaces.h"

namespace vantolex {

enum class GlyphOrientation : std::uint8_t
{
    Horizontal, // upright on a horizontal line
    Upright, // upright on a vertical line
    Sideways, // on a vertical line, turned a quarter clockwise like the line of a horizontal face
};

struct GlyphEntry
{
    enum Flags : std::uint8_t
    {
        Known = 1, // the entry has been filled
        Missing = 2, // no face has the character: the primary face's missing glyph
        Shared = 4, // the glyph also stands for another code point: its text goes with it
        Combining = 8, // joins the character before it into one cluster that is shaped as a whole
    };

    std::uint32_t glyph = 0;
    int advance = 0; // along the line, font units of the face: horizontal advance, or vertical when upright
    int originX = 0; // upright only: UprightGlyph::originX and originY
    int originY = 0;
    FaceId face = 0;
    GlyphOrientation orientation = GlyphOrientation::Horizontal;
    std::uint8_t flags = 0;
};

// A cluster of characters shaped together (a base and its combining marks or variation selectors).
struct ShapedCluster
{
    struct Glyph
    {
        std::uint32_t glyph = 0;
        int along = 0; // from the cluster's start along the line, font units
        int across = 0; // offset across the line (upward on a horizontal line), font units
        int advance = 0; // the glyph's own advance along the line, font units
        int originX = 0; // upright only, as in GlyphEntry
        int originY = 0;
    };

    FaceId face = 0;
    GlyphOrientation orientation = GlyphOrientation::Horizontal;
    bool missing = false; // some glyph is the missing glyph
    int advance = 0; // of the whole cluster along the line, font units
    std::vector<Glyph> glyphs;
};

class GlyphCache
{
public:
    // `verticalForms`: the glyphs of a vertical line (upright or sideways); else of a horizontal one.
    GlyphCache(FaceLibrary& library, FallbackFaces& faces, bool verticalForms);

    GlyphCache(const GlyphCache&) = delete;
    GlyphCache& operator=(const GlyphCache&) = delete;

    const GlyphEntry& at(char32_t c)
    {
        if (c < 0x10000) {
            const auto& page = m_pages[c >> 8];
            if (page && ((*page)[c & 0xFF].flags & GlyphEntry::Known) != 0) {
                return (*page)[c & 0xFF];
            }
        }
        return fill(c);
    }

    // `text` (a base and the characters that combine with it) shaped as one cluster, in the first face that
    // has all of its glyphs (else the base's face).
    const ShapedCluster& cluster(std::u16string_view text);

    FaceLibrary& library() { return m_library; }
    const FontFace& primaryFace() const { return m_library.face(m_faces.primary()); }
    bool verticalForms() const { return m_verticalForms; }

private:
    const GlyphEntry& fill(char32_t c);

    FaceLibrary& m_library;
    FallbackFaces& m_faces;
    bool m_verticalForms;
    std::array<std::unique_ptr<std::array<GlyphEntry, 256>>, 256> m_pages;
    std::unordered_map<char32_t, GlyphEntry> m_supplementary;
    std::unordered_map<std::u16string, ShapedCluster> m_clusters;
    handles::HbBufferPtr m_buffer;
};

// On a vertical line, whether `c` stands upright (else it lies sideways): a character of two cells stands
// upright unless it is a narrow letter of an alphabetic script (Latin, Greek, Cyrillic ...); a character of
// one cell lies sideways.
bool standsUpright(char32_t c);

// Whether `c` joins the character before it into a cluster: combining marks, variation selectors and the
// zero-width joiner and non-joiner.
bool isCombining(char32_t c);

} // namespace vantolex
