// The outline faces installed on this system, as the font catalogue offers them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantolex {

struct InstalledFace
{
    std::u16string name; // shown and stored: the Japanese family name where the font has one
    std::vector<std::u16string> familyNames; // every family name of the face, in all its languages
    std::vector<std::u16string> scripts; // Japanese script names ("欧文", "日本語" ...), in table order
    bool fixedPitch = false; // measured: see measureFixedPitch
    bool eastAsian = false; // covers Chinese, Japanese or Korean: also offered for vertical writing
};

// The Japanese names of the scripts, in the order a face reports them, with the fontconfig language that
// decides each.
struct ScriptName
{
    const char* language; // fontconfig language tag
    std::u16string_view name;
};
extern const ScriptName scriptNames[14];

// One entry per installed outline family, sorted by name (UTF-16 code units). Symbol faces (fontconfig's
// symbol flag, or no language covered at all) and faces of none of the scripts are left out.
std::vector<InstalledFace> installedFaces();

// What the catalogue reads from a font file itself.
struct FaceMeasurement
{
    // Every half-width sample glyph the face has advances the same, at least two of them are present, and
    // every full-width sample it has advances exactly twice that.
    bool fixedPitch = false;
    // The face maps its glyphs only through a symbol character map (Windows platform, symbol encoding).
    bool symbol = false;
};

// The measurement of the face in `file` (collection index `index`), or nothing when the file cannot be read.
std::optional<FaceMeasurement> measureFace(const char* file, unsigned int index);

} // namespace vantolex
