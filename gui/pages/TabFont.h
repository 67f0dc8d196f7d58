// The フォント page: the script and face of the print font, vertical writing and proportional faces. Owns
// the font catalogue; the only place that sets fontDescriptor.
#pragma once

#include <memory>
#include <string_view>

#include "gui/pages/TabPage.h"
#include "render/fonts/FontCatalogue.h"

class QCheckBox;
class QComboBox;

namespace vantolex {

class TabFont : public TabPage
{
    Q_OBJECT

public:
    // Over `catalogue`; null: the faces installed on this system.
    explicit TabFont(QWidget* parent = nullptr, std::unique_ptr<FontCatalogue> catalogue = nullptr);
    ~TabFont() override;

    void loadFrom(const PrintSettings& settings) override;
    // fontDescriptor: a copy of the selected face's description, or none when no face is offered.
    void storeTo(PrintSettings& settings) const override;

private:
    // Enumerates for the two boxes' states and selects the first script and face beginning with the texts.
    void selectFont(bool proportional, bool vertical, std::u16string_view language, std::u16string_view face);
    // The faces of the selected script, sorted, the first selected.
    void fillFaceCombo();
    void verticalClicked();
    void proportionalClicked();

    std::unique_ptr<FontCatalogue> m_catalogue;
    QComboBox* m_language = nullptr;
    QComboBox* m_face = nullptr; // each item holds the index of its description in the catalogue's list
    QCheckBox* m_vertical = nullptr;
    QCheckBox* m_proportional = nullptr;
};

} // namespace vantolex
