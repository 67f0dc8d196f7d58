// A font description naming a face, a height (negative: the character height) and an escapement, the
// rest left at its defaults, as the device tests ask for fonts.
#pragma once

#include <string>
#include <utility>

#include "settings/FontDescription.h"

namespace vantolex::testing {

inline FontDescription face(std::u16string name, int height, int escapement = 0)
{
    FontDescription description;
    description.faceName = std::move(name);
    description.height = height;
    description.escapement = escapement;
    return description;
}

} // namespace vantolex::testing
