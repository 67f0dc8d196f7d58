// The テキスト page: the order of loading ends on the basis of the record; typing a size makes it the basis.
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "gui/pages/TabText.h"
#include "settings/PrintSettings.h"

namespace vantolex {

class TabTextTest : public QObject
{
    Q_OBJECT

private slots:
    void loadingEndsOnTheRecordsBasis_data();
    void loadingEndsOnTheRecordsBasis();
    void typingASizeOrClickingItsLabelMakesItTheBasis();
    void anEmptyEditStoresZero();
};

void TabTextTest::loadingEndsOnTheRecordsBasis_data()
{
    QTest::addColumn<int>("basis");
    QTest::newRow("characters per line") << 0;
    QTest::newRow("lines per column") << 1;
    QTest::newRow("points") << 2;
}

void TabTextTest::loadingEndsOnTheRecordsBasis()
{
    QFETCH(int, basis);
    TabText page;
    page.initControls();
    PrintSettings settings;
    settings.fontSizeBasis = basis;
    page.loadFrom(settings); // filling the three edits clicks each of their radios on the way
    PrintSettings stored;
    stored.fontSizeBasis = -1;
    page.storeTo(stored);
    QCOMPARE(stored.fontSizeBasis, basis);
}

void TabTextTest::typingASizeOrClickingItsLabelMakesItTheBasis()
{
    TabText page;
    page.initControls();
    page.loadFrom(PrintSettings {});
    auto* points = page.findChild<QLineEdit*>(QStringLiteral("fontPointsEdit"));
    QTest::keyClicks(points, QStringLiteral("7"));
    QVERIFY(page.findChild<QRadioButton*>(QStringLiteral("fontPointsRadio"))->isChecked());
    QCOMPARE(points->text(), QStringLiteral("57"));
    QTest::keyClicks(points, QStringLiteral("12")); // three characters at most
    QCOMPARE(points->text(), QStringLiteral("571"));

    page.show();
    auto* label = page.findChild<QWidget*>(QStringLiteral("linesPerColumnLabel"));
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(page.findChild<QRadioButton*>(QStringLiteral("linesPerColumnRadio"))->isChecked());
}

void TabTextTest::anEmptyEditStoresZero()
{
    TabText page;
    page.initControls();
    page.loadFrom(PrintSettings {});
    page.findChild<QLineEdit*>(QStringLiteral("columnsEdit"))->clear();
    PrintSettings stored;
    page.storeTo(stored);
    QCOMPARE(stored.columns, 0);
    QCOMPARE(stored.charsPerLine, 96);
}

} // namespace vantolex

QTEST_MAIN(vantolex::TabTextTest)
#include "TabTextTest.moc"
