// The font list of vantolex-print (--list-fonts).
#pragma once

#include <iosfwd>

namespace vantolex {

// One line per face and script: script, face, pitch, writing direction, and the face that draws what the
// face lacks.
void listFonts(std::ostream& out);

} // namespace vantolex
