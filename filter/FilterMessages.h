// The texts of vantolex-texttopdf. The spooler keeps them in its log and shows the last INFO line as the
// printer's state; each goes out after the prefix CUPS reads ("ERROR: ", "INFO: ").
#pragma once

#include <string_view>

namespace vantolex::filterText {

inline constexpr std::u16string_view usage
    = u"使い方: vantolex-texttopdf ジョブ ユーザー タイトル 部数 オプション [ファイル]";
// A job option whose value the filter cannot take; %s is "name=value" as the job gave it.
inline constexpr std::u16string_view badOptionValue = u"ジョブオプションの値が正しくありません: %s";
// vantolex-FIELD with no field of that name; %s is the option's name.
inline constexpr std::u16string_view unknownField = u"ジョブオプション %s に当たる設定項目がありません。";
// vantolex-preset naming no preset of the system's settings file; %s is the name.
inline constexpr std::u16string_view presetNotFound = u"システムの設定ファイルにプリセットがありません: %s";
// The options the filter leaves alone, comma separated.
inline constexpr std::u16string_view ignoredOptions = u"次のジョブオプションは使用しません: %s";
inline constexpr std::u16string_view faceSubstituted = u"フォント %s の代わりに %s で印刷します。";
// Standard input could not be kept for reading; %s is the system's reason.
inline constexpr std::u16string_view standardInputNotKept = u"標準入力を一時ファイルに保存できません: %s";
inline constexpr std::u16string_view standardOutputNotWritten = u"標準出力に書き込めません。";

} // namespace vantolex::filterText
