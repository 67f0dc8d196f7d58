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
inline constexpr std::u16string_view printerUnavailable = u"プリンタの設定が取得できません。";
inline constexpr std::u16string_view unexpectedFailure = u"予期しないエラーが発生しました。";

// The save of the settings file at the end of the program: %s the reason, %s the file's path.
inline constexpr std::u16string_view settingsNotSaved = u"設定ファイルを保存できませんでした。\n%s\n%s";
inline constexpr std::u16string_view reasonNotStorable
    = u"Shift JIS（コードページ 932）で表せない文字が設定に含まれています。";

// Message-box captions.
inline constexpr std::u16string_view warningCaption = u"警告 [Vantolex]";
inline constexpr std::u16string_view errorCaption = u"エラー [Vantolex]";
inline constexpr std::u16string_view confirmCaption = u"確認 [Vantolex]";

} // namespace vantolex::appText
