#include "gui/dialogs/ConfirmNameDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/dialogs/DialogMessages.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/KitMessages.h"
#include "gui/kit/QtText.h"

namespace vantolex {

ConfirmNameDialog::ConfirmNameDialog(std::u16string_view name, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(toQString(kitText::confirmCaption));
    setFont(dialogFont());

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* message = new QLabel(toQString(dialogText::duplicateName), this);
    auto* nameLabel = new QLabel(toQString(dialogText::presetNameLabel), this);
    auto* nameEdit = new QLineEdit(toQString(name), this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setReadOnly(true);
    // Shown as read-only: the window's colour behind the text, and no keyboard focus (the buttons take it); the
    // name can still be selected and copied with the mouse.
    QPalette readOnly = nameEdit->palette();
    readOnly.setBrush(QPalette::Base, readOnly.brush(QPalette::Window));
    nameEdit->setPalette(readOnly);
    nameEdit->setFocusPolicy(Qt::ClickFocus);
    nameEdit->setMinimumWidth(DialogUnits(font()).x(120));

    const struct
    {
        std::u16string_view text;
        const char* objectName;
        Choice choice;
    } choices[] = {
        { dialogText::addAnother, "addButton", Add },
        { dialogText::updateExisting, "updateButton", Update },
        { dialogText::cancelPlain, "cancelButton", Cancel },
    };
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const auto& choice : choices) {
        auto* button = new QPushButton(toQString(choice.text), this);
        button->setObjectName(QString::fromLatin1(choice.objectName));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, result = choice.choice] { done(result); });
        buttons->addWidget(button);
    }

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(nameEdit, 1);
    auto* text = new QVBoxLayout;
    text->addWidget(message);
    text->addLayout(nameRow);
    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(DialogUnits(font()).x(6));
    body->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ConfirmNameDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter chooses nothing here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace vantolex
