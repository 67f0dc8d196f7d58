#include "gui/pages/TabOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

#include "gui/kit/QtText.h"
#include "gui/pages/TabPageMessages.h"
#include "settings/PrintSettings.h"

namespace vantolex {

TabOption::TabOption(QWidget* parent)
    : TabPage(parent)
{
    m_interval = place(new QComboBox(this), 52, 3, 50, 12);
    m_interval->setObjectName(QStringLiteral("lineNumberCombo"));
    for (std::u16string_view item : tabText::lineNumberChoices)
        m_interval->addItem(toQString(item));
    place(new QLabel(toQString(tabText::lineNumbers), this), 8, 5, 42, 9)->setBuddy(m_interval);
    m_digits = place(numberEdit(), 106, 3, 14, 12);
    m_digits->setObjectName(QStringLiteral("lineNumberDigitsEdit"));
    place(new QLabel(toQString(tabText::digits), this), 122, 5, 12, 9);

    m_columnSeparator = place(new QCheckBox(toQString(tabText::columnSeparator), this), 8, 19, 100, 10);
    m_columnSeparator->setObjectName(QStringLiteral("columnSeparatorCheck"));
    m_showInfo = place(new QCheckBox(toQString(tabText::showInfo), this), 120, 19, 80, 10);
    m_showInfo->setObjectName(QStringLiteral("showInfoCheck"));
    m_pageNumber = place(new QCheckBox(toQString(tabText::showPageNumber), this), 8, 31, 100, 10);
    m_pageNumber->setObjectName(QStringLiteral("showPageNumberCheck"));
    m_fileName = place(new QCheckBox(toQString(tabText::showFileName), this), 120, 31, 100, 10);
    m_fileName->setObjectName(QStringLiteral("showFileNameCheck"));

    m_presets = place(new QComboBox(this), 52, 46, 100, 12);
    m_presets->setObjectName(QStringLiteral("presetCombo"));
    place(new QLabel(toQString(tabText::presets), this), 8, 48, 42, 9)->setBuddy(m_presets);
    auto* apply = place(new QPushButton(toQString(tabText::applyPreset), this), 156, 45, 36, 14);
    apply->setObjectName(QStringLiteral("applyPresetButton"));
    auto* edit = place(new QPushButton(toQString(tabText::editPresets), this), 196, 45, 36, 14);
    edit->setObjectName(QStringLiteral("editPresetsButton"));
    // Enter on a page does nothing, also with the focus on one of its buttons.
    apply->setAutoDefault(false);
    edit->setAutoDefault(false);

    connect(m_digits, &QLineEdit::textChanged, this, [this] {
        if (numberOf(*m_digits) != 0 && m_interval->currentIndex() == 0)
            m_interval->setCurrentIndex(1);
    });
    connect(apply, &QPushButton::clicked, this, [this] { emit applyPresetRequested(m_presets->currentIndex()); });
    connect(edit, &QPushButton::clicked, this, [this] { emit editPresetsRequested(m_presets->currentIndex()); });
}

void TabOption::initControls()
{
    m_digits->setMaxLength(1);
}

void TabOption::loadFrom(const PrintSettings& settings)
{
    setNumber(*m_digits, settings.lineNumberDigits);
    m_showInfo->setChecked(settings.showInfo);
    const auto* found
        = std::find(std::begin(lineNumberIntervals), std::end(lineNumberIntervals), settings.lineNumberInterval);
    m_interval->setCurrentIndex(found == std::end(lineNumberIntervals)
                                    ? -1
                                    : static_cast<int>(std::distance(std::begin(lineNumberIntervals), found)));
    m_columnSeparator->setChecked(settings.columnSeparator);
    m_pageNumber->setChecked(settings.showPageNumber);
    m_fileName->setChecked(settings.showFileName);
    enablePageNumberAndFileName(!settings.useHeaderFooter);
}

void TabOption::storeTo(PrintSettings& settings) const
{
    settings.lineNumberDigits = numberOf(*m_digits);
    settings.showInfo = m_showInfo->isChecked();
    const int position = m_interval->currentIndex();
    if (position >= 0 && position < static_cast<int>(std::size(lineNumberIntervals)))
        settings.lineNumberInterval = lineNumberIntervals[position];
    settings.columnSeparator = m_columnSeparator->isChecked();
    settings.showPageNumber = m_pageNumber->isChecked();
    settings.showFileName = m_fileName->isChecked();
}

void TabOption::enablePageNumberAndFileName(bool enabled)
{
    m_pageNumber->setEnabled(enabled);
    m_fileName->setEnabled(enabled);
}

} // namespace vantolex
