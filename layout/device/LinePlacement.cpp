#include "layout/device/LinePlacement.h"

#include <cmath>

#include "base/UnicodeTables.h"

namespace vantolex {

namespace {

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit < 0xDC00;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit < 0xE000;
}

// The code point at `at` and the number of code units it takes.
char32_t codePointAt(std::u16string_view text, std::size_t at, std::size_t& units)
{
    const char16_t unit = text[at];
    if (isHighSurrogate(unit) && at + 1 < text.size() && isLowSurrogate(text[at + 1])) {
        units = 2;
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[at + 1] - 0xDC00);
    }
    units = 1;
    return unit;
}

int cellsOf(std::u16string_view units)
{
    int cells = 0;
    for (const char16_t unit : units) {
        cells += isDoubleWidth(unit) ? 2 : 1;
    }
    return cells;
}

GlyphOrientation orientationOn(const GlyphFont& font, GlyphOrientation cached)
{
    if (font.metrics().direction == GlyphFont::Direction::Down && cached == GlyphOrientation::Horizontal) {
        return GlyphOrientation::Sideways; // a horizontal face on a line that runs down
    }
    return cached;
}

} // namespace

int countMissing(const std::vector<PlacedGlyph>& glyphs)
{
    int missing = 0;
    for (const PlacedGlyph& glyph : glyphs) {
        missing += (glyph.flags & PlacedGlyph::Missing) != 0 ? 1 : 0;
    }
    return missing;
}

TextBoxPlacement placeInBox(const GlyphFont& font, const Rect& box, double length, TextAlign align)
{
    const bool down = font.metrics().direction == GlyphFont::Direction::Down;
    const double lengthAlong = down ? box.bottom - box.top : box.right - box.left;
    const double lengthAcross = down ? box.right - box.left : box.bottom - box.top;
    double along = 0;
    if (align == TextAlign::Center) {
        along = (lengthAlong - length) / 2;
    } else if (align == TextAlign::Right) {
        along = lengthAlong - length;
    }
    const double across = (lengthAcross - font.metrics().emAcross) / 2;
    TextBoxPlacement placement;
    placement.overflows = length > lengthAlong;
    if (down) {
        placement.x = box.right - across;
        placement.y = box.top + along;
    } else {
        placement.x = box.left + along;
        placement.y = box.top + across;
    }
    return placement;
}

double fitScale(double span, double advance)
{
    if (advance <= span || advance <= 0) {
        return 1.0;
    }
    return std::floor(span / advance * 65536.0) / 65536.0;
}

double placeLine(const GlyphFont& font, std::u16string_view text, std::vector<PlacedGlyph>& glyphs)
{
    glyphs.clear();
    GlyphCache& cache = font.glyphs();
    FaceLibrary& library = cache.library();
    const GlyphFont::Metrics& metrics = font.metrics();
    const int pitch = metrics.cellPitch;
    int cell = 0; // with a pitch: cells used so far
    double pen = 0; // without: pixels used so far

    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t units = 0;
        const char32_t c = codePointAt(text, at, units);
        // The cluster: the character and every following one that combines with it.
        std::size_t end = at + units;
        bool joined = c == 0x200D;
        while (end < text.size()) {
            std::size_t nextUnits = 0;
            const char32_t next = codePointAt(text, end, nextUnits);
            if (!joined && !(cache.at(next).flags & GlyphEntry::Combining)) {
                break;
            }
            joined = next == 0x200D;
            end += nextUnits;
        }
        const int first = static_cast<int>(glyphs.size());

        if (end == at + units) {
            const GlyphEntry& entry = cache.at(c);
            PlacedGlyph placed;
            placed.glyph = entry.glyph;
            placed.face = entry.face;
            placed.orientation = orientationOn(font, entry.orientation);
            placed.advance = entry.advance;
            placed.originX = entry.originX;
            placed.originY = entry.originY;
            if (entry.flags & GlyphEntry::Shared) {
                placed.flags |= PlacedGlyph::WithText;
            }
            if (entry.flags & GlyphEntry::Missing) {
                placed.flags |= PlacedGlyph::Missing;
            }
            glyphs.push_back(placed);
        } else {
            const ShapedCluster& shaped = cache.cluster(text.substr(at, end - at));
            for (const ShapedCluster::Glyph& glyph : shaped.glyphs) {
                PlacedGlyph placed;
                placed.glyph = glyph.glyph;
                placed.face = shaped.face;
                placed.orientation = orientationOn(font, shaped.orientation);
                placed.flags
                    = PlacedGlyph::WithText | PlacedGlyph::Positioned | (glyph.glyph == 0 ? PlacedGlyph::Missing : 0);
                placed.advance = glyph.advance;
                placed.originX = glyph.originX;
                placed.originY = glyph.originY;
                placed.along = glyph.along; // font units for now: scaled below
                placed.across = glyph.across;
                glyphs.push_back(placed);
            }
            if (!shaped.glyphs.empty()) {
                glyphs[static_cast<std::size_t>(first)].advance = shaped.advance; // the cluster's, for fitting
            }
        }

        // Fit the cluster (one glyph, mostly) on its cells, or let it advance by its width.
        if (static_cast<int>(glyphs.size()) > first) {
            PlacedGlyph& lead = glyphs[static_cast<std::size_t>(first)];
            const double perUnit = metrics.emAlong / library.face(lead.face).unitsPerEm();
            const double natural = lead.advance * perUnit;
            double start = pen;
            double scale = 1.0;
            if (pitch > 0) {
                const int cells = cellsOf(text.substr(at, end - at));
                const double span = static_cast<double>(cells) * pitch;
                scale = fitScale(span, natural);
                start = static_cast<double>(cell) * pitch + (span - natural * scale) / 2;
                cell += cells;
            } else {
                pen += natural;
            }
            const double acrossPerUnit = metrics.emAcross / library.face(lead.face).unitsPerEm();
            for (std::size_t i = static_cast<std::size_t>(first); i < glyphs.size(); ++i) {
                PlacedGlyph& glyph = glyphs[i];
                glyph.textStart = static_cast<int>(at);
                glyph.textEnd = static_cast<int>(end);
                glyph.scale = scale;
                if (glyph.flags & PlacedGlyph::Positioned) {
                    glyph.along = start + glyph.along * perUnit * scale;
                    glyph.across = glyph.across * acrossPerUnit;
                } else {
                    glyph.along = start;
                }
            }
            if (end != at + units && !glyphs.empty()) {
                // The cluster's lead glyph keeps its own advance for drawing.
                const ShapedCluster& shaped = cache.cluster(text.substr(at, end - at));
                lead.advance = shaped.glyphs.front().advance;
            }
        }
        at = end;
    }
    return pitch > 0 ? static_cast<double>(cell) * pitch : pen;
}

} // namespace vantolex
