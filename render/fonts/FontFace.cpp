#include "render/fonts/FontFace.h"

#include <algorithm>
#include <array>
#include <string_view>

#include <hb-ot.h>

#include "render/fonts/CffCharset.h"

namespace vantolex {

namespace {

constexpr hb_tag_t hanScript = HB_TAG('h', 'a', 'n', 'i');
constexpr hb_tag_t japaneseLanguage = HB_TAG('J', 'A', 'N', ' ');

// The style by the PANOSE classification of the OS/2 table (Latin text faces: serif styles 11 to 13 are
// sans serif), else by words of the family name, else sans serif.
FaceStyle styleOf(hb_face_t* face)
{
    handles::HbBlobPtr os2(hb_face_reference_table(face, HB_TAG('O', 'S', '/', '2')));
    unsigned int length = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(hb_blob_get_data(os2.get(), &length));
    constexpr unsigned int panoseFamily = 32;
    constexpr unsigned int panoseSerif = 33;
    constexpr unsigned char latinText = 2;
    if (length > panoseSerif && data[panoseFamily] == latinText && data[panoseSerif] >= 2) {
        return data[panoseSerif] >= 11 && data[panoseSerif] <= 13 ? FaceStyle::Sans : FaceStyle::Serif;
    }
    for (const hb_ot_name_id_t id : { HB_OT_NAME_ID_TYPOGRAPHIC_FAMILY, HB_OT_NAME_ID_FONT_FAMILY }) {
        std::array<char, 128> name {};
        unsigned int size = name.size();
        hb_ot_name_get_utf8(face, id, hb_language_from_string("en", -1), &size, name.data());
        const std::string_view family(name.data(), size);
        for (const std::string_view word : { "Mincho", "Serif", "Ming", "Song", "明朝" }) {
            if (family.find(word) != std::string_view::npos) {
                return FaceStyle::Serif;
            }
        }
    }
    return FaceStyle::Sans;
}

std::string postScriptNameOf(hb_face_t* face)
{
    std::array<char, 128> name {};
    unsigned int size = name.size();
    hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size, name.data());
    std::string result;
    for (unsigned int i = 0; i < size; ++i) {
        const char c = name[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
            || c == '.') {
            result += c;
        }
    }
    return result.empty() ? std::string("Unnamed") : result;
}

} // namespace

std::unique_ptr<FontFace> FontFace::open(const std::string& file, unsigned int index)
{
    handles::HbBlobPtr blob(hb_blob_create_from_file_or_fail(file.c_str()));
    if (!blob) {
        return nullptr;
    }
    handles::HbFacePtr face(hb_face_create(blob.get(), index));
    if (hb_face_get_glyph_count(face.get()) == 0) {
        return nullptr;
    }
    std::unique_ptr<FontFace> result(new FontFace);
    result->m_file = file;
    result->m_index = index;
    result->m_unitsPerEm = static_cast<int>(std::max(1u, hb_face_get_upem(face.get())));
    result->m_font.reset(hb_font_create(face.get()));
    result->m_buffer.reset(hb_buffer_create());
    {
        handles::HbBlobPtr cff(hb_face_reference_table(face.get(), HB_TAG('C', 'F', 'F', ' ')));
        unsigned int length = 0;
        const char* data = hb_blob_get_data(cff.get(), &length);
        result->m_cff = length > 0;
        if (auto charset = result->m_cff ? readCffCharset({ data, length }) : std::nullopt) {
            result->m_cidKeyed = charset->cidKeyed;
            result->m_cids = std::move(charset->cids);
        }
    }

    hb_font_t* font = result->m_font.get();
    hb_position_t ascender = 0;
    hb_position_t descender = 0;
    hb_ot_metrics_get_position_with_fallback(font, HB_OT_METRICS_TAG_HORIZONTAL_ASCENDER, &ascender);
    hb_ot_metrics_get_position_with_fallback(font, HB_OT_METRICS_TAG_HORIZONTAL_DESCENDER, &descender);
    result->m_ascender = std::max(0, static_cast<int>(ascender));
    result->m_descender = std::max(0, -static_cast<int>(descender));
    if (result->m_ascender + result->m_descender <= 0) {
        result->m_ascender = result->m_unitsPerEm * 88 / 100;
        result->m_descender = result->m_unitsPerEm - result->m_ascender;
    }
    // The top of the ideographic em box (from the BASE table, or derived from the other metrics). A face
    // whose value is beyond its em keeps the top of its cell scaled to one em instead.
    hb_position_t top = 0;
    hb_ot_layout_get_baseline_with_fallback(font, HB_OT_LAYOUT_BASELINE_TAG_IDEO_EMBOX_TOP_OR_RIGHT, HB_DIRECTION_LTR,
                                            hanScript, japaneseLanguage, &top);
    result->m_emBoxTop = top > 0 && top <= result->m_unitsPerEm
        ? static_cast<int>(top)
        : result->m_unitsPerEm * result->m_ascender / (result->m_ascender + result->m_descender);

    result->m_style = styleOf(face.get());
    result->m_postScriptName = postScriptNameOf(face.get());
    result->m_face = std::move(face);
    return result;
}

std::uint32_t FontFace::nominalGlyph(char32_t c) const
{
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(m_font.get(), c, &glyph) ? glyph : 0;
}

int FontFace::advance(std::uint32_t glyph) const
{
    return hb_font_get_glyph_h_advance(m_font.get(), glyph);
}

UprightGlyph FontFace::uprightGlyph(char32_t c) const
{
    hb_buffer_t* buffer = m_buffer.get();
    hb_buffer_reset(buffer);
    const auto codePoint = static_cast<std::uint32_t>(c);
    hb_buffer_add_utf32(buffer, &codePoint, 1, 0, 1);
    hb_buffer_set_direction(buffer, HB_DIRECTION_TTB);
    hb_buffer_set_script(buffer, HB_SCRIPT_HAN);
    hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
    hb_shape(m_font.get(), buffer, nullptr, 0);
    unsigned int count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    if (count == 0) {
        return { 0, m_unitsPerEm, -m_unitsPerEm / 2, -m_emBoxTop };
    }
    return { infos[0].codepoint, -positions[0].y_advance, positions[0].x_offset, positions[0].y_offset };
}

} // namespace vantolex
