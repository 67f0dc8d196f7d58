// The 余白 page: margins kept while disabled, shown at most 50, enabled by their check box.
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QtTest>

#include "gui/pages/TabSpace.h"
#include "settings/PrintSettings.h"

namespace vantolex {

class TabSpaceTest : public QObject
{
    Q_OBJECT

private slots:
    void unusedMarginsStayDisabledAndComeBackUnchanged();
    void valuesAboveTheLimitShowAsTheLimit();
    void theCheckBoxEnablesOnlyTheMargins();
};

void TabSpaceTest::unusedMarginsStayDisabledAndComeBackUnchanged()
{
    TabSpace page;
    page.initControls();
    PrintSettings settings; // margins 20, not used
    page.loadFrom(settings);
    auto* top = page.findChild<QSpinBox*>(QStringLiteral("marginTopSpin"));
    QVERIFY(!top->isEnabled());
    QCOMPARE(top->value(), 20);
    PrintSettings stored;
    stored.marginTop = stored.marginLeft = 0;
    page.storeTo(stored);
    QCOMPARE(stored.marginTop, 20);
    QCOMPARE(stored.marginLeft, 20);
    QCOMPARE(stored.useMargins, false);
    QCOMPARE(stored.lineSpacing, 1);
    QCOMPARE(stored.columnSpacing, 8);
}

void TabSpaceTest::valuesAboveTheLimitShowAsTheLimit()
{
    TabSpace page;
    page.initControls();
    PrintSettings settings;
    settings.marginRight = 77;
    settings.columnSpacing = 51;
    page.loadFrom(settings);
    PrintSettings stored;
    page.storeTo(stored);
    QCOMPARE(stored.marginRight, 50);
    QCOMPARE(stored.columnSpacing, 50);
}

void TabSpaceTest::theCheckBoxEnablesOnlyTheMargins()
{
    TabSpace page;
    page.initControls();
    PrintSettings settings;
    settings.useMargins = true;
    page.loadFrom(settings);
    const auto spins = page.findChildren<QSpinBox*>();
    for (QSpinBox* spin : spins)
        QVERIFY(spin->isEnabled());
    page.findChild<QCheckBox*>(QStringLiteral("useMarginsCheck"))->click();
    for (QSpinBox* spin : spins)
        QCOMPARE(spin->isEnabled(), spin->objectName() == QStringLiteral("columnSpacingSpin"));
}

} // namespace vantolex

QTEST_MAIN(vantolex::TabSpaceTest)
#include "TabSpaceTest.moc"
