// The texts of the main dialog, its page-setup dialog and its print confirmation.
#pragma once

#include <array>
#include <string_view>

namespace vantolex::mainText {

inline constexpr std::u16string_view caption = u"Vantolex";

// The save of the settings file at the end of the program: %s the reason, %s the file's path.
inline constexpr std::u16string_view settingsNotSaved = u"設定ファイルを保存できませんでした。\n%s\n%s";
inline constexpr std::u16string_view reasonNotStorable
    = u"Shift JIS（コードページ 932）で表せない文字が設定に含まれています。";
// The save of the options file (vantolex.ini) at the end of the program: %s the file's path.
inline constexpr std::u16string_view optionsNotSaved = u"オプションファイルを保存できませんでした。\n%s";
inline constexpr std::u16string_view optionsUnreadable
    = u"オプションファイルを読み込めないため、上書きしませんでした。\n%s";
inline constexpr std::u16string_view reasonUnreadableKept = u"通常のファイルではないため、上書きしませんでした。";
inline constexpr std::u16string_view print = u"印刷(&P)";
inline constexpr std::u16string_view close = u"終了(&X)";
inline constexpr std::u16string_view singleFile = u"ファイル(&F)";
inline constexpr std::u16string_view browse = u"参照";
inline constexpr std::u16string_view multipleFiles = u"複数ファイル(&M)";
inline constexpr std::u16string_view detailsUnknown = u"詳細 （？）";
inline constexpr std::u16string_view detailsCount = u"詳細 （%d）";
inline constexpr std::u16string_view clipboard = u"クリップボード(&C)";
inline constexpr std::array<std::u16string_view, 7> tabs
    = { u"テキスト", u"フォント", u"印刷範囲", u"余白", u"ヘッダ/フッタ", u"その他", u"プレビュー" };

// The file-open dialog of 参照.
inline constexpr std::u16string_view openCaption = u"開く";

inline constexpr std::u16string_view noPresetSelected = u"適用する設定が選択されていません。";

// The page-setup dialog.
inline constexpr std::u16string_view pageSetupCaption = u"ページ設定";
inline constexpr std::u16string_view pageSetupPrinter = u"プリンタ(&N)：";
inline constexpr std::u16string_view pageSetupPaper = u"用紙サイズ(&Z)：";
inline constexpr std::u16string_view pageSetupOrientation = u"印刷の向き";
inline constexpr std::u16string_view pageSetupPortrait = u"縦(&O)";
inline constexpr std::u16string_view pageSetupLandscape = u"横(&A)";
inline constexpr std::u16string_view pageSetupMargins = u"余白 (mm)";
inline constexpr std::u16string_view pageSetupLeft = u"左(&L)：";
inline constexpr std::u16string_view pageSetupRight = u"右(&R)：";
inline constexpr std::u16string_view pageSetupTop = u"上(&T)：";
inline constexpr std::u16string_view pageSetupBottom = u"下(&B)：";
inline constexpr std::u16string_view pageSetupNoPrinter = u"（プリンタがありません）";

} // namespace vantolex::mainText
