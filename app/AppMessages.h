// The texts of the print run and its reporting.
#pragma once

#include <string_view>

namespace vantolex::appText {

inline constexpr std::u16string_view noFileGiven = u"ファイルが指定されていません。";
inline constexpr std::u16string_view clipboardEmpty = u"クリップボードにデータがありません";
inline constexpr std::u16string_view startSkipExhausted = u"開始行までスキップしたら、データが無くなりました。";
inline constexpr std::u16string_view printCancelled = u"印刷を中止しました。";
// Memory ran out somewhere in a run.
inline constexpr std::u16string_view outOfMemory = u"メモリが足りません。";

// Message-box captions.
inline constexpr std::u16string_view warningCaption = u"警告 [Vantolex]";
inline constexpr std::u16string_view errorCaption = u"エラー [Vantolex]";
inline constexpr std::u16string_view confirmCaption = u"確認 [Vantolex]";

} // namespace vantolex::appText
