// The texts of the settings dialogs.
#pragma once

#include <string_view>

namespace vantolex::settingsUiText {

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

} // namespace vantolex::settingsUiText
