// Our page-setup dialog: margins disabled when unused, whole hundredths back, the printer as a whole.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QtTest>

#include "gui/main/PageSetupDialog.h"

namespace vantolex {

namespace {

PageSetupSpooler spooler()
{
    PageSetupSpooler spooler;
    spooler.mediaList = [](const PrinterSelection& printer) {
        std::vector<PrinterMedia> media { { "iso_a4_210x297mm", "A4", 21000, 29700 } };
        if (printer.destination == "office")
            media.push_back({ "jis_b5_182x257mm", "B5 (JIS)", 18200, 25700 });
        return media;
    };
    spooler.defaultMedia = [](const PrinterSelection&) { return std::optional<std::string>("iso_a4_210x297mm"); };
    return spooler;
}

const std::vector<PrinterSelection> destinations = { { "home", "", {} }, { "office", "", {} } };

} // namespace

class PageSetupDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void unusedMarginsAreDisabledAndComeBackAsGiven();
    void marginsComeBackInWholeHundredths();
    void theOpenedPrinterKeepsItsOptionsAndTakesPaperAndOrientation();
    void withoutDestinationsThereIsNoPrinter();
};

void PageSetupDialogTest::unusedMarginsAreDisabledAndComeBackAsGiven()
{
    PageSetupDialog dialog(destinations, std::nullopt, PageSetupMargins {}, spooler());
    const auto spins = dialog.findChildren<QDoubleSpinBox*>();
    QCOMPARE(spins.size(), 4);
    for (QDoubleSpinBox* spin : spins) {
        QVERIFY(!spin->isEnabled());
        QCOMPARE(spin->minimum(), 0.0);
        QCOMPARE(spin->maximum(), 50.0); // no margin that the margins page would cut down
    }
    QVERIFY(dialog.margins() == PageSetupMargins {});
}

void PageSetupDialogTest::marginsComeBackInWholeHundredths()
{
    PageSetupDialog dialog(destinations, std::nullopt, { true, 2000, 1000, 500, 0, 0 }, spooler());
    auto* left = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("marginLeftSpin"));
    QVERIFY(left->isEnabled());
    QCOMPARE(left->value(), 20.0);
    left->setValue(12.75);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("marginBottomSpin"))->setValue(4.0);
    QVERIFY(dialog.margins() == (PageSetupMargins { true, 1275, 1000, 500, 400, 0 }));
}

void PageSetupDialogTest::theOpenedPrinterKeepsItsOptionsAndTakesPaperAndOrientation()
{
    PrinterSelection office { "office", "", { { "copies", "2" }, { "media", "jis_b5_182x257mm" } } };
    PageSetupDialog dialog(destinations, office, PageSetupMargins {}, spooler());
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("printerCombo"))->currentText(), QStringLiteral("office"));
    auto* paper = dialog.findChild<QComboBox*>(QStringLiteral("paperCombo"));
    QCOMPARE(paper->currentText(), QStringLiteral("B5 (JIS)"));
    dialog.findChild<QRadioButton*>(QStringLiteral("landscapeRadio"))->click();
    paper->setCurrentIndex(0);
    PrinterSelection expected { "office", "", { { "copies", "2" }, { "media", "iso_a4_210x297mm" } } };
    expected.landscape = true;
    QVERIFY(dialog.printer() == expected);

    // Another destination is taken as it is, with its own paper.
    dialog.findChild<QComboBox*>(QStringLiteral("printerCombo"))->setCurrentIndex(0);
    PrinterSelection home { "home", "", { { "media", "iso_a4_210x297mm" } } };
    home.landscape = true;
    QVERIFY(dialog.printer() == home);
}

void PageSetupDialogTest::withoutDestinationsThereIsNoPrinter()
{
    PageSetupDialog dialog({}, std::nullopt, { true, 100, 100, 100, 100, 0 }, spooler());
    QVERIFY(!dialog.printer().has_value());
    QCOMPARE(dialog.margins().left, 100);
}

} // namespace vantolex

QTEST_MAIN(vantolex::PageSetupDialogTest)
#include "PageSetupDialogTest.moc"
