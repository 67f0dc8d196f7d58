// The 印刷範囲 page: where printing starts and where it ends.
#pragma once

#include <array>

#include "gui/pages/TabPage.h"

class QRadioButton;

namespace vantolex {

class TabRegion : public TabPage
{
    Q_OBJECT

public:
    explicit TabRegion(QWidget* parent = nullptr);

    // The start edit before its radio, an end edit before its radio: filling an edit clicks its radio.
    void loadFrom(const PrintSettings& settings) override;
    void storeTo(PrintSettings& settings) const override;

private:
    QRadioButton* m_fromBeginning = nullptr;
    QRadioButton* m_fromLine = nullptr;
    QLineEdit* m_startEdit = nullptr;
    std::array<QRadioButton*, 4> m_end {}; // in EndCondition order
    std::array<QLineEdit*, 4> m_endEdit {}; // [0] unused: "最後まで" has no edit
};

} // namespace vantolex
