#include "gui/pages/TabFont.h"

#include <QCheckBox>
#include <QComboBox>

#include "gui/kit/QtText.h"
#include "gui/pages/TabPageMessages.h"
#include "render/fonts/FontCatalogue.h"
#include "settings/FaceName.h"
#include "settings/PrintSettings.h"

namespace vantolex {

TabFont::TabFont(QWidget* parent, std::unique_ptr<FontCatalogue> catalogue)
    : TabPage(parent)
    , m_catalogue(catalogue ? std::move(catalogue) : std::make_unique<FontCatalogue>())
{
    m_language = place(new QComboBox(this), 56, 4, 100, 12);
    m_language->setObjectName(QStringLiteral("languageCombo"));
    place(new QLabel(toQString(tabText::language), this), 8, 6, 46, 9)->setBuddy(m_language);
    m_face = place(new QComboBox(this), 56, 20, 150, 12);
    m_face->setObjectName(QStringLiteral("faceCombo"));
    place(new QLabel(toQString(tabText::fontName), this), 8, 22, 46, 9)->setBuddy(m_face);
    m_vertical = place(new QCheckBox(toQString(tabText::vertical), this), 8, 40, 60, 10);
    m_vertical->setObjectName(QStringLiteral("verticalCheck"));
    m_proportional = place(new QCheckBox(toQString(tabText::proportional), this), 80, 40, 100, 10);
    m_proportional->setObjectName(QStringLiteral("proportionalCheck"));

    connect(m_language, &QComboBox::activated, this, [this] { fillFaceCombo(); });
    connect(m_vertical, &QCheckBox::clicked, this, [this] { verticalClicked(); });
    connect(m_proportional, &QCheckBox::clicked, this, [this] { proportionalClicked(); });
}

TabFont::~TabFont() = default;

void TabFont::loadFrom(const PrintSettings& settings)
{
    m_vertical->setChecked(settings.vertical);
    m_proportional->setChecked(settings.proportional);
    selectFont(settings.proportional, settings.vertical, settings.language, settings.fontName);
}

void TabFont::storeTo(PrintSettings& settings) const
{
    settings.vertical = m_vertical->isChecked();
    settings.proportional = m_proportional->isChecked();
    settings.language = toU16(m_language->currentText());
    settings.fontName = toU16(m_face->currentText());
    settings.fontDescriptor.reset();
    const QVariant index = m_face->currentData();
    const auto& list = m_catalogue->fontList();
    if (index.isValid() && index.toULongLong() < list.size())
        settings.fontDescriptor = list[static_cast<std::size_t>(index.toULongLong())];
}

void TabFont::selectFont(bool proportional, bool vertical, std::u16string_view language, std::u16string_view face)
{
    const FontCatalogue::Choice choice = m_catalogue->selectFont(proportional, vertical, language, face);
    m_language->clear();
    for (const std::u16string& script : m_catalogue->languages())
        m_language->addItem(toQString(script));
    m_language->setCurrentIndex(m_language->findText(toQString(choice.language), Qt::MatchExactly));
    fillFaceCombo();
    const int chosen = m_face->findText(toQString(choice.fontName), Qt::MatchExactly);
    if (chosen >= 0)
        m_face->setCurrentIndex(chosen);
}

void TabFont::fillFaceCombo()
{
    m_face->clear();
    for (const auto& [name, index] : m_catalogue->facesOf(toU16(m_language->currentText())))
        m_face->addItem(toQString(name), QVariant::fromValue<qulonglong>(index));
    if (m_face->count() > 0)
        m_face->setCurrentIndex(0);
}

void TabFont::verticalClicked()
{
    const std::u16string language = toU16(m_language->currentText());
    FaceName face = FaceName::parse(toU16(m_face->currentText()));
    face.vertical = m_vertical->isChecked();
    selectFont(m_proportional->isChecked(), m_vertical->isChecked(), language, face.stored());
}

void TabFont::proportionalClicked()
{
    selectFont(m_proportional->isChecked(), m_vertical->isChecked(), toU16(m_language->currentText()),
               toU16(m_face->currentText()));
}

} // namespace vantolex
