// The テキスト page: the grid (characters per line, lines per column or the font size, columns, tab width)
// and wrapping, with the layout options of the options file beside it.
#pragma once

#include <array>

#include "gui/pages/TabPage.h"
#include "settings/LayoutOptions.h"

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
    // Also the layout options into settings.layoutOptions, which loadFrom leaves alone: a preset applied
    // keeps them, as they belong to the options file and not to the record.
    void storeTo(PrintSettings& settings) const override;

    // The layout options of the options file, into their check boxes.
    void loadOptions(const LayoutOptions& options);
    LayoutOptions layoutOptions() const;

private:
    std::array<QRadioButton*, 3> m_basis {}; // in FontSizeBasis order
    std::array<QLineEdit*, 3> m_size {}; // charsPerLine, linesPerColumn, fontPoints
    QLineEdit* m_columns = nullptr;
    QLineEdit* m_tabWidth = nullptr;
    QCheckBox* m_wrap = nullptr;
    QCheckBox* m_kinsoku = nullptr;
    QCheckBox* m_supplementary = nullptr;
};

} // namespace vantolex
