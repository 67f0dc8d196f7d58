// The dialogs the main dialog opens: the file list from 詳細, the preset editor from the その他 page's 編集, and
// the details dialog that decides whether a print goes on.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "gui/dialogs/AttributeDialog.h"
#include "gui/dialogs/EditPresetDialog.h"
#include "gui/dialogs/FileListDialog.h"
#include "gui/kit/FileDialog.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/MainDialog.h"
#include "gui/main/MainDialogTestSupport.h"
#include "gui/main/PrinterDialogs.h"
#include "layout/RecordingDevice.h"

namespace vantolex {

namespace {

// A print dialog that is always confirmed on a recording device; the device reports, when the run has
// destroyed it, how many documents were ended on it.
class RecordingPrinterDialogs : public PrinterDialogs
{
public:
    class Device : public RecordingDevice
    {
    public:
        explicit Device(int& endedDocuments)
            : m_endedDocuments(endedDocuments)
        {
        }
        ~Device() override { m_endedDocuments += static_cast<int>(callsOf(RecordedCall::Kind::EndDoc).size()); }

    private:
        int& m_endedDocuments;
    };

    std::unique_ptr<vantolex::Device> runPrintDialog(QWidget*) override
    {
        return std::make_unique<Device>(endedDocuments);
    }
    bool runPageSetup(QWidget*, PageSetupMargins&) override { return false; }
    std::unique_ptr<vantolex::Device> printerDevice() override { return nullptr; }

    int endedDocuments = 0;
};

// Runs `answer` on the next modal dialog of type T once it is open; `done` tells when it has run.
template <typename T> void whenOpen(QObject* context, std::function<void(T&)> answer, bool& done)
{
    done = false;
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, answer, &done] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        answer(*dialog);
        done = true;
    });
    poll->start(10);
}

} // namespace

class MainDialogSubDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void detailsOpensTheFileListAndOkChoosesMultipleFiles();
    void aChangedPresetListIsRefilledWithoutSelection();
    void theDetailsDialogDecidesWhetherToPrint_data();
    void theDetailsDialogDecidesWhetherToPrint();

private:
    void open(const QStringList& files);
    QString makeFile(const QString& name);
    template <typename T> T* child(const char* name) const { return namedChild<T>(*m_dialog, name); }

    std::unique_ptr<QTemporaryDir> m_folder;
    RecordingPrinterDialogs m_printers;
    std::unique_ptr<MainDialog> m_dialog;
};

void MainDialogSubDialogsTest::initTestCase()
{
    MessageBox::setHeadless(true);
}

void MainDialogSubDialogsTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_printers.endedDocuments = 0;
    MessageBox::takeRecords();
}

void MainDialogSubDialogsTest::cleanup()
{
    m_dialog.reset();
    MessageBox::takeRecords();
}

void MainDialogSubDialogsTest::open(const QStringList& files)
{
    m_dialog = showMainDialog(
        m_printers, std::filesystem::path(m_folder->filePath(QStringLiteral("VANTOLEX.DAT")).toStdString()), files);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

QString MainDialogSubDialogsTest::makeFile(const QString& name)
{
    return writeLineFile(*m_folder, name);
}

void MainDialogSubDialogsTest::detailsOpensTheFileListAndOkChoosesMultipleFiles()
{
    open({ makeFile(QStringLiteral("one.txt")) });
    QVERIFY(child<QRadioButton>("singleFileRadio")->isChecked());
    child<QComboBox>("encodingCombo")->setCurrentIndex(3);
    auto* details = child<QPushButton>("detailsButton");

    bool done = false;
    whenOpen<FileListDialog>(
        this, [](FileListDialog& list) { list.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click(); },
        done);
    details->click();
    QVERIFY(done);
    QVERIFY(child<QRadioButton>("singleFileRadio")->isChecked());

    EncodingIndex offered = -1;
    whenOpen<FileListDialog>(
        this,
        [&](FileListDialog& list) {
            offered = list.defaultEncoding();
            FileDialog::setNextFileNames({ m_folder->filePath(QStringLiteral("two.txt")) });
            list.findChild<QAction*>(QStringLiteral("addFilesAction"))->trigger();
            list.findChild<QRadioButton*>(QStringLiteral("pageBreakRadio"))->click();
            list.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        },
        done);
    details->click();
    QVERIFY(done);

    QCOMPARE(offered, 3);
    QVERIFY(child<QRadioButton>("multipleFilesRadio")->isChecked());
    QCOMPARE(details->text(), QString::fromUtf16(u"詳細 （1）"));
    QCOMPARE(m_dialog->fileList().size(), std::size_t(1));
    QCOMPARE(m_dialog->fileList()[0].encodingIndex, 3);
    QCOMPARE(m_dialog->settingsStore().currentSettings.separatorMethod, int(SeparatorMethod::PageBreak));
}

void MainDialogSubDialogsTest::aChangedPresetListIsRefilledWithoutSelection()
{
    open({});
    auto* presets = child<QComboBox>("presetCombo");
    auto* edit = child<QPushButton>("editPresetsButton");
    presets->setCurrentIndex(0);

    bool done = false;
    whenOpen<EditPresetDialog>(
        this, [](EditPresetDialog& editor) { editor.findChild<QPushButton*>(QStringLiteral("closeButton"))->click(); },
        done);
    edit->click();
    QTRY_VERIFY(done);
    QCOMPARE(presets->currentIndex(), 0); // nothing changed: the list keeps its selection

    whenOpen<EditPresetDialog>(
        this,
        [](EditPresetDialog& editor) {
            editor.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("二つ目"));
            editor.findChild<QPushButton*>(QStringLiteral("addButton"))->click();
            editor.findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        },
        done);
    edit->click();
    QTRY_VERIFY(done);
    QTRY_COMPARE(presets->count(), 2);
    QCOMPARE(presets->itemText(1), QStringLiteral("二つ目"));
    QCOMPARE(presets->currentIndex(), -1);
}

void MainDialogSubDialogsTest::theDetailsDialogDecidesWhetherToPrint_data()
{
    QTest::addColumn<bool>("showInfo");
    QTest::addColumn<QString>("button"); // of the details dialog
    QTest::addColumn<int>("endedDocuments");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("印刷") << true << "printButton" << 1 << QStringList();
    QTest::newRow("キャンセル") << true << "cancelButton" << 0
                                << QStringList({ "警告 [Vantolex]|印刷を中止しました。" });
    QTest::newRow("情報表示 off") << false << QString() << 1 << QStringList();
}

void MainDialogSubDialogsTest::theDetailsDialogDecidesWhetherToPrint()
{
    QFETCH(bool, showInfo);
    QFETCH(QString, button);
    QFETCH(int, endedDocuments);
    QFETCH(QStringList, boxes);
    open({ makeFile(QStringLiteral("one.txt")) });
    child<QCheckBox>("showInfoCheck")->setChecked(showInfo);

    bool done = false;
    QWidget* owner = nullptr;
    if (showInfo) {
        whenOpen<AttributeDialog>(
            this,
            [&](AttributeDialog& details) {
                owner = details.parentWidget();
                details.findChild<QPushButton*>(button)->click();
            },
            done);
    }
    child<QPushButton>("printButton")->click();

    QCOMPARE(done, showInfo);
    if (showInfo)
        QCOMPARE(owner, m_dialog.get());
    QCOMPARE(m_printers.endedDocuments, endedDocuments);
    QStringList shown;
    for (const MessageBox::Record& box : MessageBox::takeRecords())
        shown.append(box.caption + u'|' + box.text);
    QCOMPARE(shown, boxes);
}

} // namespace vantolex

QTEST_MAIN(vantolex::MainDialogSubDialogsTest)
#include "MainDialogSubDialogsTest.moc"
