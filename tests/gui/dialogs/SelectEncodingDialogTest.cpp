// The encoding selection dialog: the six names in order, the initial choice, OK and cancel.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "gui/dialogs/EncodingCombo.h"
#include "gui/dialogs/SelectEncodingDialog.h"

namespace vantolex {

class SelectEncodingDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheInitialChoiceAndKeepsItOnCancel();
    void aFillWithAnIndexNamingNoEncodingSelectsNothing();
};

void SelectEncodingDialogTest::opensOnTheInitialChoiceAndKeepsItOnCancel()
{
    SelectEncodingDialog cancelled(4);
    QCOMPARE(cancelled.windowTitle(), QStringLiteral("文字コード選択"));
    auto* combo = cancelled.findChild<QComboBox*>(QStringLiteral("encodingCombo"));
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names.append(combo->itemText(i));
    QCOMPARE(names, QStringList({ "Shift JIS", "Unicode", "Unicode (big endian)", "UTF-8", "ISO-2022 JP", "EUC JP" }));
    QCOMPARE(combo->currentIndex(), 4);
    combo->setCurrentIndex(1);
    cancelled.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QCOMPARE(cancelled.encodingIndex(), 4);

    SelectEncodingDialog confirmed(4);
    confirmed.findChild<QComboBox*>(QStringLiteral("encodingCombo"))->setCurrentIndex(1);
    confirmed.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    QCOMPARE(confirmed.result(), int(QDialog::Accepted));
    QCOMPARE(confirmed.encodingIndex(), 1);
}

void SelectEncodingDialogTest::aFillWithAnIndexNamingNoEncodingSelectsNothing()
{
    QComboBox combo;
    fillEncodingCombo(combo, 2);
    fillEncodingCombo(combo, -1);
    QCOMPARE(combo.count(), 6);
    QCOMPARE(combo.currentIndex(), -1);
}

} // namespace vantolex

QTEST_MAIN(vantolex::SelectEncodingDialogTest)
#include "SelectEncodingDialogTest.moc"
