#include "gui/pages/TabText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "gui/kit/QtText.h"
#include "gui/pages/TabPageMessages.h"
#include "settings/PrintSettings.h"

namespace vantolex {

TabText::TabText(QWidget* parent)
    : TabPage(parent)
{
    const std::array<std::u16string_view, 3> labels
        = { tabText::charsPerLine, tabText::linesPerColumn, tabText::points };
    const std::array<const char*, 3> names = { "charsPerLine", "linesPerColumn", "fontPoints" };
    for (std::size_t i = 0; i < m_basis.size(); ++i) {
        const int y = 4 + static_cast<int>(i) * 15;
        // The third names its basis itself; the first two are named by their labels (for screen readers too).
        m_basis[i] = place(new QRadioButton(i == 2 ? toQString(tabText::fontBasis) : QString(), this), 8, y + 1,
                           i == 2 ? 36 : 10, 10);
        m_basis[i]->setObjectName(QString::fromLatin1(names[i]) + QStringLiteral("Radio"));
        m_size[i] = place(numberEdit(), 46, y, 24, 12);
        m_size[i]->setObjectName(QString::fromLatin1(names[i]) + QStringLiteral("Edit"));
        auto* label = place(new ClickableLabel(toQString(labels[i]), m_basis[i], this), 74, y + 2, 46, 9);
        label->setObjectName(QString::fromLatin1(names[i]) + QStringLiteral("Label"));
        label->setBuddy(m_size[i]);
        // A change of the text, typed or loaded, makes that size the basis.
        QRadioButton* radio = m_basis[i];
        connect(m_size[i], &QLineEdit::textChanged, radio, [radio] { radio->click(); });
    }

    m_columns = place(numberEdit(), 190, 4, 16, 12);
    m_columns->setObjectName(QStringLiteral("columnsEdit"));
    place(new QLabel(toQString(tabText::columns), this), 128, 6, 60, 9)->setBuddy(m_columns);
    m_tabWidth = place(numberEdit(), 190, 19, 20, 12);
    m_tabWidth->setObjectName(QStringLiteral("tabWidthEdit"));
    place(new QLabel(toQString(tabText::tabWidth), this), 128, 21, 60, 9)->setBuddy(m_tabWidth);
    m_wrap = place(new QCheckBox(toQString(tabText::wrapLines), this), 128, 35, 100, 10);
    m_wrap->setObjectName(QStringLiteral("wrapLinesCheck"));
    // Below every control of the page, in the one row the page has left.
    m_kinsoku = place(new QCheckBox(toQString(tabText::kinsoku), this), 8, 49, 82, 10);
    m_kinsoku->setObjectName(QStringLiteral("kinsokuCheck"));
    m_supplementary = place(new QCheckBox(toQString(tabText::supplementary), this), 92, 49, 148, 10);
    m_supplementary->setObjectName(QStringLiteral("supplementaryCheck"));
}

void TabText::initControls()
{
    for (QLineEdit* edit : m_size)
        edit->setMaxLength(3);
    m_columns->setMaxLength(1);
    m_tabWidth->setMaxLength(2);
}

void TabText::loadFrom(const PrintSettings& settings)
{
    setNumber(*m_size[0], settings.charsPerLine);
    setNumber(*m_size[1], settings.linesPerColumn);
    setNumber(*m_size[2], settings.fontPoints);
    setNumber(*m_columns, settings.columns);
    setNumber(*m_tabWidth, settings.tabWidth);
    if (settings.fontSizeBasis >= 0 && settings.fontSizeBasis < static_cast<int>(m_basis.size()))
        m_basis[static_cast<std::size_t>(settings.fontSizeBasis)]->click();
    m_wrap->setChecked(settings.wrapLines);
}

void TabText::storeTo(PrintSettings& settings) const
{
    settings.charsPerLine = numberOf(*m_size[0]);
    settings.linesPerColumn = numberOf(*m_size[1]);
    settings.fontPoints = numberOf(*m_size[2]);
    settings.columns = numberOf(*m_columns);
    settings.tabWidth = numberOf(*m_tabWidth);
    for (std::size_t i = 0; i < m_basis.size(); ++i) {
        if (m_basis[i]->isChecked()) {
            settings.fontSizeBasis = static_cast<int>(i);
            break;
        }
    }
    settings.wrapLines = m_wrap->isChecked();
    settings.layoutOptions = layoutOptions();
}

void TabText::loadOptions(const LayoutOptions& options)
{
    m_kinsoku->setChecked(options.kinsoku);
    m_supplementary->setChecked(options.supplementary);
}

LayoutOptions TabText::layoutOptions() const
{
    return { m_kinsoku->isChecked(), m_supplementary->isChecked() };
}

} // namespace vantolex
