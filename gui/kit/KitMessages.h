// The texts every window shares: the captions of the message boxes, the file-open dialogs' filter of all files.
#pragma once

#include <string_view>

namespace vantolex::kitText {

inline constexpr std::u16string_view warningCaption = u"警告 [Vantolex]";
inline constexpr std::u16string_view errorCaption = u"エラー [Vantolex]";
inline constexpr std::u16string_view confirmCaption = u"確認 [Vantolex]";

// The filter of the file-open dialogs that shows every file, names without a dot included.
inline constexpr std::u16string_view allFilesFilter = u"全てのファイル(*.*)";
inline constexpr std::u16string_view allFilesPatterns = u"*";

// Shown beside a number box that refused a keystroke taking its number out of range: the lowest, the highest.
inline constexpr std::u16string_view numberOutOfRange = u"%d～%d の数値を入力してください。";

} // namespace vantolex::kitText
