// Where the glyphs of one line go: the same positions for every device that draws glyphs, so that the PDF
// writer and the Cairo devices put each glyph in the same place.
//
// With a cell pitch each character is centred on the cells the layout gave it (two for a double-width
// character, one for any other), and a glyph wider than its cells is condensed along the line to fit them;
// without one, each glyph advances by its own width. A character that combines with the one before it
// (a combining mark, a variation selector, a zero-width joiner and what it joins) forms a cluster with it
// that is shaped as a whole and centred on the cells of all its characters.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "render/fonts/GlyphFont.h"

namespace vantolex {

struct PlacedGlyph
{
    enum Flags : std::uint8_t
    {
        WithText = 1, // the glyph (with the others of its text range) needs its text given explicitly
        Positioned = 2, // a glyph of a shaped cluster placed on its own (with `across`, or its own origin)
        Missing = 4, // the missing glyph: no face has the character
    };

    std::uint32_t glyph = 0;
    FaceId face = 0;
    GlyphOrientation orientation = GlyphOrientation::Horizontal;
    std::uint8_t flags = 0;
    double along = 0; // device pixels from the line's reference point to the glyph's pen position
    double across = 0; // device pixels toward the top of the glyph (Positioned glyphs only)
    double scale = 1; // condensation along the line; 1 for none
    int advance = 0; // the glyph's own advance along the line, font units of its face
    int originX = 0; // upright glyphs: the horizontal origin seen from the vertical one, font units
    int originY = 0;
    int textStart = 0; // the code units of the line the glyph stands for
    int textEnd = 0;
};

// Places the glyphs of `text` in `font` into `glyphs` (cleared first) and returns the length of the line
// along its direction, in device pixels.
double placeLine(const GlyphFont& font, std::u16string_view text, std::vector<PlacedGlyph>& glyphs);

// How many of `glyphs` are the missing glyph.
int countMissing(const std::vector<PlacedGlyph>& glyphs);

// The reference point of a line of `length` device pixels in `font` aligned by `align` in `box` (along the
// line; across it the em box is centred), and whether the line is longer than the box.
struct TextBoxPlacement
{
    double x = 0;
    double y = 0;
    bool overflows = false;
};
TextBoxPlacement placeInBox(const GlyphFont& font, const Rect& box, double length, TextAlign align);

// The condensation that fits an advance of `advance` pixels into `span` pixels: at most 1, in steps of
// 1/65536 so that equal fits compare equal.
double fitScale(double span, double advance);

} // namespace vantolex
