// The duplicate-name dialog: its three buttons and Escape give 1, 2, 0 and 0; Enter does nothing.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "gui/dialogs/ConfirmNameDialog.h"

namespace vantolex {

class ConfirmNameDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void ConfirmNameDialogTest::answers_data()
{
    QTest::addColumn<QString>("button"); // empty: Escape
    QTest::addColumn<int>("result");
    QTest::newRow("追加") << "addButton" << 1;
    QTest::newRow("更新") << "updateButton" << 2;
    QTest::newRow("キャンセル") << "cancelButton" << 0;
    QTest::newRow("Escape") << QString() << 0;
}

void ConfirmNameDialogTest::answers()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    ConfirmNameDialog dialog(u"初期値");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("確認 [Vantolex]"));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text(), QStringLiteral("初期値"));

    bool openAfterEnter = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Return);
        openAfterEnter = dialog.isVisible();
        if (button.isEmpty())
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.findChild<QPushButton*>(button)->click();
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(openAfterEnter);
}

} // namespace vantolex

QTEST_MAIN(vantolex::ConfirmNameDialogTest)
#include "ConfirmNameDialogTest.moc"
