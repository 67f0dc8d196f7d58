// Owning handles for the C objects of Cairo.
//
// Every Cairo object of the drawing devices lives in one of these std::unique_ptr aliases; nothing else calls
// a destroy function. A handle made from a function that returns a new reference takes that reference; for a
// borrowed pointer that must be kept, take a reference first and wrap the result.
#pragma once

#include <memory>

#include <cairo.h>

#include "base/HandleDeleter.h"

namespace vantolex::handles {

using CairoPtr = std::unique_ptr<cairo_t, Deleter<cairo_destroy>>;
using SurfacePtr = std::unique_ptr<cairo_surface_t, Deleter<cairo_surface_destroy>>;
using FontOptionsPtr = std::unique_ptr<cairo_font_options_t, Deleter<cairo_font_options_destroy>>;
using FontFacePtr = std::unique_ptr<cairo_font_face_t, Deleter<cairo_font_face_destroy>>;

} // namespace vantolex::handles
