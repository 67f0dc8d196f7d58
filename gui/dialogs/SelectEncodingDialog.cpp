#include "gui/dialogs/SelectEncodingDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialogs/DialogMessages.h"
#include "gui/dialogs/EncodingCombo.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/QtText.h"

namespace vantolex {

SelectEncodingDialog::SelectEncodingDialog(EncodingIndex initial, QWidget* parent)
    : QDialog(parent)
    , m_encodingIndex(initial)
    , m_encodingCombo(new QComboBox(this))
{
    setWindowTitle(toQString(dialogText::selectEncodingTitle));
    setFont(dialogFont());

    auto* label = new QLabel(toQString(dialogText::encodingLabel), this);
    label->setBuddy(m_encodingCombo);
    m_encodingCombo->setObjectName(QStringLiteral("encodingCombo"));
    fillEncodingCombo(*m_encodingCombo, initial);

    auto* okButton = new QPushButton(toQString(dialogText::ok), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(toQString(dialogText::cancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(okButton, &QPushButton::clicked, this, &SelectEncodingDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &SelectEncodingDialog::reject);

    auto* choice = new QHBoxLayout;
    choice->addWidget(label);
    choice->addWidget(m_encodingCombo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SelectEncodingDialog::accept()
{
    m_encodingIndex = m_encodingCombo->currentIndex();
    QDialog::accept();
}

} // namespace vantolex
