// The texts of the lowest layer: why a file could not be made or written.
#pragma once

#include <string_view>

namespace vantolex::baseText {

// The reasons, by the system's error (errno).
inline constexpr std::u16string_view reasonNoPermission = u"書き込む権限がありません。";
inline constexpr std::u16string_view reasonIsFolder = u"同じ名前のフォルダーがあります。";
inline constexpr std::u16string_view reasonNoFolder = u"保存先のフォルダーがありません。";
inline constexpr std::u16string_view reasonNameTooLong = u"ファイル名が長すぎます。";
inline constexpr std::u16string_view reasonReadOnly = u"読み取り専用の場所です。";
inline constexpr std::u16string_view reasonDiskFull = u"ディスクの空き容量が足りません。";
inline constexpr std::u16string_view reasonQuota = u"ディスクの使用量の上限に達しました。";
inline constexpr std::u16string_view reasonFileTooLarge = u"ファイルの大きさの上限を超えました。";
inline constexpr std::u16string_view reasonNoMemory = u"メモリが足りません。";
inline constexpr std::u16string_view reasonInputOutput = u"入出力エラーが発生しました。";
inline constexpr std::u16string_view reasonExists = u"同じ名前のファイルがあります。";
inline constexpr std::u16string_view reasonTooManyLinks = u"シンボリックリンクの連なりが長すぎます。";
inline constexpr std::u16string_view reasonTooManyOpenFiles = u"開いているファイルが多すぎます。";
inline constexpr std::u16string_view reasonBusy = u"ファイルが使用中です。";
inline constexpr std::u16string_view reasonOtherFileSystem = u"別のファイルシステムへは置き換えられません。";
// Any other error: its number (the system's own text is English).
inline constexpr std::u16string_view reasonSystem = u"システムエラー %d が発生しました。";

} // namespace vantolex::baseText
