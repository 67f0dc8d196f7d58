// The fonts of a PDF document: each face its pages used, subset to the glyphs drawn with HarfBuzz's
// subsetter, embedded as a CIDFont (CIDFontType2 with an identity CIDToGIDMap for TrueType outlines, glyph
// ids kept so that a glyph id is its CID; CIDFontType0 with its CFF table for CFF outlines, named by their
// CIDs where the program is CID-keyed, else by their kept glyph ids) with the
// widths that differ from the most common one, its vertical metrics, and a ToUnicode map from each glyph to
// the character it was first drawn for. Two Type 0 fonts share the CIDFont: Identity-H (/F<face>) and, where
// the pages write upright vertical text, Identity-V (/V<face>).
#pragma once

#include <string>

#include "render/fonts/FaceLibrary.h"
#include "render/pdf/PdfContent.h"
#include "render/pdf/PdfOutput.h"

namespace vantolex {

// Writes the fonts `use` names and returns the entries of the /Font resource dictionary (without brackets).
std::string writePdfFonts(PdfOutput& output, FaceLibrary& library, const PdfFontUse& use);

// The ToUnicode CMap of the glyphs of `face` in `use` that stand for one code point, by CID.
std::string toUnicodeCMap(const FontFace& face, const GlyphUse& use);

} // namespace vantolex
