// The ヘッダ/フッタ page: the six header and footer templates and whether they are used.
#pragma once

#include <array>

#include "gui/pages/TabPage.h"

class QCheckBox;

namespace vantolex {

class TabHeader : public TabPage
{
    Q_OBJECT

public:
    explicit TabHeader(QWidget* parent = nullptr);

    void initControls() override;
    void loadFrom(const PrintSettings& settings) override;
    // A template of white space only is stored empty.
    void storeTo(PrintSettings& settings) const override;

signals:
    // The check box was clicked: 1 when the templates are now used, else 0.
    void headerFooterSwitched(int used);

private:
    QCheckBox* m_use = nullptr;
    std::array<QLineEdit*, 6> m_templates {}; // header left, centre, right, footer left, centre, right
};

} // namespace vantolex
