// The texts of the dialogs: the file list and encoding selection dialogs; the preset editor, the duplicate-name
// dialog and the details dialog.
#pragma once

#include <string_view>

namespace vantolex::dialogText {

// ---- file list dialog, encoding selection dialog ---------------------------------------------------------

// The file list dialog.
inline constexpr std::u16string_view fileListTitle = u"ファイル一覧";
inline constexpr std::u16string_view columnName = u"名前";
inline constexpr std::u16string_view columnEncoding = u"文字コード";
inline constexpr std::u16string_view columnPath = u"ファイルパス";
inline constexpr std::u16string_view blankLines = u"空行(&L)";
inline constexpr std::u16string_view lineUnit = u"行";
inline constexpr std::u16string_view columnBreak = u"改段落(&D)";
inline constexpr std::u16string_view pageBreak = u"改ページ(&P)";
inline constexpr std::u16string_view ok = u"OK(&O)";
inline constexpr std::u16string_view moveUpButton = u"↑";
inline constexpr std::u16string_view moveDownButton = u"↓";

// Its menus. The shortcut keys are shown by the menu itself.
inline constexpr std::u16string_view menuFile = u"ファイル(&F)";
inline constexpr std::u16string_view addFiles = u"ファイル追加(&A)...";
inline constexpr std::u16string_view deleteFiles = u"ファイル削除(&D)";
inline constexpr std::u16string_view clearList = u"クリア(&C)";
inline constexpr std::u16string_view menuEdit = u"編集(&E)";
inline constexpr std::u16string_view moveUp = u"上へ移動(&U)";
inline constexpr std::u16string_view moveDown = u"下へ移動(&D)";
inline constexpr std::u16string_view chooseEncoding = u"文字コード(&E)...";
inline constexpr std::u16string_view selectAll = u"すべて選択(&A)";
inline constexpr std::u16string_view invertSelection = u"選択の切り替え(&I)";

// Its boxes.
inline constexpr std::u16string_view confirmDelete = u"選択されているファイルをリストから削除します。";
inline constexpr std::u16string_view confirmClear = u"ファイルリストをクリアします。";
inline constexpr std::u16string_view changeDefaultEncoding = u"デフォルトの文字コードを変更します。";
// The caption of a box that names none: the program's name.
inline constexpr std::u16string_view programCaption = u"Vantolex";

// The file-open dialog of the add command.
inline constexpr std::u16string_view openTitle = u"ファイル選択 [Vantolex]";
inline constexpr std::u16string_view textFilesFilter = u"テキストファイル(*.txt)";
inline constexpr std::u16string_view textFilesPatterns = u"*.TXT";

// The encoding selection dialog.
inline constexpr std::u16string_view selectEncodingTitle = u"文字コード選択";
inline constexpr std::u16string_view encodingLabel = u"文字コード(&E)";

// ---- end of file list dialog, encoding selection dialog --------------------------------------------------

// ---- preset editor, duplicate-name dialog, details dialog ------------------------------------------------

// The columns of the settings lists.
inline constexpr std::u16string_view columnSetting = u"設定";
inline constexpr std::u16string_view columnValue = u"内容";

// The preset editor.
inline constexpr std::u16string_view editPresetsTitle = u"登録済み設定編集";
inline constexpr std::u16string_view addGroup = u"追加";
inline constexpr std::u16string_view addButton = u"追加";
inline constexpr std::u16string_view deleteGroup = u"削除";
inline constexpr std::u16string_view deleteButton = u"削除";
inline constexpr std::u16string_view closeButton = u"閉じる";
inline constexpr std::u16string_view emptyPresetName = u"登録名が入力されていません。";
// A name that the settings file cannot hold (a character outside code page 932, a line break).
inline constexpr std::u16string_view unstorablePresetName = u"登録名に使用できない文字が含まれています。";
inline constexpr std::u16string_view noPresetToDelete = u"削除する設定が選択されていません。";
inline constexpr std::u16string_view confirmDeletePreset = u"削除しても良いですか？";

// The duplicate-name dialog; its title is the confirmation caption.
inline constexpr std::u16string_view duplicateName = u"登録名が重複しています。";
inline constexpr std::u16string_view presetNameLabel = u"登録名：";
inline constexpr std::u16string_view addAnother = u"追加(&A)";
inline constexpr std::u16string_view updateExisting = u"更新(&M)";
inline constexpr std::u16string_view cancelPlain = u"キャンセル";

// The details dialog.
inline constexpr std::u16string_view detailsTitle = u"詳細情報 [Vantolex]";
inline constexpr std::u16string_view print = u"印刷(&P)";
inline constexpr std::u16string_view cancel = u"キャンセル(&C)";

// ---- end of preset editor, duplicate-name dialog, details dialog ------------------------------------------

} // namespace vantolex::dialogText
