#include "render/fonts/LinePlacement.h"

#include <cmath>

#include "base/UnicodeTables.h"
#include "render/fonts/CodePoints.h"

namespace vantolex {

namespace {

// The cells the layout gives `units`: a surrogate pair (there only with the layout option supplementary) is
// one character, two cells when it is wide.
int cellsOf(std::u16string_view units)
{
    int cells = 0;
    for (std::size_t at = 0; at < units.size(); ++at) {
        std::size_t length = 0;
        const char32_t c = codePointAt(units, at, length);
        if (length == 2) {
            cells += isWideSupplementary(c) ? 2 : 1;
            ++at;
        } else {
            cells += isDoubleWidth(units[at]) ? 2 : 1;
        }
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

namespace {

// Places the lines of one call: the state of the line so far and the two ways of placing a cluster.
class LinePlacer
{
public:
    LinePlacer(const GlyphFont& font, std::u16string_view text, std::vector<PlacedGlyph>& glyphs)
        : m_font(font)
        , m_metrics(font.metrics())
        , m_cache(font.glyphs())
        , m_library(m_cache.library())
        , m_text(text)
        , m_glyphs(glyphs)
    {
    }

    double run()
    {
        m_glyphs.clear();
        m_glyphs.reserve(m_text.size());
        // Where the last cluster began, so that a character that combines with it can re-place it whole.
        std::size_t clusterText = 0;
        std::size_t clusterGlyphs = 0;
        int clusterCell = 0;
        double clusterPen = 0;
        bool joinNext = false; // after a zero-width joiner
        std::size_t at = 0;
        while (at < m_text.size()) {
            std::size_t units = 0;
            const char32_t c = codePointAt(m_text, at, units);
            const GlyphEntry& entry = m_cache.at(c);
            if ((joinNext || (entry.flags & GlyphEntry::Combining) != 0) && at > 0) {
                // The character joins the cluster before it, and so may the ones after it.
                std::size_t end = at + units;
                joinNext = c == 0x200D;
                while (end < m_text.size()) {
                    std::size_t nextUnits = 0;
                    const char32_t next = codePointAt(m_text, end, nextUnits);
                    if (!joinNext && (m_cache.at(next).flags & GlyphEntry::Combining) == 0) {
                        break;
                    }
                    joinNext = next == 0x200D;
                    end += nextUnits;
                }
                m_glyphs.resize(clusterGlyphs);
                m_cell = clusterCell;
                m_pen = clusterPen;
                placeShaped(clusterText, end);
                at = end;
                continue;
            }
            clusterText = at;
            clusterGlyphs = m_glyphs.size();
            clusterCell = m_cell;
            clusterPen = m_pen;
            joinNext = c == 0x200D;
            placeSingle(entry, at, units);
            at += units;
        }
        return m_metrics.cellPitch > 0 ? static_cast<double>(m_cell) * m_metrics.cellPitch : m_pen;
    }

private:
    double pixelsPerUnit(FaceId face)
    {
        if (face != m_unitFace) {
            m_unitFace = face;
            m_perUnit = m_metrics.emAlong / m_library.face(face).unitsPerEm();
        }
        return m_perUnit;
    }

    // The start along the line and the condensation of a cluster of `natural` pixels made of the code units
    // [start, end): centred on its cells, or after the previous glyph.
    std::pair<double, double> fit(double natural, std::size_t start, std::size_t end)
    {
        const int pitch = m_metrics.cellPitch;
        if (pitch <= 0) {
            const double along = m_pen;
            m_pen += natural;
            return { along, 1.0 };
        }
        const int cells
            = end == start + 1 ? (isDoubleWidth(m_text[start]) ? 2 : 1) : cellsOf(m_text.substr(start, end - start));
        const double span = static_cast<double>(cells) * pitch;
        const double scale = fitScale(span, natural);
        const double along = static_cast<double>(m_cell) * pitch + (span - natural * scale) / 2;
        m_cell += cells;
        return { along, scale };
    }

    void placeSingle(const GlyphEntry& entry, std::size_t at, std::size_t units)
    {
        PlacedGlyph& placed = m_glyphs.emplace_back();
        placed.glyph = entry.glyph;
        placed.face = entry.face;
        placed.orientation = orientationOn(m_font, entry.orientation);
        placed.advance = entry.advance;
        placed.originX = entry.originX;
        placed.originY = entry.originY;
        placed.flags
            = static_cast<std::uint8_t>(((entry.flags & GlyphEntry::Shared) != 0 ? PlacedGlyph::WithText : 0)
                                        | ((entry.flags & GlyphEntry::Missing) != 0 ? PlacedGlyph::Missing : 0));
        placed.textStart = static_cast<int>(at);
        placed.textEnd = static_cast<int>(at + units);
        const auto [along, scale] = fit(entry.advance * pixelsPerUnit(entry.face), at, at + units);
        placed.along = along;
        placed.scale = scale;
    }

    void placeShaped(std::size_t start, std::size_t end)
    {
        const ShapedCluster& shaped = m_cache.cluster(m_text.substr(start, end - start));
        const double perUnit = pixelsPerUnit(shaped.face);
        const double acrossPerUnit = m_metrics.emAcross / m_library.face(shaped.face).unitsPerEm();
        const auto [along, scale] = fit(shaped.advance * perUnit, start, end);
        const bool several = shaped.glyphs.size() > 1;
        for (const ShapedCluster::Glyph& glyph : shaped.glyphs) {
            PlacedGlyph& placed = m_glyphs.emplace_back();
            placed.glyph = glyph.glyph;
            placed.face = shaped.face;
            placed.orientation = orientationOn(m_font, shaped.orientation);
            // A glyph off the line (a mark above its base), or one of several upright ones, which may not sit
            // where the face's vertical metrics put it, is placed on its own.
            const bool positioned = glyph.across != 0 || (several && shaped.orientation == GlyphOrientation::Upright);
            placed.flags = static_cast<std::uint8_t>(PlacedGlyph::WithText | (positioned ? PlacedGlyph::Positioned : 0)
                                                     | (glyph.glyph == 0 ? PlacedGlyph::Missing : 0));
            placed.advance = glyph.advance;
            placed.originX = glyph.originX;
            placed.originY = glyph.originY;
            placed.along = along + glyph.along * perUnit * scale;
            placed.across = glyph.across * acrossPerUnit;
            placed.scale = scale;
            placed.textStart = static_cast<int>(start);
            placed.textEnd = static_cast<int>(end);
        }
    }

    const GlyphFont& m_font;
    const GlyphFont::Metrics& m_metrics;
    GlyphCache& m_cache;
    FaceLibrary& m_library;
    std::u16string_view m_text;
    std::vector<PlacedGlyph>& m_glyphs;
    int m_cell = 0; // with a cell pitch: the cells used so far
    double m_pen = 0; // without: the pixels used so far
    int m_unitFace = -1;
    double m_perUnit = 0;
};

} // namespace

double placeLine(const GlyphFont& font, std::u16string_view text, std::vector<PlacedGlyph>& glyphs)
{
    return LinePlacer(font, text, glyphs).run();
}

} // namespace vantolex
