#include "gui/dialogs/AttributeDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/dialogs/DialogMessages.h"
#include "gui/dialogs/SettingsRowList.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/QtText.h"
#include "layout/DetailRows.h"

namespace vantolex {

AttributeDialog::AttributeDialog(std::u16string_view sampleText, const PrintSettings& settings,
                                 const PageLayout& layout, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(toQString(dialogText::detailsTitle));
    setFont(dialogFont());

    QTreeWidget* list = createSettingsRowList(this, 80, 180);
    list->setObjectName(QStringLiteral("detailList"));
    list->setMinimumSize(80 + 180 + 4, DialogUnits(font()).y(184)); // 21 rows and the header
    showSettingsRows(*list, detailRows(settings, layout, sampleText));

    auto* printButton = new QPushButton(toQString(dialogText::print), this);
    printButton->setObjectName(QStringLiteral("printButton"));
    printButton->setDefault(true);
    auto* cancelButton = new QPushButton(toQString(dialogText::cancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(printButton, &QPushButton::clicked, this, [this] { done(Print); });
    connect(cancelButton, &QPushButton::clicked, this, &AttributeDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printButton);
    buttons->addWidget(cancelButton);
    auto* dialogLayout = new QVBoxLayout(this);
    dialogLayout->addWidget(list, 1);
    dialogLayout->addLayout(buttons);
    printButton->setFocus();
}

void AttributeDialog::reject()
{
    done(Cancel);
}

} // namespace vantolex
