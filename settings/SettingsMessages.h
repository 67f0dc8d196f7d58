// The texts of the settings subsystem: validation items and the descriptions of a record.
#pragma once

#include <string_view>

namespace vantolex::settingsText {

// Validation. Every item begins with a line break; range items come first, internal ones ("異常") last.
inline constexpr std::u16string_view invalidSettings = u"設定値が正しくありません。\n";
inline constexpr std::u16string_view itemCharsPerLine = u"\n文字数（1～999）";
inline constexpr std::u16string_view itemLinesPerColumn = u"\n行数（1～999）";
inline constexpr std::u16string_view itemFontPoints = u"\nフォントサイズ（1～999）";
inline constexpr std::u16string_view itemColumns = u"\n段組数（1～9）";
inline constexpr std::u16string_view itemTabWidth = u"\nタブ幅（1～99）";
inline constexpr std::u16string_view itemFontSizeBasis = u"\n異常：フォントサイズ計算基準";
inline constexpr std::u16string_view itemStartLine = u"\n印刷開始行（1～）";
inline constexpr std::u16string_view itemEndCondition = u"\n異常：印刷終了条件";
inline constexpr std::u16string_view itemLineCount = u"\n印刷行数（1～）";
inline constexpr std::u16string_view itemEndLine = u"\n印刷終了行（印刷開始行～）";
inline constexpr std::u16string_view itemPageCount = u"\n印刷ページ数（1～）";
inline constexpr std::u16string_view itemLineNumberInterval = u"\n行番号";
inline constexpr std::u16string_view itemLineNumberDigits = u"\n行番号桁数（1～9）";
inline constexpr std::u16string_view itemFontName = u"\nフォント名";
inline constexpr std::u16string_view itemMarginTop = u"\n余白：上（0～%d）";
inline constexpr std::u16string_view itemMarginBottom = u"\n余白：下（0～%d）";
inline constexpr std::u16string_view itemMarginLeft = u"\n余白：左（0～%d）";
inline constexpr std::u16string_view itemMarginRight = u"\n余白：右（0～%d）";
inline constexpr std::u16string_view itemLineSpacing = u"\n行間（0～4）";
inline constexpr std::u16string_view itemColumnSpacing = u"\n段落間（0～%d）";
inline constexpr std::u16string_view itemSeparatorLines = u"\n複数テキスト区切り行数（0～）";
inline constexpr std::u16string_view itemSeparatorMethod = u"\n異常：複数テキスト区切り方法";

// The settings file: the preset that a store without a usable settings file starts with.
inline constexpr std::u16string_view initialPresetName = u"初期値";

// The lock of the settings file: %s the lock file, then the reason, or the seconds waited.
inline constexpr std::u16string_view lockNotTaken = u"設定ファイルのロック %s を取得できません。%s";
inline constexpr std::u16string_view lockBusy
    = u"設定ファイルのロック %s を %d 秒待っても取得できません。ほかのプログラムが設定ファイルを保存しています。";
inline constexpr std::u16string_view reasonNotRegularFile = u"通常のファイルではありません。";

// Descriptions.
inline constexpr std::u16string_view sizeCharsPerLine = u"%d 文字/行";
inline constexpr std::u16string_view sizeLinesPerColumn = u"%d 行/段";
inline constexpr std::u16string_view sizePoints = u"%d ポイント";
inline constexpr std::u16string_view sizePointsEquivalent = u"%.1f ポイント相当";
inline constexpr std::u16string_view font = u"%s (%s)";
inline constexpr std::u16string_view rangeFromBeginning = u"初めから、";
inline constexpr std::u16string_view rangeFromLine = u"%d 行目から、";
inline constexpr std::u16string_view rangeToEnd = u"終わりまで";
inline constexpr std::u16string_view rangeLineCount = u"%d 行分";
inline constexpr std::u16string_view rangeToLine = u"%d 行目まで";
inline constexpr std::u16string_view rangePageCount = u"%d ページ分";
inline constexpr std::u16string_view margins = u"%d, %d, %d, %d";
inline constexpr std::u16string_view none = u"なし";
inline constexpr std::u16string_view present = u"あり";
inline constexpr std::u16string_view lineSpacings[] = { u"なし", u"1/4行分", u"1/2行分", u"3/4行分", u"1行分" };
inline constexpr std::u16string_view lineNumbersEveryLine = u"%d 桁";
inline constexpr std::u16string_view lineNumbersInterval = u"%d 行毎、%d 桁";
inline constexpr std::u16string_view columnsPerPage = u"%d 段/ページ";
inline constexpr std::u16string_view tabStops = u"%d 文字毎";
inline constexpr std::u16string_view millimetres = u"%d mm";

// Row labels.
inline constexpr std::u16string_view labelVertical = u"縦書き";
inline constexpr std::u16string_view labelHorizontal = u"横書き";
inline constexpr std::u16string_view labelText = u"テキスト";
inline constexpr std::u16string_view labelColumns = u"段組";
inline constexpr std::u16string_view labelTab = u"タブ";
inline constexpr std::u16string_view labelWrap = u"折り返し";
inline constexpr std::u16string_view labelFont = u"フォント";
inline constexpr std::u16string_view labelRange = u"印刷範囲";
inline constexpr std::u16string_view labelMargins = u"余白";
inline constexpr std::u16string_view labelLineSpacing = u"行間";
inline constexpr std::u16string_view labelColumnSpacing = u"段落間";
inline constexpr std::u16string_view labelShowInfo = u"情報表示";
inline constexpr std::u16string_view labelLineNumbers = u"行番号";
inline constexpr std::u16string_view labelSeparator = u"区切り線";
inline constexpr std::u16string_view labelHeaderFooter[]
    = { u"ヘッダ(左)", u"ヘッダ(中)", u"ヘッダ(右)", u"フッタ(左)", u"フッタ(中)", u"フッタ(右)" };
inline constexpr std::u16string_view labelPageNumber = u"ページ番号";
inline constexpr std::u16string_view labelFileName = u"ファイル名";
inline constexpr std::u16string_view labelSample = u"1行目の内容";
inline constexpr std::u16string_view labelCharCount = u"文字数";
inline constexpr std::u16string_view labelLineCount = u"行数";
inline constexpr std::u16string_view labelColumnCount = u"段組数";
inline constexpr std::u16string_view labelTabWidth = u"タブ幅";
// The layout options of the options file, after the rows of the record.
inline constexpr std::u16string_view labelKinsoku = u"禁則処理";
inline constexpr std::u16string_view labelSupplementary = u"補助文字";

} // namespace vantolex::settingsText
