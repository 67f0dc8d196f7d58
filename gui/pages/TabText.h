// The テキスト page: the grid (characters per line, lines per column or the font size, columns, tab width)
// and wrapping.
#pragma once

#include <array>

#include "gui/pages/TabPage.h"

class QCheckBox;
class QRadioButton;

namespace vantolex {

class TabText : public TabPage
{
    Q_OBJECT

public:
    explicit TabText(QWidget* parent = nullptr);

    void initControls() override;
    // The five edits first, then the radio of fontSizeBasis: filling an edit clicks its radio.
    void loadFrom(const PrintSettings& settings) override;
    void storeTo(PrintSettings& settings) const override;

private:
    std::array<QRadioButton*, 3> m_basis {}; // in FontSizeBasis order
    std::array<QLineEdit*, 3> m_size {}; // charsPerLine, linesPerColumn, fontPoints
    QLineEdit* m_columns = nullptr;
    QLineEdit* m_tabWidth = nullptr;
    QCheckBox* m_wrap = nullptr;
};

} // namespace vantolex
