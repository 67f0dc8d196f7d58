#include "layout/device/CairoFont.h"

#include <algorithm>
#include <utility>

#include "base/Utf16.h"
#include "layout/device/FontFamilies.h"

namespace vantolex {

CairoFont::CairoFont(handles::PangoFontDescriptionPtr description, TextFlow flow, Direction direction, double emPixels,
                     double baselinePixels)
    : m_description(std::move(description))
    , m_flow(flow)
    , m_direction(direction)
    , m_emPixels(emPixels)
    , m_baselinePixels(baselinePixels)
{
}

namespace {

struct VerticalMetrics
{
    double ascent = 0; // above the baseline, in the units of the font size given
    double descent = 0; // below the baseline
};

VerticalMetrics metricsAt(PangoContext* context, PangoFontDescription* description)
{
    handles::PangoFontMetricsPtr metrics(
        pango_context_get_metrics(context, description, pango_context_get_language(context)));
    return { pango_units_to_double(pango_font_metrics_get_ascent(metrics.get())),
             pango_units_to_double(pango_font_metrics_get_descent(metrics.get())) };
}

} // namespace

std::unique_ptr<CairoFont> createCairoFont(PangoContext* horizontalContext, const FontDescription& description)
{
    if (description.height == 0 || (description.escapement != 0 && description.escapement != 2700)) {
        return nullptr;
    }
    std::u16string_view faceName = description.faceName;
    const bool verticalFace = !faceName.empty() && faceName.front() == u'@';
    if (verticalFace) {
        faceName.remove_prefix(1);
    }
    if (faceName.empty()) {
        return nullptr;
    }

    handles::PangoFontDescriptionPtr pangoDescription(pango_font_description_new());
    pango_font_description_set_family(pangoDescription.get(), toUtf8(resolveFamily(faceName)).c_str());
    pango_font_description_set_weight(pangoDescription.get(),
                                      static_cast<PangoWeight>(std::clamp(description.weight, 100, 1000)));

    // The metrics are read at a size of 1000 units and scaled, so that one query serves both height rules.
    constexpr double probeSize = 1000.0;
    pango_font_description_set_absolute_size(pangoDescription.get(), probeSize * PANGO_SCALE);
    const VerticalMetrics probe = metricsAt(horizontalContext, pangoDescription.get());
    const double cellInEm = (probe.ascent + probe.descent) / probeSize;
    if (cellInEm <= 0) {
        return nullptr;
    }

    // A negative height is the character (em) height; a positive one the cell height, ascent plus descent.
    const double emPixels
        = description.height < 0 ? -static_cast<double>(description.height) : description.height / cellInEm;
    pango_font_description_set_absolute_size(pangoDescription.get(), emPixels * PANGO_SCALE);

    // The em box hangs from the reference point: the baseline divides it in the ratio of ascent to descent.
    // For most Japanese faces ascent plus descent is the em; for faces with a taller cell (Noto CJK) this
    // keeps the characters inside their line instead of pushing them down by the extra leading.
    const double baselinePixels = emPixels * probe.ascent / (probe.ascent + probe.descent);

    const auto direction = description.escapement == 2700 ? CairoFont::Direction::Down : CairoFont::Direction::Across;
    const auto flow
        = verticalFace && direction == CairoFont::Direction::Down ? TextFlow::Vertical : TextFlow::Horizontal;
    return std::make_unique<CairoFont>(std::move(pangoDescription), flow, direction, emPixels, baselinePixels);
}

} // namespace vantolex
