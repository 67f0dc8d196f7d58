#include "gui/pages/TabHeader.h"

#include <QCheckBox>
#include <QLineEdit>

#include "base/Utf16.h"
#include "gui/kit/QtText.h"
#include "gui/pages/StorableTextValidator.h"
#include "gui/pages/TabPageMessages.h"
#include "settings/PrintSettings.h"

namespace vantolex {

namespace {

std::u16string templateOf(const QLineEdit& edit)
{
    std::u16string text = toU16(edit.text());
    for (char16_t unit : text) {
        if (!isWhiteSpace(unit))
            return text;
    }
    return {};
}

} // namespace

TabHeader::TabHeader(QWidget* parent)
    : TabPage(parent)
{
    m_use = place(new QCheckBox(toQString(tabText::useHeaderFooter), this), 8, 1, 140, 10);
    m_use->setObjectName(QStringLiteral("useHeaderFooterCheck"));
    const std::array<std::u16string_view, 3> captions
        = { tabText::alignLeft, tabText::alignCentre, tabText::alignRight };
    const std::array<Qt::Alignment, 3> alignments = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
    for (std::size_t column = 0; column < 3; ++column) {
        auto* caption
            = place(new QLabel(toQString(captions[column]), this), 42 + static_cast<int>(column) * 64, 12, 62, 8);
        caption->setAlignment(alignments[column] | Qt::AlignVCenter); // over its column, aligned as its edits
    }
    for (std::size_t i = 0; i < m_templates.size(); ++i) {
        const int row = static_cast<int>(i / 3);
        const int column = static_cast<int>(i % 3);
        m_templates[i] = place(textEdit(), 42 + column * 64, 20 + row * 13, 62, 12);
        m_templates[i]->setValidator(new StorableTextValidator(m_templates[i]));
        m_templates[i]->setAlignment(alignments[static_cast<std::size_t>(column)] | Qt::AlignVCenter);
        m_templates[i]->setObjectName(QStringLiteral("templateEdit%1").arg(i));
    }
    place(new QLabel(toQString(tabText::header), this), 8, 22, 32, 9)->setBuddy(m_templates[0]);
    place(new QLabel(toQString(tabText::footer), this), 8, 35, 32, 9)->setBuddy(m_templates[3]);
    auto* codes = place(new QLabel(toQString(tabText::templateCodes), this), 8, 46, 226, 16);
    codes->setObjectName(QStringLiteral("templateCodesLabel"));

    connect(m_use, &QCheckBox::clicked, this, [this](bool checked) {
        for (QLineEdit* edit : m_templates)
            edit->setEnabled(checked);
        emit headerFooterSwitched(checked ? 1 : 0);
    });
}

void TabHeader::initControls()
{
    m_use->setChecked(false);
    for (QLineEdit* edit : m_templates)
        edit->setEnabled(false);
}

void TabHeader::loadFrom(const PrintSettings& settings)
{
    if (m_use->isChecked() != settings.useHeaderFooter)
        m_use->click();
    const auto texts = settings.templates();
    for (std::size_t i = 0; i < m_templates.size(); ++i)
        m_templates[i]->setText(toQString(*texts[i]));
}

void TabHeader::storeTo(PrintSettings& settings) const
{
    settings.useHeaderFooter = m_use->isChecked();
    const auto texts = settings.templates();
    for (std::size_t i = 0; i < m_templates.size(); ++i)
        *texts[i] = templateOf(*m_templates[i]);
}

} // namespace vantolex
