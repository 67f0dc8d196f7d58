// A font of the Cairo devices: a Pango font description with the placement data of its lines.
#pragma once

#include <memory>
#include <optional>

#include "layout/device/CairoHandles.h"
#include "layout/device/Device.h"
#include "layout/device/TextContext.h"

namespace vantolex {

class CairoFont final : public DeviceFont
{
public:
    // How the string runs from its reference point.
    enum class Direction
    {
        Across, // escapement 0: to the right
        Down, // escapement 2700: downward, the glyph bodies to the left of the reference point
    };

    // Pango context kind (the "@" faces lay out with vertical gravity) and direction.
    CairoFont(handles::PangoFontDescriptionPtr description, TextFlow flow, Direction direction, double emPixels,
              double baselinePixels);

    const PangoFontDescription* description() const { return m_description.get(); }
    TextFlow flow() const { return m_flow; }
    Direction direction() const { return m_direction; }
    // The character (em) height in device pixels.
    double emPixels() const { return m_emPixels; }
    // Distance from the top of the em box to the baseline, in device pixels.
    double baselinePixels() const { return m_baselinePixels; }

private:
    handles::PangoFontDescriptionPtr m_description;
    TextFlow m_flow;
    Direction m_direction;
    double m_emPixels;
    double m_baselinePixels;
};

// The font for `description` laid out in `horizontalContext`'s font map, or nothing when the description
// asks for what no device can make: an empty face name, a height of 0, an escapement other than 0 and 2700.
// `horizontalContext` serves only to read the face's ascent and descent.
std::unique_ptr<CairoFont> createCairoFont(PangoContext* horizontalContext, const FontDescription& description);

} // namespace vantolex
