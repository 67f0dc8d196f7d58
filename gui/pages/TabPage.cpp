#include "gui/pages/TabPage.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "gui/kit/QtText.h"

namespace vantolex {

TabPage::TabPage(QWidget* parent)
    : QWidget(parent)
    , m_units(dialogFont())
{
    setFont(dialogFont());
}

void TabPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QLineEdit* TabPage::numberEdit(int maxLength)
{
    QLineEdit* edit = textEdit();
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* TabPage::textEdit()
{
    auto* edit = new QLineEdit(this);
    edit->setAcceptDrops(false);
    return edit;
}

int numberOf(const QLineEdit& edit)
{
    bool ok = false;
    const int value = edit.text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

void setNumber(QLineEdit& edit, int value)
{
    edit.setText(QString::number(value));
}

ClickableLabel::ClickableLabel(const QString& text, QAbstractButton* button, QWidget* parent)
    : QLabel(text, parent)
    , m_button(button)
{
    // A button without a caption of its own is read out by the label that stands for it.
    if (m_button && m_button->text().isEmpty())
        m_button->setAccessibleName(withoutMnemonic(text));
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_button) {
        m_button->click();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

} // namespace vantolex
