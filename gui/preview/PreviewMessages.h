// The texts of the preview window.
#pragma once

#include <string_view>

namespace vantolex::previewText {

inline constexpr std::u16string_view windowTitle = u"プレビュー [Vantolex]";

// The bar.
inline constexpr std::u16string_view nextPage = u"次ページ(&N)";
inline constexpr std::u16string_view previousPage = u"前ページ(&P)";
inline constexpr std::u16string_view pageCaption = u"ページ：";
inline constexpr std::u16string_view zoomIn = u"拡大(&Z)"; // in the whole-page view
inline constexpr std::u16string_view wholePage = u"全体(&F)"; // in the zoomed view
inline constexpr std::u16string_view close = u"閉じる(&C)";

} // namespace vantolex::previewText
