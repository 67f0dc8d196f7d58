// The description of a font face as the font catalogue offers it and the drawing device consumes it.
#pragma once

#include <string>

namespace vantolex {

enum class FontPitch
{
    Default, // not known
    Fixed, // every half-width glyph one advance, every full-width glyph twice it (measured)
    Variable, // proportional
};

struct FontDescription
{
    std::u16string faceName; // full face name; a vertical-writing face carries a leading "@"
    std::u16string script; // script name in Japanese as the catalogue reports it, e.g. u"日本語"
    int height = 0; // device pixels; negative: the character (em) height, positive: the cell height
    int width = 0; // average character width in device pixels; 0: the face's natural width
    int escapement = 0; // direction of the baseline in tenths of a degree: 0, or 2700 for vertical writing
    int orientation = 0; // tenths of a degree
    int weight = 400; // 100 (thin) to 900 (black); 400 regular, 700 bold
    FontPitch pitch = FontPitch::Default;

    bool operator==(const FontDescription&) const = default;
};

} // namespace vantolex
