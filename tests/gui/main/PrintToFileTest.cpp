// The print dialog's "print to file" entry: the file is written by our own PDF device, not by QPrinter, and
// the chosen printer stays as it was.
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/ApplicationPrinter.h"
#include "gui/main/ApplicationPrinterDialogs.h"

namespace vantolex {

namespace {

class NoPrinters : public PrinterServices
{
public:
    std::optional<PrinterSelection> defaultPrinter() override { return std::nullopt; }
    std::unique_ptr<Device> openPrinter(const PrinterSelection&) override { return nullptr; }
};

} // namespace

class PrintToFileTest : public QObject
{
    Q_OBJECT

private slots:
    void printToFileWritesOurOwnPdf();
};

void PrintToFileTest::printToFileWritesOurOwnPdf()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("出力.pdf"));
    NoPrinters services;
    ApplicationPrinter chosen(services);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setPageOrientation(QPageLayout::Landscape);
    ApplicationPrinterDialogs dialogs(chosen, services, printer, systemClock());

    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (dialog)
            dialog->accept();
    });
    const std::unique_ptr<Device> device = dialogs.runPrintDialog(nullptr);
    QVERIFY(shown);
    QVERIFY(device != nullptr);
    // A5 turned, 600 dpi, 5 mm unprintable on each side: (210 - 10) × (148 - 10) mm.
    QCOMPARE(device->capabilities().width, 4724);
    QCOMPARE(device->capabilities().height, 3259);
    QVERIFY(device->startDoc(u"出力 - Vantolex") > 0);
    QVERIFY(device->startPage() > 0);
    QVERIFY(device->endPage() > 0);
    QVERIFY(device->endDoc() > 0);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
    QVERIFY(!chosen.chosenPrinter().has_value());
}

} // namespace vantolex

QTEST_MAIN(vantolex::PrintToFileTest)
#include "PrintToFileTest.moc"
