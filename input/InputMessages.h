// The texts of the text input subsystem: encoding names, reader titles and the failures of reading and
// decoding.
#pragma once

#include <string_view>

#include "base/BaseMessages.h"

namespace vantolex::inputText {

// Display names of the encodings, in EncodingIndex order.
inline constexpr std::u16string_view encodingShiftJis = u"Shift JIS";
inline constexpr std::u16string_view encodingUnicode = u"Unicode";
inline constexpr std::u16string_view encodingUnicodeBigEndian = u"Unicode (big endian)";
inline constexpr std::u16string_view encodingUtf8 = u"UTF-8";
inline constexpr std::u16string_view encodingIso2022Jp = u"ISO-2022 JP";
inline constexpr std::u16string_view encodingEucJp = u"EUC JP";

// Reader titles.
inline constexpr std::u16string_view clipboardTitle = u"クリップボード";
inline constexpr std::u16string_view fileCountTitle = u"%d 個のファイル"; // %d: the number of files

// Decoding.
inline constexpr std::u16string_view notUtf16 = u"入力データがUTF-16ではない。";
inline constexpr std::u16string_view conversionFailed = u"文字コードの変換に失敗しました。";

// Reading a file.
inline constexpr std::u16string_view fileTooLarge = u"ファイルが大きすぎます。";
inline constexpr std::u16string_view fileReadIncomplete = u"ファイルの読み込み失敗。";

// Failures of the file layer, each shown with the file's path as given on the next line (fileFailureText).
inline constexpr std::u16string_view fileNotFound = u"ファイルが見つかりません。";
inline constexpr std::u16string_view fileAccessDenied = u"ファイルにアクセスする権限がありません。";
inline constexpr std::u16string_view fileIsDirectory = u"ファイルではなくフォルダーです。";
inline constexpr std::u16string_view fileNotRegular = u"通常のファイルではありません。";
inline constexpr std::u16string_view fileBusy = u"ファイルが他のプログラムで使用中です。";
inline constexpr std::u16string_view fileNameTooLong = baseText::reasonNameTooLong;
inline constexpr std::u16string_view fileTooManyOpen = u"開いているファイルが多すぎます。";
inline constexpr std::u16string_view fileOutOfMemory = baseText::reasonNoMemory;
inline constexpr std::u16string_view fileReadError = u"ファイルの読み込み中にエラーが発生しました。";
inline constexpr std::u16string_view fileOpenFailed = u"ファイルを開けません。";

// Failures of the clipboard.
inline constexpr std::u16string_view clipboardOpenFailed = u"クリップボードを開けません。";
inline constexpr std::u16string_view clipboardNoText = u"クリップボードにテキストがありません。";
inline constexpr std::u16string_view clipboardEmptyBlock = u"クリップボードのデータが空です。";
inline constexpr std::u16string_view clipboardLockFailed = u"クリップボードのデータを読み出せません。";

} // namespace vantolex::inputText
