// The texts every window shares: the captions of the message boxes.
#pragma once

#include <string_view>

namespace vantolex::kitText {

inline constexpr std::u16string_view warningCaption = u"警告 [Vantolex]";
inline constexpr std::u16string_view errorCaption = u"エラー [Vantolex]";
inline constexpr std::u16string_view confirmCaption = u"確認 [Vantolex]";

} // namespace vantolex::kitText
