// The faces that draw the text of one font, in the order they are asked for a character: the face that
// fontconfig matches for the family, then the Japanese face of the same style (Noto Serif CJK JP for a serif
// face such as a Mincho, Noto Sans CJK JP for a sans-serif face such as a Gothic), then fontconfig's own
// fallback order for the family. So a character a Mincho face lacks comes from a serif face before any
// Latin face, and a run of simplified Chinese does not alternate between Gothic and Mincho.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/fonts/FaceLibrary.h"
#include "render/fonts/FontHandles.h"

namespace vantolex {

class FallbackFaces
{
public:
    // The faces for `family` (a fontconfig family name) at `weight` (100 to 900). Opens the first face that
    // can be read; when none can, valid() is false.
    FallbackFaces(FaceLibrary& library, std::u16string_view family, int weight);

    bool valid() const { return m_primary.has_value(); }
    // The face matched for the family: its glyphs and metrics set the font's; its missing glyph stands for
    // characters no face has.
    FaceId primary() const { return *m_primary; }

    struct Found
    {
        FaceId face = 0;
        std::uint32_t glyph = 0;
    };
    // The first face, in order, that has a glyph for `c`, and that glyph; nothing when none has.
    std::optional<Found> find(char32_t c);

    // The faces in order, opened as far as they can be; for shaping a cluster in the first face that has all
    // of its glyphs.
    std::vector<FaceId> openFaces();

    // The family of the face after the primary one: what the first character the primary face lacks is
    // drawn with (nothing when there is no second face).
    std::optional<std::u16string> fallbackFamily() const;

private:
    struct Candidate
    {
        FcPattern* pattern = nullptr; // owned by m_sorted or m_styleMatch
        std::optional<FaceId> face; // once opened
        bool unreadable = false;
    };

    std::optional<FaceId> openCandidate(Candidate& candidate);

    FaceLibrary& m_library;
    handles::FcFontSetPtr m_sorted;
    handles::FcPatternPtr m_styleMatch;
    std::vector<Candidate> m_candidates;
    std::optional<FaceId> m_primary;
};

// The Japanese family that stands in first for the characters a face of `style` lacks.
std::u16string_view styleFallbackFamily(FaceStyle style);

} // namespace vantolex
