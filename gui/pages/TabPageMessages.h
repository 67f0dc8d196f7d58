// The texts of the seven tab pages of the main dialog.
#pragma once

#include <array>
#include <string_view>

namespace vantolex::tabText {

// テキスト
inline constexpr std::u16string_view charsPerLine = u"文字/行(&C)";
inline constexpr std::u16string_view linesPerColumn = u"行/段(&L)";
inline constexpr std::u16string_view fontBasis = u"フォント";
inline constexpr std::u16string_view points = u"ポイント(&F)";
inline constexpr std::u16string_view columns = u"段組/ページ(&P)";
inline constexpr std::u16string_view tabWidth = u"タブ幅(&T)";
inline constexpr std::u16string_view wrapLines = u"右端で折り返す(&W)";
// The layout options of the options file (vantolex.ini); their mnemonics are taken by no other control.
inline constexpr std::u16string_view kinsoku = u"禁則処理をする(&K)";
inline constexpr std::u16string_view supplementary = u"補助文字（U+10000 以上）を印刷する(&E)";

// フォント
inline constexpr std::u16string_view language = u"言語(&L)";
inline constexpr std::u16string_view fontName = u"フォント名(&F)";
inline constexpr std::u16string_view vertical = u"縦書き(&V)";
inline constexpr std::u16string_view proportional = u"ﾌﾟﾛﾎﾟｰｼｮﾅﾙﾌｫﾝﾄ(&P)";

// 印刷範囲
inline constexpr std::u16string_view startGroup = u"開始位置";
inline constexpr std::u16string_view fromBeginning = u"最初から(&1)";
inline constexpr std::u16string_view fromLine = u"行目から(&2)";
inline constexpr std::u16string_view endGroup = u"終了位置";
inline constexpr std::u16string_view toEnd = u"最後まで(&3)";
inline constexpr std::u16string_view lineCount = u"行(&4)";
inline constexpr std::u16string_view toLine = u"行目まで(&5)";
inline constexpr std::u16string_view pageCount = u"ページ(&6)";

// 余白
inline constexpr std::u16string_view useMargins = u"余白を使用する(&S)";
inline constexpr std::u16string_view marginTop = u"上（&T）：";
inline constexpr std::u16string_view marginBottom = u"下（&B）：";
inline constexpr std::u16string_view marginLeft = u"左（&L）：";
inline constexpr std::u16string_view marginRight = u"右（&R）：";
inline constexpr std::u16string_view marginLimit = u"最大50mm";
inline constexpr std::u16string_view lineSpacing = u"行間(&L)";
inline constexpr std::array<std::u16string_view, 5> lineSpacings = { u"なし", u"1/4行", u"1/2行", u"3/4行", u"1行" };
inline constexpr std::u16string_view columnSpacing = u"段落の間(&C)";

// ヘッダ/フッタ
inline constexpr std::u16string_view useHeaderFooter = u"ヘッダ/フッタを指定する(&U)";
inline constexpr std::u16string_view header = u"ヘッダ(&H)";
inline constexpr std::u16string_view footer = u"フッタ(&F)";
inline constexpr std::u16string_view alignLeft = u"左寄せ";
inline constexpr std::u16string_view alignCentre = u"中央";
inline constexpr std::u16string_view alignRight = u"右寄せ";
// A label without a buddy shows "&" as it is.
inline constexpr std::u16string_view templateCodes
    = u"&w タイトル　&f ファイルパス　&d 日付\n&t 時刻　&p ページ番号　&P 総ページ数";

// その他
inline constexpr std::u16string_view lineNumbers = u"行番号(&D)";
inline constexpr std::array<std::u16string_view, 7> lineNumberChoices
    = { u"なし", u"表示", u"5行毎", u"10行毎", u"20行毎", u"50行毎", u"100行毎" };
inline constexpr std::u16string_view digits = u"桁";
inline constexpr std::u16string_view columnSeparator = u"段組区切り線表示(&L)";
inline constexpr std::u16string_view showPageNumber = u"ページ数表示(&P)";
inline constexpr std::u16string_view showFileName = u"ファイル名表示(&T)";
inline constexpr std::u16string_view showInfo = u"情報表示(&I)";
inline constexpr std::u16string_view presets = u"登録設定(&S)";
inline constexpr std::u16string_view applyPreset = u"適用";
inline constexpr std::u16string_view editPresets = u"編集";

// プレビュー
inline constexpr std::u16string_view preview = u"プレビュー(&V)";
inline constexpr std::u16string_view pageSetup = u"ページ設定(&S)";

} // namespace vantolex::tabText
