// The Pango context every text operation of the drawing services lays out with.
//
// Lines stay on the cell grid only with all three settings made here: resolution 72 (one Pango point is
// one device unit, so font sizes are given in device pixels), glyph-position rounding off, and hint metrics
// off. With the default 96 dpi or with rounding on, a line of fixed-pitch text drifts off its cells. Any
// scaling (the preview's zoom, the 72/dpi of a vector surface) is done with the Cairo transform, never with
// another resolution.
#pragma once

#include "layout/device/CairoHandles.h"

namespace vantolex {

enum class TextFlow
{
    Horizontal, // left to right, glyphs upright
    Vertical, // base gravity east, gravity hint natural: the line runs down once turned by 90 degrees
};

// A new context on the default PangoCairo font map, set up for `flow`.
handles::PangoContextPtr createTextContext(TextFlow flow);

} // namespace vantolex
