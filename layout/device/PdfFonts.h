// The fonts of a PDF document: each face its pages used, subset to the glyphs drawn with HarfBuzz's
// subsetter (glyph ids kept, so that a glyph id is its CID), embedded as a CIDFont (CIDFontType2 with an
// identity CIDToGIDMap for TrueType outlines, CIDFontType0 with its CFF table for CFF outlines) with the
// widths that differ from the most common one, its vertical metrics, and a ToUnicode map from each glyph to
// the character it was first drawn for. Two Type 0 fonts share the CIDFont: Identity-H (/F<face>) and, where
// the pages write upright vertical text, Identity-V (/V<face>).
#pragma once

#include <string>

#include "layout/device/FaceLibrary.h"
#include "layout/device/PdfContent.h"
#include "layout/device/PdfOutput.h"

namespace vantolex {

// Writes the fonts `use` names and returns the entries of the /Font resource dictionary (without brackets).
std::string writePdfFonts(PdfOutput& output, FaceLibrary& library, const PdfFontUse& use);

// The ToUnicode CMap of the glyphs of `use` that stand for one code point.
std::string toUnicodeCMap(const GlyphUse& use);

} // namespace vantolex
