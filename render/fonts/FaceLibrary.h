// The font faces one device draws with, each opened once, and what its documents used of them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "render/fonts/FontFace.h"

namespace vantolex {

// A face of a FaceLibrary, numbered in the order the faces were opened.
using FaceId = std::uint16_t;

// What the documents of a device used of one face, for embedding it.
struct GlyphUse
{
    // Every glyph drawn, with the code point it stands for: the first one that was drawn with it, or 0 for a
    // glyph drawn only inside a shaped cluster.
    std::unordered_map<std::uint32_t, char32_t> codePoints;
    // The vertical metrics of the glyphs drawn upright in vertical lines.
    std::unordered_map<std::uint32_t, UprightGlyph> upright;
};

class FaceLibrary
{
public:
    // The face `index` of `file`, opened on first use; nothing when it cannot be read.
    std::optional<FaceId> open(const std::string& file, unsigned int index);

    const FontFace& face(FaceId id) const { return *m_faces[id].face; }
    GlyphUse& use(FaceId id) { return m_faces[id].use; }
    std::size_t size() const { return m_faces.size(); }

    // Records that `glyph` of `face` is drawn for `c` (0: as part of a cluster). True when the glyph already
    // stands for another code point, so that its text has to be given along with it.
    bool claim(FaceId face, std::uint32_t glyph, char32_t c);

private:
    struct Entry
    {
        std::unique_ptr<FontFace> face;
        GlyphUse use;
    };
    std::vector<Entry> m_faces;
};

} // namespace vantolex
