// The fonts of the devices that draw glyphs themselves (the PDF writer and the Cairo devices): a face with
// its fallback faces and glyph cache, sized in device pixels, with the cell pitch that places its glyphs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "layout/Device.h"
#include "render/fonts/FaceLibrary.h"
#include "render/fonts/FallbackFaces.h"
#include "render/fonts/GlyphCache.h"

namespace vantolex {

class GlyphFont final : public DeviceFont
{
public:
    // How a line runs from its reference point.
    enum class Direction
    {
        Across, // escapement 0: to the right, the reference point at the top left of the first em box
        Down, // escapement 2700: downward, the em boxes to the left of the reference point
    };

    struct Metrics
    {
        Direction direction = Direction::Across;
        double emAlong = 0; // the em in device pixels along the line
        double emAcross = 0; // the em in device pixels across the line: the character height
        // The half-width cell along the line in device pixels: each character is centred on its cells (one,
        // or two for a double-width one) and condensed along the line when wider. 0: each glyph advances by
        // its own width.
        int cellPitch = 0;
        // From the top of the em box (Across), or from its right edge (Down), to the baseline of the glyphs
        // that are not upright on a vertical line, device pixels. Fallback faces share it.
        double baseline = 0;
    };

    GlyphFont(GlyphCache& glyphs, const Metrics& metrics)
        : m_glyphs(glyphs)
        , m_metrics(metrics)
    {
    }

    GlyphCache& glyphs() const { return m_glyphs; }
    const Metrics& metrics() const { return m_metrics; }

private:
    GlyphCache& m_glyphs;
    Metrics m_metrics;
};

// Makes the GlyphFonts of one device and keeps the faces and glyph caches they share.
class GlyphFonts
{
public:
    GlyphFonts() = default;
    GlyphFonts(const GlyphFonts&) = delete;
    GlyphFonts& operator=(const GlyphFonts&) = delete;

    // The font for `description` on a device of `dpiX` × `dpiY` (see Device::createFont; a width > 0 is the
    // half-width cell along the line), or null when no font can be made: an empty face name, a height of 0,
    // an escapement other than 0 and 2700, no face that can be read.
    std::unique_ptr<GlyphFont> create(const FontDescription& description, int dpiX, int dpiY);

    FaceLibrary& library() { return m_library; }

private:
    struct Family
    {
        std::u16string name;
        int weight = 400;
        std::unique_ptr<FallbackFaces> faces;
        std::unique_ptr<GlyphCache> horizontal;
        std::unique_ptr<GlyphCache> vertical;
    };

    Family* familyOf(const std::u16string& name, int weight);

    FaceLibrary m_library;
    std::vector<std::unique_ptr<Family>> m_families;
};

} // namespace vantolex
