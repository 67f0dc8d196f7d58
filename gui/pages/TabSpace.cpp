#include "gui/pages/TabSpace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "gui/kit/BoundedSpinBox.h"
#include "gui/kit/QtText.h"
#include "gui/pages/TabPageMessages.h"
#include "settings/PrintSettings.h"

namespace vantolex {

namespace {

void limitEdit(QSpinBox* spin, int maxLength)
{
    if (QLineEdit* edit = spin->findChild<QLineEdit*>()) {
        edit->setMaxLength(maxLength);
        edit->setAcceptDrops(false);
    }
}

} // namespace

TabSpace::TabSpace(QWidget* parent)
    : TabPage(parent)
{
    m_useMargins = place(new QCheckBox(toQString(tabText::useMargins), this), 8, 3, 100, 10);
    m_useMargins->setObjectName(QStringLiteral("useMarginsCheck"));
    const std::array<std::u16string_view, 4> labels
        = { tabText::marginTop, tabText::marginBottom, tabText::marginLeft, tabText::marginRight };
    const std::array<const char*, 4> names
        = { "marginTopSpin", "marginBottomSpin", "marginLeftSpin", "marginRightSpin" };
    for (std::size_t i = 0; i < m_margins.size(); ++i) {
        const int x = 8 + static_cast<int>(i % 2) * 64;
        const int y = 17 + static_cast<int>(i / 2) * 15;
        m_margins[i] = place(new BoundedSpinBox(this), x + 28, y, 30, 12);
        m_margins[i]->setObjectName(QString::fromLatin1(names[i]));
        place(new QLabel(toQString(labels[i]), this), x, y + 2, 28, 9)->setBuddy(m_margins[i]);
    }
    place(new QLabel(toQString(tabText::marginLimit), this), 8, 48, 60, 9);

    m_lineSpacing = place(new QComboBox(this), 184, 4, 44, 12);
    m_lineSpacing->setObjectName(QStringLiteral("lineSpacingCombo"));
    for (std::u16string_view item : tabText::lineSpacings)
        m_lineSpacing->addItem(toQString(item));
    place(new QLabel(toQString(tabText::lineSpacing), this), 140, 6, 42, 9)->setBuddy(m_lineSpacing);
    m_columnSpacing = place(new BoundedSpinBox(this), 184, 20, 30, 12);
    m_columnSpacing->setObjectName(QStringLiteral("columnSpacingSpin"));
    place(new QLabel(toQString(tabText::columnSpacing), this), 140, 22, 42, 9)->setBuddy(m_columnSpacing);

    connect(m_useMargins, &QCheckBox::clicked, this, [this](bool checked) { enableMargins(checked); });
}

void TabSpace::initControls()
{
    for (QSpinBox* spin : m_margins) {
        spin->setRange(0, maxMarginMillimetres);
        limitEdit(spin, 2);
    }
    enableMargins(false);
    m_useMargins->setChecked(false);
    m_columnSpacing->setRange(0, maxMarginMillimetres);
    limitEdit(m_columnSpacing, 2);
}

void TabSpace::loadFrom(const PrintSettings& settings)
{
    m_margins[0]->setValue(settings.marginTop);
    m_margins[1]->setValue(settings.marginBottom);
    m_margins[2]->setValue(settings.marginLeft);
    m_margins[3]->setValue(settings.marginRight);
    if (m_useMargins->isChecked() != settings.useMargins)
        m_useMargins->click();
    m_lineSpacing->setCurrentIndex(settings.lineSpacing);
    m_columnSpacing->setValue(settings.columnSpacing);
}

void TabSpace::storeTo(PrintSettings& settings) const
{
    settings.marginTop = m_margins[0]->value();
    settings.marginBottom = m_margins[1]->value();
    settings.marginLeft = m_margins[2]->value();
    settings.marginRight = m_margins[3]->value();
    settings.useMargins = m_useMargins->isChecked();
    settings.lineSpacing = m_lineSpacing->currentIndex();
    settings.columnSpacing = m_columnSpacing->value();
}

void TabSpace::enableMargins(bool enabled)
{
    for (QSpinBox* spin : m_margins)
        spin->setEnabled(enabled);
}

} // namespace vantolex
