#include "gui/dialogs/SettingsRowList.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "gui/dialogs/DialogMessages.h"
#include "gui/kit/QtText.h"

namespace vantolex {

QTreeWidget* createSettingsRowList(QWidget* parent, int labelWidth, int valueWidth)
{
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(2);
    list->setHeaderLabels({ toQString(dialogText::columnSetting), toQString(dialogText::columnValue) });
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    list->setColumnWidth(0, labelWidth);
    list->setColumnWidth(1, valueWidth);
    return list;
}

void showSettingsRows(QTreeWidget& list, const std::vector<SettingsRow>& rows)
{
    list.clear();
    QList<QTreeWidgetItem*> items;
    for (const SettingsRow& row : rows)
        items.append(new QTreeWidgetItem(QStringList { toQString(row.label), toQString(row.value) }));
    list.addTopLevelItems(items);
}

} // namespace vantolex
