// Which font family a face name of a font description is drawn with.
#pragma once

#include <string>
#include <string_view>

namespace vantolex {

// True when fontconfig knows an outline font whose family, in any of its languages, is `family`.
bool isFamilyInstalled(std::u16string_view family);

// The family to draw `faceName` with: the name itself (a leading "@" dropped) when it is installed, else the
// alias of the name when that is installed, else the name unchanged (fontconfig then substitutes its own
// choice, as any drawing system does for an unknown face).
std::u16string resolveFamily(std::u16string_view faceName);

} // namespace vantolex
