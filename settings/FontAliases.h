// Face names stored by the settings of other systems, mapped onto the packaged faces.
//
// The default face of the settings and many stored presets name faces that no Linux desktop installs. When
// such a face is not installed, text is drawn in the packaged face of the same design.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantolex {

// The family that stands in for `faceName` (without a leading "@"), or nothing when the table has no entry.
std::optional<std::u16string> aliasFamily(std::u16string_view faceName);

} // namespace vantolex
