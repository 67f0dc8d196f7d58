// The texts of the layout subsystem.
#pragma once

#include <string_view>

namespace vantolex::layoutText {

// ---- Page geometry and output engine -------------------------------------------------------------------

// Page geometry warnings, in the order in which the checks are made.
inline constexpr std::u16string_view badPrinter = u"プリンタの設定が正しくありません。";
inline constexpr std::u16string_view marginsTooLarge = u"余白が大き過ぎます。";
inline constexpr std::u16string_view tooManyColumns = u"段組数が多過ぎます。";
inline constexpr std::u16string_view tooManyCharacters = u"文字数もしくは段組数が多過ぎます。";
inline constexpr std::u16string_view noLineFits = u"1行も表示できません。";
inline constexpr std::u16string_view tooManyLines = u"行数もしくは段組数が多過ぎます。";
inline constexpr std::u16string_view fontTooLarge = u"フォントが大き過ぎ、もしくは段組数が多過ぎます。";
// Font size in points given: the font is less than one device pixel high.
inline constexpr std::u16string_view fontTooSmall = u"フォントが小さ過ぎます。";
inline constexpr std::u16string_view tooManyLineNumberDigits = u"行番号の桁数が多過ぎます。";
inline constexpr std::u16string_view noPrintFont = u"印刷用フォントが正しく指定されていません。";

// The format of the line-number field, filled with the digit count: "%4d:".
inline constexpr std::u16string_view lineNumberFormat = u"%%%dd:";

// A proportional output cannot make its measuring font on the device.
inline constexpr std::u16string_view measuringFontFailed = u"印刷用フォントを作成できません。";

// ---- end of page geometry and output engine ------------------------------------------------------------

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

// ---- Printer outputs -------------------------------------------------------------------------------------

// The name of a print job, with the file name of the source.
inline constexpr std::u16string_view jobName = u"%s - Vantolex";

// Spooler failures by job operation result.
inline constexpr std::u16string_view spoolOutOfMemory = u"スプールに必要なメモリがありません。";
inline constexpr std::u16string_view spoolOutOfDisk = u"スプールに必要なディスク領域がありません。";
inline constexpr std::u16string_view printAborted = u"印刷が中止されました。";
inline constexpr std::u16string_view printerError = u"プリンターエラーが発生しました。";

// ---- end of printer outputs ------------------------------------------------------------------------------

// ---- File outputs ------------------------------------------------------------------------------------------

// An output file (PDF, PostScript, SVG, a PNG page, the layout JSON) that cannot be made or written: its path,
// then on the next line the reason (writeFailureReason, or the one below).
inline constexpr std::u16string_view outputFileNotCreated = u"出力ファイルを作成できません: %s\n%s";
inline constexpr std::u16string_view outputFileNotWritten = u"出力ファイルに書き込めません: %s\n%s";

// A PNG page whose image the drawing library cannot hold at the chosen resolution: width and height in pixels.
inline constexpr std::u16string_view reasonImageTooLarge
    = u"画像が大きすぎます（%d×%d ピクセル）。解像度を下げてください。";

// ---- end of file outputs -----------------------------------------------------------------------------------

// ---- Print run ---------------------------------------------------------------------------------------------

inline constexpr std::u16string_view noFileGiven = u"ファイルが指定されていません。";
inline constexpr std::u16string_view clipboardEmpty = u"クリップボードにデータがありません";
inline constexpr std::u16string_view startSkipExhausted = u"開始行までスキップしたら、データが無くなりました。";
inline constexpr std::u16string_view printCancelled = u"印刷を中止しました。";
// No printer to print or lay a preview out on: none can be chosen and the system has no default destination.
inline constexpr std::u16string_view printerUnavailable = u"プリンタの設定が取得できません。";
// A failure the program did not foresee.
inline constexpr std::u16string_view unexpectedFailure = u"予期しないエラーが発生しました。";

// ---- end of print run --------------------------------------------------------------------------------------

// ---- Preview -----------------------------------------------------------------------------------------------

// The page label of the preview's bar: page number and page count.
inline constexpr std::u16string_view pageLabel = u"%d/%d";

// ---- end of preview ----------------------------------------------------------------------------------------

} // namespace vantolex::layoutText
