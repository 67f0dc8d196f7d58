// The その他 page: line numbers, separators, page number and file name, the details before printing, and
// the presets with 適用 and 編集.
#pragma once

#include "gui/pages/TabPage.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace vantolex {

class TabOption : public TabPage
{
    Q_OBJECT

public:
    explicit TabOption(QWidget* parent = nullptr);

    void initControls() override;
    // The digits before the interval: digits other than 0 switch "なし" to "表示".
    void loadFrom(const PrintSettings& settings) override;
    // An interval list without a selection leaves lineNumberInterval as it was.
    void storeTo(PrintSettings& settings) const override;

    // The preset list; the main dialog fills it (fillPresetCombo).
    QComboBox* presetCombo() const { return m_presets; }
    // Enables or disables "ページ数表示" and "ファイル名表示" (they act only without header and footer).
    void enablePageNumberAndFileName(bool enabled);

signals:
    // 適用 and 編集, with the index selected in the preset list (-1: none).
    void applyPresetRequested(int index);
    void editPresetsRequested(int index);

private:
    QComboBox* m_interval = nullptr;
    QLineEdit* m_digits = nullptr;
    QCheckBox* m_columnSeparator = nullptr;
    QCheckBox* m_pageNumber = nullptr;
    QCheckBox* m_fileName = nullptr;
    QCheckBox* m_showInfo = nullptr;
    QComboBox* m_presets = nullptr;
};

} // namespace vantolex
