#include "render/fonts/InstalledFace.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "base/Utf16.h"
#include "render/fonts/FontHandles.h"

namespace vantolex {

const ScriptName scriptNames[14] = {
    { "en", u"欧文" },
    { "ja", u"日本語" },
    { "ko", u"ハングル" },
    { "zh-cn", u"中国語 (簡体)" },
    { "zh-tw", u"中国語 (繁体)" },
    { "el", u"ギリシャ語" },
    { "tr", u"トルコ語" },
    { "vi", u"ベトナム語" },
    { "he", u"ヘブライ語" },
    { "ar", u"アラビア語" },
    { "lt", u"バルト言語" },
    { "ru", u"キリル" },
    { "th", u"タイ語" },
    { "cs", u"中欧" },
};

namespace {

// Samples of the two cell widths: ASCII and half-width katakana; kana, kanji and full-width punctuation.
constexpr char32_t halfWidthSamples[] = { U' ', U'0', U'A', U'W', U'a', U'i', U'm', U'.', U'|', U'\uFF71' };
constexpr char32_t fullWidthSamples[] = { U'\u3042', U'\u30A2', U'\u6F22', U'\u3002', U'\u300C', U'\uFF21' };

bool isEastAsianLanguage(std::string_view language)
{
    return language == "ja" || language == "ko" || language == "zh-cn" || language == "zh-tw";
}

std::u16string stringOf(const FcChar8* text)
{
    return fromUtf8(reinterpret_cast<const char*>(text));
}

struct Candidate
{
    InstalledFace face;
    int weightDistance = 0; // from regular upright: the face measured for the family
    std::string file;
    int index = 0;
    int spacing = FC_PROPORTIONAL;
};

} // namespace

namespace {

std::uint16_t bigEndian16(const char* data)
{
    return static_cast<std::uint16_t>((static_cast<unsigned char>(data[0]) << 8) | static_cast<unsigned char>(data[1]));
}

// The OS/2 table claims the symbol character set (bit 31 of ulCodePageRange1), or the cmap has a (3, 0)
// subtable and no Unicode one.
bool isSymbolFace(hb_face_t* face)
{
    handles::HbBlobPtr os2(hb_face_reference_table(face, HB_TAG('O', 'S', '/', '2')));
    unsigned int os2Length = 0;
    const char* os2Data = hb_blob_get_data(os2.get(), &os2Length);
    constexpr unsigned int codePageRange1 = 78;
    if (os2Length >= codePageRange1 + 4 && (static_cast<unsigned char>(os2Data[codePageRange1]) & 0x80) != 0) {
        return true;
    }

    handles::HbBlobPtr cmap(hb_face_reference_table(face, HB_TAG('c', 'm', 'a', 'p')));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(cmap.get(), &length);
    if (length < 4) {
        return false;
    }
    const unsigned int tables = bigEndian16(data + 2);
    bool symbol = false;
    bool unicode = false;
    for (unsigned int i = 0; i < tables && 4 + 8 * (i + 1) <= length; ++i) {
        const char* record = data + 4 + 8 * i;
        const unsigned int platform = bigEndian16(record);
        const unsigned int encoding = bigEndian16(record + 2);
        symbol = symbol || (platform == 3 && encoding == 0);
        unicode = unicode || platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
    }
    return symbol && !unicode;
}

bool hasFixedPitch(hb_font_t* font)
{
    hb_position_t half = 0;
    int halves = 0;
    for (char32_t c : halfWidthSamples) {
        hb_codepoint_t glyph = 0;
        if (!hb_font_get_nominal_glyph(font, c, &glyph)) {
            continue;
        }
        const hb_position_t advance = hb_font_get_glyph_h_advance(font, glyph);
        if (halves > 0 && advance != half) {
            return false;
        }
        half = advance;
        ++halves;
    }
    if (halves < 2 || half <= 0) {
        return false;
    }
    for (char32_t c : fullWidthSamples) {
        hb_codepoint_t glyph = 0;
        if (hb_font_get_nominal_glyph(font, c, &glyph) && hb_font_get_glyph_h_advance(font, glyph) != 2 * half) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<FaceMeasurement> measureFace(const char* file, unsigned int index)
{
    handles::HbBlobPtr blob(hb_blob_create_from_file_or_fail(file));
    if (!blob) {
        return std::nullopt;
    }
    handles::HbFacePtr face(hb_face_create(blob.get(), index));
    if (hb_face_get_glyph_count(face.get()) == 0) {
        return std::nullopt;
    }
    handles::HbFontPtr font(hb_font_create(face.get())); // scaled in font units: advances are exact integers
    return FaceMeasurement { hasFixedPitch(font.get()), isSymbolFace(face.get()) };
}

std::vector<InstalledFace> installedFaces()
{
    handles::FcPatternPtr pattern(FcPatternCreate());
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    handles::FcObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_LANG, FC_SYMBOL, FC_FILE, FC_INDEX,
                                                     FC_WEIGHT, FC_SLANT, FC_WIDTH, FC_SPACING, nullptr));
    handles::FcFontSetPtr fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) {
        return {};
    }

    std::map<std::u16string, Candidate> families; // by the first family name
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        FcBool symbol = FcFalse;
        FcLangSet* languages = nullptr;
        FcChar8* firstFamily = nullptr;
        if (FcPatternGetString(font, FC_FAMILY, 0, &firstFamily) != FcResultMatch
            || FcPatternGetLangSet(font, FC_LANG, 0, &languages) != FcResultMatch) {
            continue;
        }
        if (FcPatternGetBool(font, FC_SYMBOL, 0, &symbol) == FcResultMatch && symbol) {
            continue;
        }
        Candidate candidate;
        for (const ScriptName& script : scriptNames) {
            if (FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>(script.language)) == FcLangEqual) {
                candidate.face.scripts.emplace_back(script.name);
                candidate.face.eastAsian = candidate.face.eastAsian || isEastAsianLanguage(script.language);
            }
        }
        if (candidate.face.scripts.empty()) {
            continue; // a symbol face, or a script none of the names covers
        }
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(font, FC_FAMILY, n, &family) == FcResultMatch; ++n) {
            candidate.face.familyNames.push_back(stringOf(family));
            FcChar8* language = nullptr;
            if (FcPatternGetString(font, FC_FAMILYLANG, n, &language) == FcResultMatch
                && std::string_view(reinterpret_cast<const char*>(language)) == "ja" && candidate.face.name.empty()) {
                candidate.face.name = stringOf(family);
            }
        }
        if (candidate.face.name.empty()) {
            candidate.face.name = stringOf(firstFamily);
        }
        double weight = FC_WEIGHT_REGULAR;
        int slant = FC_SLANT_ROMAN;
        int width = FC_WIDTH_NORMAL;
        FcPatternGetDouble(font, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(font, FC_SLANT, 0, &slant);
        FcPatternGetInteger(font, FC_WIDTH, 0, &width);
        candidate.weightDistance = static_cast<int>(std::abs(weight - FC_WEIGHT_REGULAR))
            + (slant != FC_SLANT_ROMAN ? 1000 : 0) + std::abs(width - FC_WIDTH_NORMAL) * 10;
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
            candidate.file = reinterpret_cast<const char*>(file);
        }
        FcPatternGetInteger(font, FC_INDEX, 0, &candidate.index);
        FcPatternGetInteger(font, FC_SPACING, 0, &candidate.spacing);

        const std::u16string key = stringOf(firstFamily);
        auto found = families.find(key);
        if (found == families.end()) {
            families.emplace(key, std::move(candidate));
        } else if (candidate.weightDistance < found->second.weightDistance
                   || (candidate.weightDistance == found->second.weightDistance
                       && candidate.file < found->second.file)) {
            found->second = std::move(candidate);
        }
    }

    std::vector<InstalledFace> faces;
    faces.reserve(families.size());
    for (auto& [key, candidate] : families) {
        const auto measured = measureFace(candidate.file.c_str(), static_cast<unsigned int>(candidate.index));
        if (measured && measured->symbol) {
            continue;
        }
        // A face HarfBuzz cannot read (Type 1) keeps fontconfig's word for its pitch.
        candidate.face.fixedPitch
            = measured ? measured->fixedPitch : candidate.spacing == FC_MONO || candidate.spacing == FC_DUAL;
        faces.push_back(std::move(candidate.face));
    }
    std::sort(faces.begin(), faces.end(),
              [](const InstalledFace& a, const InstalledFace& b) { return a.name < b.name; });
    return faces;
}

} // namespace vantolex
