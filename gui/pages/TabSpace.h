// The 余白 page: the four margins and whether they apply, line spacing and the gap between columns.
#pragma once

#include <array>

#include "gui/pages/TabPage.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace vantolex {

class TabSpace : public TabPage
{
    Q_OBJECT

public:
    explicit TabSpace(QWidget* parent = nullptr);

    // Margin spins 0..50, disabled with the check box cleared; the column gap 0..50, always enabled.
    void initControls() override;
    // Values above 50 show as 50. The check box is clicked when its state differs from useMargins.
    void loadFrom(const PrintSettings& settings) override;
    void storeTo(PrintSettings& settings) const override;

private:
    void enableMargins(bool enabled);

    QCheckBox* m_useMargins = nullptr;
    std::array<QSpinBox*, 4> m_margins {}; // top, bottom, left, right
    QComboBox* m_lineSpacing = nullptr;
    QSpinBox* m_columnSpacing = nullptr;
};

} // namespace vantolex
