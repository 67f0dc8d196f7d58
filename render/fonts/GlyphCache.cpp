#include "render/fonts/GlyphCache.h"

#include <glib.h>

#include "base/UnicodeTables.h"
#include "render/fonts/CodePoints.h"

namespace vantolex {

bool standsUpright(char32_t c)
{
    if (c < 0x10000 && !isDoubleWidth(static_cast<char16_t>(c))) {
        return false;
    }
    if (g_unichar_iswide(c)) {
        return true;
    }
    switch (g_unichar_get_script(c)) {
    case G_UNICODE_SCRIPT_COMMON:
    case G_UNICODE_SCRIPT_INHERITED:
    case G_UNICODE_SCRIPT_HAN:
    case G_UNICODE_SCRIPT_HIRAGANA:
    case G_UNICODE_SCRIPT_KATAKANA:
    case G_UNICODE_SCRIPT_BOPOMOFO:
    case G_UNICODE_SCRIPT_HANGUL:
    case G_UNICODE_SCRIPT_YI:
        return true;
    default:
        return false;
    }
}

bool isCombining(char32_t c)
{
    if (c == 0x200C || c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF)
        || (c >= 0x180B && c <= 0x180D)) {
        return true;
    }
    switch (g_unichar_type(c)) {
    case G_UNICODE_SPACING_MARK:
    case G_UNICODE_ENCLOSING_MARK:
    case G_UNICODE_NON_SPACING_MARK:
        return true;
    default:
        return false;
    }
}

GlyphCache::GlyphCache(FaceLibrary& library, FallbackFaces& faces, bool verticalForms)
    : m_library(library)
    , m_faces(faces)
    , m_verticalForms(verticalForms)
    , m_buffer(hb_buffer_create())
{
}

const GlyphEntry& GlyphCache::fill(char32_t c)
{
    GlyphEntry entry;
    const auto found = m_faces.find(c);
    entry.face = found ? found->face : m_faces.primary();
    entry.glyph = found ? found->glyph : 0;
    if (!found) {
        entry.flags |= GlyphEntry::Missing;
    }
    if (isCombining(c)) {
        entry.flags |= GlyphEntry::Combining;
    }
    const FontFace& face = m_library.face(entry.face);
    if (m_verticalForms && standsUpright(c)) {
        const UprightGlyph upright = face.uprightGlyph(c);
        entry.orientation = GlyphOrientation::Upright;
        entry.glyph = upright.glyph;
        entry.advance = upright.advance;
        entry.originX = upright.originX;
        entry.originY = upright.originY;
        m_library.use(entry.face).upright.try_emplace(upright.glyph, upright);
    } else {
        entry.orientation = m_verticalForms ? GlyphOrientation::Sideways : GlyphOrientation::Horizontal;
        entry.advance = face.advance(entry.glyph);
    }
    if (entry.glyph == 0 || m_library.claim(entry.face, entry.glyph, c)) {
        entry.flags |= GlyphEntry::Shared;
    }
    entry.flags |= GlyphEntry::Known;

    if (c >= 0x10000) {
        return m_supplementary[c] = entry;
    }
    auto& page = m_pages[c >> 8];
    if (!page) {
        page = std::make_unique<std::array<GlyphEntry, 256>>();
    }
    return (*page)[c & 0xFF] = entry;
}

const ShapedCluster& GlyphCache::cluster(std::u16string_view text)
{
    const std::u16string key(text);
    if (const auto known = m_clusters.find(key); known != m_clusters.end()) {
        return known->second;
    }
    // The base decides the orientation and the face tried first.
    std::size_t units = 0;
    const GlyphEntry baseEntry = at(text.empty() ? U' ' : codePointAt(text, 0, units));
    const bool upright = baseEntry.orientation == GlyphOrientation::Upright;

    std::vector<FaceId> faces = m_faces.openFaces();
    std::erase(faces, baseEntry.face);
    faces.insert(faces.begin(), baseEntry.face);

    ShapedCluster shaped;
    hb_buffer_t* buffer = m_buffer.get();
    for (std::size_t attempt = 0; attempt < faces.size(); ++attempt) {
        const FontFace& face = m_library.face(faces[attempt]);
        hb_buffer_reset(buffer);
        hb_buffer_add_utf16(buffer, reinterpret_cast<const std::uint16_t*>(text.data()), static_cast<int>(text.size()),
                            0, static_cast<int>(text.size()));
        hb_buffer_guess_segment_properties(buffer);
        // Variation selectors and joiners the face does not use leave no glyph behind.
        hb_buffer_set_flags(buffer, HB_BUFFER_FLAG_REMOVE_DEFAULT_IGNORABLES);
        if (upright) {
            hb_buffer_set_direction(buffer, HB_DIRECTION_TTB);
        } else {
            hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
        }
        hb_shape(face.hbFont(), buffer, nullptr, 0);
        unsigned int count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);

        ShapedCluster candidate;
        candidate.face = faces[attempt];
        candidate.orientation = upright ? GlyphOrientation::Upright
            : m_verticalForms           ? GlyphOrientation::Sideways
                                        : GlyphOrientation::Horizontal;
        int pen = 0;
        for (unsigned int i = 0; i < count; ++i) {
            ShapedCluster::Glyph glyph;
            glyph.glyph = infos[i].codepoint;
            candidate.missing = candidate.missing || glyph.glyph == 0;
            if (upright) {
                // Vertical offsets are those of the glyph's horizontal origin from the vertical pen.
                glyph.along = pen;
                glyph.originX = positions[i].x_offset;
                glyph.originY = positions[i].y_offset;
                glyph.advance = -positions[i].y_advance;
                pen -= positions[i].y_advance;
            } else {
                glyph.along = pen + positions[i].x_offset;
                glyph.across = positions[i].y_offset;
                glyph.advance = positions[i].x_advance;
                pen += positions[i].x_advance;
            }
            candidate.glyphs.push_back(glyph);
        }
        candidate.advance = pen;
        if (attempt == 0 || !candidate.missing) {
            shaped = std::move(candidate);
        }
        if (!shaped.missing) {
            break;
        }
    }
    for (const ShapedCluster::Glyph& glyph : shaped.glyphs) {
        m_library.claim(shaped.face, glyph.glyph, 0);
        if (upright) {
            m_library.use(shaped.face)
                .upright.try_emplace(glyph.glyph,
                                     UprightGlyph { glyph.glyph, glyph.advance, glyph.originX, glyph.originY });
        }
    }
    return m_clusters.emplace(key, std::move(shaped)).first->second;
}

} // namespace vantolex
