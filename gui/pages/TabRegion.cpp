#include "gui/pages/TabRegion.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include <limits>

#include "gui/kit/QtText.h"
#include "gui/pages/TabPageMessages.h"
#include "settings/PrintSettings.h"

namespace vantolex {

namespace {

// The start line of a number edit that counts from 1; -1, refused by validation, for anything out of range.
int startLineOf(const QLineEdit& edit)
{
    bool ok = false;
    const qint64 shown = edit.text().trimmed().toLongLong(&ok);
    return ok && shown >= 1 && shown - 1 <= std::numeric_limits<int>::max() ? static_cast<int>(shown - 1) : -1;
}

// An edit whose change of text, typed or loaded, clicks `radio`.
void clickOnChange(QLineEdit* edit, QRadioButton* radio)
{
    QObject::connect(edit, &QLineEdit::textChanged, radio, [radio] { radio->click(); });
}

} // namespace

TabRegion::TabRegion(QWidget* parent)
    : TabPage(parent)
{
    // Two groups, each its own parent, so that their radios exclude only each other.
    auto* start = place(new QGroupBox(toQString(tabText::startGroup), this), 4, 1, 100, 58);
    auto* end = place(new QGroupBox(toQString(tabText::endGroup), this), 110, 1, 124, 58);

    m_fromBeginning = new QRadioButton(toQString(tabText::fromBeginning), start);
    m_fromBeginning->setObjectName(QStringLiteral("fromBeginningRadio"));
    m_fromLine = new QRadioButton(start);
    m_fromLine->setObjectName(QStringLiteral("fromLineRadio"));
    m_startEdit = numberEdit();
    m_startEdit->setParent(start);
    m_startEdit->setObjectName(QStringLiteral("startLineEdit"));
    auto* fromLineLabel = new ClickableLabel(toQString(tabText::fromLine), m_fromLine, start);
    fromLineLabel->setBuddy(m_startEdit);
    const DialogUnits units(dialogFont());
    m_fromBeginning->setGeometry(units.rect(6, 14, 70, 10));
    m_fromLine->setGeometry(units.rect(6, 30, 10, 10));
    m_startEdit->setGeometry(units.rect(18, 29, 32, 12));
    fromLineLabel->setGeometry(units.rect(52, 31, 44, 9));
    clickOnChange(m_startEdit, m_fromLine);

    m_end[0] = new QRadioButton(toQString(tabText::toEnd), end);
    m_end[0]->setGeometry(units.rect(6, 11, 70, 10));
    const std::array<std::u16string_view, 3> labels = { tabText::lineCount, tabText::toLine, tabText::pageCount };
    for (std::size_t i = 1; i < m_end.size(); ++i) {
        const int y = 11 + static_cast<int>(i) * 11;
        m_end[i] = new QRadioButton(end);
        m_end[i]->setGeometry(units.rect(6, y, 10, 10));
        m_endEdit[i] = numberEdit();
        m_endEdit[i]->setParent(end);
        // One dialog unit lower than the row step, so that the three edits stand apart.
        m_endEdit[i]->setGeometry(units.rect(18, y - 1, 32, 10));
        m_endEdit[i]->setObjectName(QStringLiteral("endEdit%1").arg(i));
        auto* label = new ClickableLabel(toQString(labels[i - 1]), m_end[i], end);
        label->setGeometry(units.rect(52, y + 1, 60, 9));
        label->setBuddy(m_endEdit[i]);
        clickOnChange(m_endEdit[i], m_end[i]);
    }
    for (std::size_t i = 0; i < m_end.size(); ++i)
        m_end[i]->setObjectName(QStringLiteral("endRadio%1").arg(i));
}

void TabRegion::loadFrom(const PrintSettings& settings)
{
    // Shown counted from 1, in 64 bits: the largest start line an int holds has no int after it.
    m_startEdit->setText(QString::number(static_cast<qint64>(settings.startLine) + 1));
    (settings.startLine > 0 ? m_fromLine : m_fromBeginning)->click();
    if (settings.endCondition <= EndCondition::ToEnd || settings.endCondition >= static_cast<int>(m_end.size())) {
        m_end[0]->click();
        return;
    }
    const auto condition = static_cast<std::size_t>(settings.endCondition);
    setNumber(*m_endEdit[condition], settings.endValue);
    m_end[condition]->click();
}

void TabRegion::storeTo(PrintSettings& settings) const
{
    settings.startLine = m_fromBeginning->isChecked() ? 0 : startLineOf(*m_startEdit);
    for (std::size_t i = 0; i < m_end.size(); ++i) {
        if (m_end[i]->isChecked()) {
            settings.endCondition = static_cast<int>(i);
            settings.endValue = i == 0 ? 0 : numberOf(*m_endEdit[i]);
            break;
        }
    }
}

} // namespace vantolex
