// The その他 page: digits switch "なし" to "表示", an interval outside the list keeps its value, the two boxes
// follow the header/footer setting, and 適用 and 編集 report the preset selected.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "gui/pages/TabOption.h"
#include "settings/PrintSettings.h"

namespace vantolex {

class TabOptionTest : public QObject
{
    Q_OBJECT

private slots:
    void digitsSwitchNoneToShown();
    void anIntervalOutsideTheListIsKept();
    void headerAndFooterDisableTheTwoBoxesKeepingTheirMarks();
    void applyAndEditReportTheSelection();
};

void TabOptionTest::digitsSwitchNoneToShown()
{
    TabOption page;
    page.initControls();
    PrintSettings settings;
    settings.lineNumberDigits = 0;
    page.loadFrom(settings);
    auto* interval = page.findChild<QComboBox*>(QStringLiteral("lineNumberCombo"));
    QCOMPARE(interval->currentIndex(), 0);
    auto* digits = page.findChild<QLineEdit*>(QStringLiteral("lineNumberDigitsEdit"));
    digits->clear();
    QTest::keyClicks(digits, QStringLiteral("3"));
    QCOMPARE(interval->currentIndex(), 1);
    QTest::keyClicks(digits, QStringLiteral("4")); // one character at most
    QCOMPARE(digits->text(), QStringLiteral("3"));
    PrintSettings stored;
    page.storeTo(stored);
    QCOMPARE(stored.lineNumberInterval, 1);
    QCOMPARE(stored.lineNumberDigits, 3);
}

void TabOptionTest::anIntervalOutsideTheListIsKept()
{
    TabOption page;
    page.initControls();
    PrintSettings settings;
    settings.lineNumberInterval = 3;
    page.loadFrom(settings);
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("lineNumberCombo"))->currentIndex(), -1);
    PrintSettings stored;
    stored.lineNumberInterval = 3;
    page.storeTo(stored);
    QCOMPARE(stored.lineNumberInterval, 3);
}

void TabOptionTest::headerAndFooterDisableTheTwoBoxesKeepingTheirMarks()
{
    TabOption page;
    PrintSettings settings;
    settings.useHeaderFooter = true;
    settings.showPageNumber = true;
    page.loadFrom(settings);
    auto* pageNumber = page.findChild<QCheckBox*>(QStringLiteral("showPageNumberCheck"));
    QVERIFY(!pageNumber->isEnabled());
    QVERIFY(!page.findChild<QCheckBox*>(QStringLiteral("showFileNameCheck"))->isEnabled());
    QVERIFY(pageNumber->isChecked());
    page.enablePageNumberAndFileName(true);
    QVERIFY(pageNumber->isEnabled());
}

void TabOptionTest::applyAndEditReportTheSelection()
{
    TabOption page;
    page.presetCombo()->addItems({ QStringLiteral("a"), QStringLiteral("b") });
    page.presetCombo()->setCurrentIndex(-1);
    QSignalSpy apply(&page, &TabOption::applyPresetRequested);
    QSignalSpy edit(&page, &TabOption::editPresetsRequested);
    page.findChild<QPushButton*>(QStringLiteral("applyPresetButton"))->click();
    page.presetCombo()->setCurrentIndex(1);
    page.findChild<QPushButton*>(QStringLiteral("editPresetsButton"))->click();
    QCOMPARE(apply.size(), 1);
    QCOMPARE(apply[0][0].toInt(), -1);
    QCOMPARE(edit.size(), 1);
    QCOMPARE(edit[0][0].toInt(), 1);
}

} // namespace vantolex

QTEST_MAIN(vantolex::TabOptionTest)
#include "TabOptionTest.moc"
