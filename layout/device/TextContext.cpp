#include "layout/device/TextContext.h"

#include <pango/pangocairo.h>

namespace vantolex {

handles::PangoContextPtr createTextContext(TextFlow flow)
{
    handles::PangoContextPtr context(pango_font_map_create_context(pango_cairo_font_map_get_default()));
    pango_cairo_context_set_resolution(context.get(), 72.0);
    pango_context_set_round_glyph_positions(context.get(), FALSE);

    handles::FontOptionsPtr options(cairo_font_options_create());
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context.get(), options.get()); // copies the options

    pango_context_set_language(context.get(), pango_language_from_string("ja"));
    if (flow == TextFlow::Vertical) {
        // Kana and kanji upright in their vertical forms, Latin turned. The strong hint would give half-width
        // characters a full em and break the grid.
        pango_context_set_base_gravity(context.get(), PANGO_GRAVITY_EAST);
        pango_context_set_gravity_hint(context.get(), PANGO_GRAVITY_HINT_NATURAL);
    }
    return context;
}

} // namespace vantolex
