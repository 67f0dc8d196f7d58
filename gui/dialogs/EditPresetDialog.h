// "登録済み設定編集": the preset editor. Lists the rows of the settings it shows (the current settings, or
// the preset picked in its delete list), adds them as a preset under a name, and deletes presets. Changes go
// straight into the store.
#pragma once

#include <QDialog>

#include "settings/PrintSettings.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace vantolex {

class SettingsStore;

class EditPresetDialog : public QDialog
{
    Q_OBJECT

public:
    // The results of exec(): whether the preset list has changed. Closing always gives one of them.
    enum Outcome : int
    {
        Modified = 1,
        Unchanged = 2,
    };

    // Shows the store's current settings.
    explicit EditPresetDialog(SettingsStore& store, QWidget* parent = nullptr);

    // "閉じる", Escape and the close box.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSettings(const PrintSettings& settings);
    void presetChosen(int index);
    void addPreset();
    void deletePreset();
    void presetsChanged();

    SettingsStore& m_store;
    PrintSettings m_shownSettings; // listed and added by "追加": a copy, which adding to the presets cannot invalidate
    bool m_modified = false;

    QTreeWidget* m_rows = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_deleteCombo = nullptr;
};

} // namespace vantolex
