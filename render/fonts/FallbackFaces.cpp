#include "render/fonts/FallbackFaces.h"

#include <algorithm>
#include <string>

#include "base/Utf16.h"
#include "render/fonts/FontFamilies.h"

namespace vantolex {

namespace {

std::string stringOf(FcPattern* pattern, const char* object)
{
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch ? reinterpret_cast<const char*>(value)
                                                                           : std::string();
}

int indexOf(FcPattern* pattern)
{
    int index = 0;
    FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
    return index;
}

bool sameFile(FcPattern* a, FcPattern* b)
{
    return stringOf(a, FC_FILE) == stringOf(b, FC_FILE) && indexOf(a) == indexOf(b);
}

// A pattern for `family` at `weight`, preferring Japanese faces, completed by fontconfig's configuration.
handles::FcPatternPtr patternFor(std::u16string_view family, int weight)
{
    handles::FcPatternPtr pattern(FcPatternCreate());
    const std::string name = toUtf8(family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(std::clamp(weight, 1, 1000)));
    handles::FcLangSetPtr languages(FcLangSetCreate());
    FcLangSetAdd(languages.get(), reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddLangSet(pattern.get(), FC_LANG, languages.get());
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

} // namespace

std::u16string_view styleFallbackFamily(FaceStyle style)
{
    return style == FaceStyle::Serif ? u"Noto Serif CJK JP" : u"Noto Sans CJK JP";
}

FallbackFaces::FallbackFaces(FaceLibrary& library, std::u16string_view family, int weight)
    : m_library(library)
{
    handles::FcPatternPtr pattern = patternFor(family, weight);
    FcResult result = FcResultNoMatch;
    m_sorted.reset(FcFontSort(nullptr, pattern.get(), FcTrue, nullptr, &result));
    if (!m_sorted) {
        return;
    }
    for (int i = 0; i < m_sorted->nfont; ++i) {
        m_candidates.push_back({ m_sorted->fonts[i], std::nullopt, false });
    }
    // The primary face: the best match that can be read.
    while (!m_candidates.empty() && !m_primary) {
        m_primary = openCandidate(m_candidates.front());
        if (!m_primary) {
            m_candidates.erase(m_candidates.begin());
        }
    }
    if (!m_primary) {
        return;
    }

    const std::u16string_view styleFamily = styleFallbackFamily(m_library.face(*m_primary).style());
    if (!isFamilyInstalled(styleFamily)) {
        return;
    }
    handles::FcPatternPtr stylePattern = patternFor(styleFamily, weight);
    m_styleMatch.reset(FcFontMatch(nullptr, stylePattern.get(), &result));
    if (!m_styleMatch || sameFile(m_styleMatch.get(), m_candidates.front().pattern)) {
        return;
    }
    std::erase_if(m_candidates, [&](const Candidate& c) { return sameFile(c.pattern, m_styleMatch.get()); });
    m_candidates.insert(m_candidates.begin() + 1, Candidate { m_styleMatch.get(), std::nullopt, false });
}

std::optional<FaceId> FallbackFaces::openCandidate(Candidate& candidate)
{
    if (!candidate.face && !candidate.unreadable) {
        const std::string file = stringOf(candidate.pattern, FC_FILE);
        candidate.face
            = file.empty() ? std::nullopt : m_library.open(file, static_cast<unsigned int>(indexOf(candidate.pattern)));
        candidate.unreadable = !candidate.face;
    }
    return candidate.face;
}

std::optional<FallbackFaces::Found> FallbackFaces::find(char32_t c)
{
    for (Candidate& candidate : m_candidates) {
        FcCharSet* characters = nullptr;
        if (candidate.unreadable
            || (FcPatternGetCharSet(candidate.pattern, FC_CHARSET, 0, &characters) == FcResultMatch
                && !FcCharSetHasChar(characters, c))) {
            continue;
        }
        const auto face = openCandidate(candidate);
        if (!face) {
            continue;
        }
        if (const std::uint32_t glyph = m_library.face(*face).nominalGlyph(c); glyph != 0) {
            return Found { *face, glyph };
        }
    }
    return std::nullopt;
}

std::vector<FaceId> FallbackFaces::openFaces()
{
    std::vector<FaceId> faces;
    for (Candidate& candidate : m_candidates) {
        if (const auto face = openCandidate(candidate)) {
            faces.push_back(*face);
        }
    }
    return faces;
}

std::optional<std::u16string> FallbackFaces::fallbackFamily() const
{
    if (m_candidates.size() < 2) {
        return std::nullopt;
    }
    return fromUtf8(stringOf(m_candidates[1].pattern, FC_FAMILY));
}

} // namespace vantolex
