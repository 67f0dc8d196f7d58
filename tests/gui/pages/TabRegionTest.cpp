// The 印刷範囲 page: the start shown from 1, an empty start stored as −1, the end edits kept.
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "gui/pages/TabRegion.h"
#include "settings/PrintSettings.h"

namespace vantolex {

class TabRegionTest : public QObject
{
    Q_OBJECT

private slots:
    void startAndEndRoundTrip_data();
    void startAndEndRoundTrip();
    void fromLineWithAnEmptyEditStoresMinusOne();
    void toEndKeepsTheOtherEditsAndStoresZero();
    void theTwoGroupsAreSeparate();
};

void TabRegionTest::startAndEndRoundTrip_data()
{
    QTest::addColumn<int>("startLine");
    QTest::addColumn<int>("endCondition");
    QTest::addColumn<int>("endValue");
    QTest::addColumn<QString>("startEdit");
    QTest::newRow("from the beginning to the end") << 0 << 0 << 0 << "1";
    QTest::newRow("from line 10, 5 lines") << 9 << 1 << 5 << "10";
    QTest::newRow("to line 30") << 0 << 2 << 30 << "1";
    QTest::newRow("3 pages") << 1 << 3 << 3 << "2";
}

void TabRegionTest::startAndEndRoundTrip()
{
    QFETCH(int, startLine);
    QFETCH(int, endCondition);
    QFETCH(int, endValue);
    QFETCH(QString, startEdit);
    TabRegion page;
    PrintSettings settings;
    settings.startLine = startLine;
    settings.endCondition = endCondition;
    settings.endValue = endValue;
    page.loadFrom(settings);
    QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("startLineEdit"))->text(), startEdit);
    QCOMPARE(page.findChild<QRadioButton*>(QStringLiteral("fromBeginningRadio"))->isChecked(), startLine == 0);
    PrintSettings stored;
    stored.startLine = stored.endCondition = stored.endValue = -9;
    page.storeTo(stored);
    QCOMPARE(stored.startLine, startLine);
    QCOMPARE(stored.endCondition, endCondition);
    QCOMPARE(stored.endValue, endValue);
}

void TabRegionTest::fromLineWithAnEmptyEditStoresMinusOne()
{
    TabRegion page;
    page.loadFrom(PrintSettings {});
    page.findChild<QLineEdit*>(QStringLiteral("startLineEdit"))->clear(); // clicks 行目から
    PrintSettings stored;
    page.storeTo(stored);
    QCOMPARE(stored.startLine, -1);
}

void TabRegionTest::toEndKeepsTheOtherEditsAndStoresZero()
{
    TabRegion page;
    PrintSettings settings;
    settings.endCondition = EndCondition::LineCount;
    settings.endValue = 40;
    page.loadFrom(settings);
    settings.endCondition = EndCondition::ToEnd;
    page.loadFrom(settings);
    QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("endEdit1"))->text(), QStringLiteral("40"));
    QVERIFY(page.findChild<QRadioButton*>(QStringLiteral("endRadio0"))->isChecked());
    PrintSettings stored;
    stored.endValue = 7;
    page.storeTo(stored);
    QCOMPARE(stored.endCondition, 0);
    QCOMPARE(stored.endValue, 0);
}

void TabRegionTest::theTwoGroupsAreSeparate()
{
    TabRegion page;
    page.loadFrom(PrintSettings {});
    page.findChild<QRadioButton*>(QStringLiteral("endRadio3"))->click();
    QVERIFY(page.findChild<QRadioButton*>(QStringLiteral("fromBeginningRadio"))->isChecked());
}

} // namespace vantolex

QTEST_MAIN(vantolex::TabRegionTest)
#include "TabRegionTest.moc"
