// The details dialog: the details rows in order, and 1 only for 印刷 (its button or Enter).
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "gui/dialogs/AttributeDialog.h"
#include "gui/kit/QtText.h"
#include "layout/DetailRows.h"

namespace vantolex {

class AttributeDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void listsTheDetailRows();
    void printsOnlyWhenConfirmed_data();
    void printsOnlyWhenConfirmed();
};

void AttributeDialogTest::listsTheDetailRows()
{
    PrintSettings settings;
    settings.useHeaderFooter = true;
    settings.headerCenter = u"&f";
    PageLayout layout;
    layout.pointSize = 7.25;
    layout.cellsPerLine = 96;
    layout.columnLines = 100;
    const AttributeDialog dialog(u"第一章　始まり", settings, layout);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("詳細情報 [Vantolex]"));
    const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("detailList"));
    QStringList shown;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        shown.append(list->topLevelItem(row)->text(0) + QLatin1Char('|') + list->topLevelItem(row)->text(1));
    QStringList expected;
    for (const SettingsRow& row : detailRows(settings, layout, u"第一章　始まり"))
        expected.append(toQString(row.label) + QLatin1Char('|') + toQString(row.value));
    QCOMPARE(shown, expected);
    QCOMPARE(shown.at(1), QStringLiteral("1行目の内容|第一章　始まり"));
}

void AttributeDialogTest::printsOnlyWhenConfirmed_data()
{
    QTest::addColumn<QString>("button"); // or the key
    QTest::addColumn<int>("result");
    QTest::newRow("印刷") << "printButton" << 1;
    QTest::newRow("キャンセル") << "cancelButton" << 2;
    QTest::newRow("Escape") << "Escape" << 2;
    QTest::newRow("Enter") << "Enter" << 1;
}

void AttributeDialogTest::printsOnlyWhenConfirmed()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    AttributeDialog dialog(u"sample", PrintSettings(), PageLayout());
    QTimer::singleShot(0, &dialog, [&] {
        QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        if (button == QLatin1String("Escape"))
            QTest::keyClick(focus, Qt::Key_Escape);
        else if (button == QLatin1String("Enter"))
            QTest::keyClick(focus, Qt::Key_Return);
        else
            dialog.findChild<QPushButton*>(button)->click();
    });
    QCOMPARE(dialog.exec(), result);
}

} // namespace vantolex

QTEST_MAIN(vantolex::AttributeDialogTest)
#include "AttributeDialogTest.moc"
