// The preview from the main dialog: the プレビュー page's request runs a preview into the dialog's own preview
// window, a missing printer is reported, and closing the dialog takes the window with it.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "gui/kit/MessageBox.h"
#include "gui/main/MainDialog.h"
#include "gui/main/PrinterDialogs.h"
#include "gui/preview/PreviewWindow.h"
#include "render/cairo/CairoImageDevice.h"

namespace vantolex {

namespace {

// A printer without dialogs: an A4 page at 600 dpi, or none at all.
class FixedPrinter final : public PrinterDialogs
{
public:
    bool installed = true;

    std::unique_ptr<Device> runPrintDialog(QWidget*) override { return nullptr; }
    bool runPageSetup(QWidget*, PageSetupMargins&) override { return false; }
    std::unique_ptr<Device> printerDevice() override
    {
        if (!installed)
            return nullptr;
        return std::make_unique<CairoImageDevice>(1, 1, DeviceCaps { 4724, 6779, 600, 600 });
    }
};

} // namespace

class MainDialogPreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setHeadless(true); }
    void previewRequestShowsThePagesAndCloseTakesTheWindow();
    void previewWithoutAPrinterWarns();

private:
    // Runs the dialog modally on a text file of 300 short lines and asks for a preview from the プレビュー page;
    // `whileOpen` runs once the preview has run, then the dialog is closed.
    void previewFromDialog(FixedPrinter& printer, const std::function<void(MainDialog&)>& whileOpen);
};

void MainDialogPreviewTest::previewFromDialog(FixedPrinter& printer, const std::function<void(MainDialog&)>& whileOpen)
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile text(folder.filePath(QStringLiteral("memo.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    for (int line = 1; line <= 300; ++line)
        text.write(QByteArray::number(line) + "\r\n");
    text.close();

    MainDialog dialog(printer, systemClock(), folder.filePath(QStringLiteral("VANTOLEX.DAT")).toStdString());
    QTimer::singleShot(0, &dialog, [&] {
        dialog.findChild<QRadioButton*>(QStringLiteral("singleFileRadio"))->click();
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(text.fileName());
        dialog.findChild<QPushButton*>(QStringLiteral("previewButton"))->click(); // posts the request
        QTimer::singleShot(0, &dialog, [&] {
            whileOpen(dialog);
            dialog.findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        });
    });
    dialog.exec();
}

void MainDialogPreviewTest::previewRequestShowsThePagesAndCloseTakesTheWindow()
{
    FixedPrinter printer;
    QPointer<PreviewWindow> window;
    QString label;
    previewFromDialog(printer, [&](MainDialog& dialog) {
        PreviewWindow* shown = dialog.findChild<PreviewWindow*>();
        window = shown;
        QVERIFY(shown && shown->isVisible());
        label = shown->findChild<QLabel*>(QStringLiteral("pageLabel"))->text();
    });
    QCOMPARE(label, QStringLiteral("1/2")); // two columns of about 120 lines on the first page
    QVERIFY(window.isNull());
    QVERIFY(MessageBox::takeRecords().isEmpty());
}

void MainDialogPreviewTest::previewWithoutAPrinterWarns()
{
    FixedPrinter printer;
    printer.installed = false;
    bool windowShown = true;
    previewFromDialog(printer, [&](MainDialog& dialog) {
        const PreviewWindow* window = dialog.findChild<PreviewWindow*>();
        windowShown = window && window->isVisible();
    });
    QVERIFY(!windowShown);
    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes[0].caption, QStringLiteral("警告 [Vantolex]"));
    QCOMPARE(boxes[0].text, QStringLiteral("プリンタの設定が取得できません。"));
    QVERIFY(boxes[0].owner != nullptr);
}

} // namespace vantolex

QTEST_MAIN(vantolex::MainDialogPreviewTest)
#include "MainDialogPreviewTest.moc"
