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
// The options file (vantolex.ini) beside the settings file; %s is its path.
inline constexpr std::u16string_view optionsNotSaved = u"オプションファイルを保存できませんでした: %s";
inline constexpr std::u16string_view optionsUnreadable = u"オプションファイルを読み込めないため、上書きしません: %s";
// A FIFO, a device or a huge file in the place of the settings file: not read; %s is its path.
inline constexpr std::u16string_view settingsNotRead = u"設定ファイルを読み込めないため、初期値を使います: %s";
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

// Job options (-o NAME=VALUE, --job-option, -n) given with a file output.
inline constexpr std::u16string_view jobOptionsForFile
    = u"ジョブのオプション（-o 名前=値、--job-option、-n）はファイル出力には指定できません。";
inline constexpr std::u16string_view badJobOption = u"--job-option の値が正しくありません（名前=値）: %s";
// --paper with a printer that has no such paper: the paper as given, the printer, its paper sizes ("A4, Letter").
inline constexpr std::u16string_view paperNotOnPrinter = u"用紙サイズ %s はプリンタ %s にありません。使える用紙: %s";
// No file given, and standard input is a terminal.
inline constexpr std::u16string_view noFileOnTerminal = u"ファイルが指定されていません（標準入力は端末です）。";
// What every line of vantolex-print on standard error begins with, so that a log tells whose it is.
inline constexpr std::u16string_view messagePrefix = u"vantolex-print: ";

inline constexpr std::u16string_view version = u"vantolex-print %s";

// --help: the text before the options and the text after them. The options' lines come from the option table
// of the command line (CommandLine.cpp), so that no option goes without one.
inline constexpr std::u16string_view helpBeforeOptions
    = u"使い方: vantolex-print [オプション] [ファイル...]\n"
      u"テキストファイルを段組みして印刷します。ファイルが1つなら単一ファイル、複数なら続けて1つの文書として"
      u"印刷します。\"-\" は標準入力です（ほかのファイルとは一緒に指定できません）。\n"
      u"\n";
// --help: the fields that --set takes, one line each after this heading: the name, the values, the meaning.
inline constexpr std::u16string_view helpFieldsHeading = u"\n--set の設定項目（FIELD、値、意味）:\n";
inline constexpr std::u16string_view helpFieldRange = u"%d～%d";
inline constexpr std::u16string_view helpFlagValues = u"0/1";
inline constexpr std::u16string_view helpTextValues = u"文字列";
// A file read as Shift JIS without -e that is valid UTF-8 and not plain ASCII; %s is the file as given.
inline constexpr std::u16string_view utf8Hint
    = u"%s は UTF-8 のようです。UTF-8 として印刷するには -e utf8 を指定してください。";
inline constexpr std::u16string_view helpAfterOptions
    = u"\n"
      u"出力ファイルは書き終えてから置き換えます。中断や失敗のときは元のファイルが残ります。\n"
      u"設定ファイルはプログラムと同じフォルダーに VANTOLEX.DAT があればそれを、なければ\n"
      u"$XDG_CONFIG_HOME/vantolex/VANTOLEX.DAT（既定 ~/.config/vantolex/）を使います。\n"
      u"標準エラー出力の各行は「vantolex-print: 」で始まります。\n"
      u"\n"
      u"終了コード: 0 印刷した, 1 警告, 2 エラー, 64 使い方の誤り, 128+シグナル番号 中断\n";

} // namespace vantolex::cliText
