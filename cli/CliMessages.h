// The texts of vantolex-print.
#pragma once

#include <string_view>

namespace vantolex::cliText {

inline constexpr std::u16string_view unknownOption = u"不明なオプションです: %s";
inline constexpr std::u16string_view missingValue = u"オプション %s には値が必要です。";
inline constexpr std::u16string_view badEncoding = u"エンコーディングの指定が正しくありません: %s";
inline constexpr std::u16string_view badPaper = u"用紙サイズの指定が正しくありません: %s";
inline constexpr std::u16string_view badNumber = u"%s の値が正しくありません: %s";
inline constexpr std::u16string_view badDeviceCaps = u"--device-caps の値が正しくありません（幅,高さ,横dpi,縦dpi）: %s";
inline constexpr std::u16string_view badFieldSetting = u"--set の値が正しくありません（項目名=値）: %s";
inline constexpr std::u16string_view unknownField = u"設定項目がありません: %s";
inline constexpr std::u16string_view badFieldValue = u"設定値の形式が正しくありません: %s";
inline constexpr std::u16string_view outputAndPrinter = u"--output と --printer は同時に指定できません。";
inline constexpr std::u16string_view defaultsAndSettings = u"--defaults と --settings は同時に指定できません。";
inline constexpr std::u16string_view unknownFormat = u"出力形式が分かりません（.pdf .ps .svg .png）: %s";
inline constexpr std::u16string_view seeHelp = u"使い方は vantolex-print --help で表示されます。";
inline constexpr std::u16string_view presetNotFound = u"プリセットがありません: %s";
inline constexpr std::u16string_view settingsNotSaved = u"設定ファイルを保存できませんでした: %s";
// A settings file that holds something the tool cannot read is left as it is; %s is its path.
inline constexpr std::u16string_view settingsUnreadable = u"設定ファイルを読み込めないため、上書きしません: %s";
// An output (-o, --layout-json) that would write over one of the input files; %s is the output as given.
inline constexpr std::u16string_view outputIsInput = u"出力ファイルが入力ファイルと同じです: %s";
// "-" given together with other files.
inline constexpr std::u16string_view standardInputAlone = u"\"-\"（標準入力）はほかのファイルと一緒に指定できません。";
inline constexpr std::u16string_view standardOutputNotWritten = u"標準出力に書き込めません。";
inline constexpr std::u16string_view progress = u"\r%d ページ";
inline constexpr std::u16string_view progressDone = u"\r%d ページ\n";
inline constexpr std::u16string_view standardInputTitle = u"標準入力";
inline constexpr std::u16string_view standardInputFailed = u"標準入力の読み込み失敗。";
inline constexpr std::u16string_view printerUnavailable = u"プリンタ %s を使用できません。";
inline constexpr std::u16string_view defaultsAndPresetChange
    = u"--defaults と --save-preset、--delete-preset は同時に指定できません。";
inline constexpr std::u16string_view emptyPresetName = u"プリセット名が空です。";
// A preset name to save with a character that the settings file (Shift JIS) cannot hold: "U+1F600 😀".
inline constexpr std::u16string_view unstorablePresetName
    = u"プリセット名に設定ファイルに保存できない文字があります: %s";
// A setting to save in a preset with such a character: the field name, then the character as above.
inline constexpr std::u16string_view unstorableField = u"設定項目 %s に設定ファイルに保存できない文字があります: %s";
inline constexpr std::u16string_view faceSubstituted = u"フォント「%s」が見つからないため、「%s」で印刷します。";
inline constexpr std::u16string_view missingGlyphs = u"どのフォントにもない文字が %d 字あり、欠字記号で印刷しました。";
inline constexpr std::u16string_view fixedPitch = u"固定ピッチ";
inline constexpr std::u16string_view proportionalPitch = u"プロポーショナル";
inline constexpr std::u16string_view horizontalWriting = u"横書き";
inline constexpr std::u16string_view verticalWriting = u"縦書き";

inline constexpr std::u16string_view version = u"vantolex-print %s";

inline constexpr std::u16string_view help
    = u"使い方: vantolex-print [オプション] [ファイル...]\n"
      u"テキストファイルを段組みして印刷します。ファイルが1つなら単一ファイル、複数なら続けて1つの文書として"
      u"印刷します。\"-\" は標準入力です（ほかのファイルとは一緒に指定できません）。\n"
      u"\n"
      u"  -e, --encoding E       sjis | utf16le | utf16be | utf8 | jis | euc、表示名、または 0～5\n"
      u"                         （既定: Shift JIS。複数ファイルではすべてに適用）\n"
      u"  -o, --output PATH      ファイルに出力。形式は拡張子で決まる: .pdf .ps .svg .png\n"
      u"                         （PNG はページごとに PATH の拡張子の前へ -0001, -0002, ... を付けたファイル）\n"
      u"  -P, --printer NAME     CUPS のプリンタ NAME に印刷。-o も -P もなければ既定のプリンタ\n"
      u"      --paper SIZE       ファイル出力の用紙: A4（既定）, A3, B4, B5, Letter, Legal, または 幅x高さ（mm）\n"
      u"      --dpi N            ファイル出力の解像度（既定 600）\n"
      u"      --border MM        ファイル出力の印刷できない周囲の幅（既定 5。0 で用紙全体に印刷）\n"
      u"      --device-caps W,H,DX,DY  印刷可能な幅と高さ（ピクセル）と横・縦の dpi を指定\n"
      u"      --settings PATH    設定ファイル PATH を読む\n"
      u"      --defaults         設定ファイルを読まず、既定の設定で始める\n"
      u"      --preset NAME      プリセット NAME を適用する\n"
      u"      --set FIELD=VALUE  設定項目を1つ変更する（例: charsPerLine=80, vertical=1, headerLeft=&f）\n"
      u"      --layout-json PATH 描画せず、レイアウトを JSON で PATH（\"-\" は標準出力）に書く\n"
      u"      --show-settings    設定の一覧を表示して終了\n"
      u"      --details          印刷の前に詳細情報を表示\n"
      u"      --list-fonts       フォントの一覧（言語、フォント、ピッチ、書字方向、代替フォント）を表示して終了\n"
      u"      --list-presets     プリセット名の一覧を表示して終了\n"
      u"      --save-preset NAME 設定をプリセット NAME として保存\n"
      u"      --delete-preset NAME  プリセット NAME を削除\n"
      u"      --version, --help\n"
      u"\n"
      u"出力ファイルは書き終えてから置き換えます。中断や失敗のときは元のファイルが残ります。\n"
      u"設定ファイルはプログラムと同じフォルダーに VANTOLEX.DAT があればそれを、なければ\n"
      u"$XDG_CONFIG_HOME/vantolex/VANTOLEX.DAT（既定 ~/.config/vantolex/）を使います。\n"
      u"\n"
      u"終了コード: 0 印刷した, 1 警告, 2 エラー, 64 使い方の誤り, 128+シグナル番号 中断\n";

} // namespace vantolex::cliText
