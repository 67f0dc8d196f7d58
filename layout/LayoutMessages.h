// The texts of the layout subsystem.
#pragma once

#include <string_view>

namespace vantolex::layoutText {

// ---- Header and footer templates -------------------------------------------------------------------------

// The built-in templates, used when the six templates of the settings are off: the centre header when the file
// name is to be shown, the centre footer when the page number is to be shown.
inline constexpr std::u16string_view fileNameTemplate = u"【 &w 】";
inline constexpr std::u16string_view pageNumberTemplate = u"- &p -";

// ---- end of header and footer templates ------------------------------------------------------------------

// ---- Canvas ------------------------------------------------------------------------------------------------

// The device could not make the text font or the header font.
inline constexpr std::u16string_view printFontNotCreated = u"印刷用フォントが作成できませんでした。";

// ---- end of canvas -----------------------------------------------------------------------------------------

} // namespace vantolex::layoutText
