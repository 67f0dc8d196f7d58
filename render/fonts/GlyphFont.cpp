#include "render/fonts/GlyphFont.h"

#include <algorithm>
#include <cstdlib>

#include "render/fonts/FontFamilies.h"
#include "settings/FaceName.h"

namespace vantolex {

GlyphFonts::Family* GlyphFonts::familyOf(const std::u16string& name, int weight)
{
    for (const auto& family : m_families) {
        if (family->name == name && family->weight == weight) {
            return family->faces->valid() ? family.get() : nullptr;
        }
    }
    auto family = std::make_unique<Family>();
    family->name = name;
    family->weight = weight;
    family->faces = std::make_unique<FallbackFaces>(m_library, name, weight);
    if (family->faces->valid()) {
        family->horizontal = std::make_unique<GlyphCache>(m_library, *family->faces, false);
        family->vertical = std::make_unique<GlyphCache>(m_library, *family->faces, true);
    }
    m_families.push_back(std::move(family));
    return m_families.back()->faces->valid() ? m_families.back().get() : nullptr;
}

std::unique_ptr<GlyphFont> GlyphFonts::create(const FontDescription& description, int dpiX, int dpiY)
{
    if (description.height == 0 || (description.escapement != 0 && description.escapement != 2700) || dpiX <= 0
        || dpiY <= 0) {
        return nullptr;
    }
    const FaceName faceName = FaceName::parse(description.faceName);
    if (faceName.family.empty()) {
        return nullptr;
    }
    Family* family = familyOf(resolveFamily(faceName.family), std::clamp(description.weight, 100, 900));
    if (!family) {
        return nullptr;
    }

    GlyphFont::Metrics metrics;
    metrics.direction = description.escapement == 2700 ? GlyphFont::Direction::Down : GlyphFont::Direction::Across;
    const bool down = metrics.direction == GlyphFont::Direction::Down;
    GlyphCache& glyphs = faceName.vertical && down ? *family->vertical : *family->horizontal;

    // A negative height is the character (em) height; a positive one the cell height, ascender plus
    // descender of the face. Heights are measured across the line, in the device pixels of that axis.
    const FontFace& face = glyphs.primaryFace();
    const double cellInEm = static_cast<double>(face.ascender() + face.descender()) / face.unitsPerEm();
    metrics.emAcross
        = description.height < 0 ? -static_cast<double>(description.height) : description.height / cellInEm;
    const double dpiAlong = down ? dpiY : dpiX;
    const double dpiAcross = down ? dpiX : dpiY;
    metrics.emAlong = metrics.emAcross * dpiAlong / dpiAcross;
    metrics.cellPitch = std::max(0, description.width);
    metrics.baseline = metrics.emAcross * face.emBoxTop() / face.unitsPerEm();
    return std::make_unique<GlyphFont>(glyphs, metrics);
}

} // namespace vantolex
