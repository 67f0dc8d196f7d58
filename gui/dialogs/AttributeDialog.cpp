#include "settings/ui/AttributeDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/DialogUnits.h"
#include "app/QtText.h"
#include "layout/DetailRows.h"
#include "settings/ui/SettingsRowList.h"
#include "settings/ui/SettingsUiMessages.h"

namespace vantolex {

AttributeDialog::AttributeDialog(std::u16string_view sampleText, const PrintSettings& settings,
                                 const PageLayout& layout, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(toQString(settingsUiText::detailsTitle));
    setFont(dialogFont());

    QTreeWidget* list = createSettingsRowList(this, 80, 180);
    list->setObjectName(QStringLiteral("detailList"));
    list->setMinimumSize(80 + 180 + 4, DialogUnits(font()).y(184)); // 21 rows and the header
    showSettingsRows(*list, detailRows(settings, layout, sampleText));

    auto* printButton = new QPushButton(toQString(settingsUiText::print), this);
    printButton->setObjectName(QStringLiteral("printButton"));
    printButton->setDefault(true);
    auto* cancelButton = new QPushButton(toQString(settingsUiText::cancel), this);
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
