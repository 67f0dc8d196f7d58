// The main dialog as a person uses it: the source controls at start and when switched, drops, Enter and
// Escape, print, close, presets, page setup and the header/footer switch; every box answered by the seam.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>

#include "base/Errors.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/DialogRunHost.h"
#include "gui/main/MainDialog.h"
#include "gui/main/MainDialogTestSupport.h"
#include "gui/main/PrinterDialogs.h"
#include "gui/pages/TabPage.h"
#include "input/TextReader.h"
#include "render/fonts/FontCatalogue.h"
#include "settings/SettingsComparison.h"
#include "settings/SettingsStore.h"
#include "support/PostedEvents.h"

namespace vantolex {

namespace {

// The printer dialogs without windows: the print dialog is declined, the page setup answers as told.
class FakePrinterDialogs : public PrinterDialogs
{
public:
    std::unique_ptr<Device> runPrintDialog(QWidget*) override
    {
        ++printDialogs;
        if (failUnexpectedly)
            throw std::length_error("vector");
        return nullptr;
    }
    bool runPageSetup(QWidget*, PageSetupMargins& margins) override
    {
        ++pageSetups;
        offered = margins;
        if (confirm && margins.enabled)
            margins = returned;
        return confirm;
    }
    std::unique_ptr<Device> printerDevice() override { return nullptr; }

    int printDialogs = 0;
    int pageSetups = 0;
    bool failUnexpectedly = false;
    bool confirm = true;
    PageSetupMargins offered;
    PageSetupMargins returned;
};

QString messageOf(const MessageBox::Record& record)
{
    return record.caption + u'|' + record.text;
}

} // namespace

class MainDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startState_data();
    void startState();
    void switchingTheSourceUpdatesPrintAndDetails();
    void blanksInTheFileBoxEnablePrintButNameNoFile();
    void aFileNameThatIsNotUtf8IsReadByItsBytesUntilRetyped();
    void drops_data();
    void drops();
    void noEditTakesADrop();
    void enterPrintsFromTheDialogButNotFromAPage();
    void altPPrintsOnlyWhereItIsNotAmbiguous();
    void anUnexpectedFailureIsShown();
    void escapeOnAPageAndTheCloseBoxStoreThePages_data();
    void escapeOnAPageAndTheCloseBoxStoreThePages();
    void aRequestToEndCancelsTheBoxAboveAndStoresThePages();
    void applyWarnsWithoutASelectionAndReloadsEveryPageWithOne();
    void headerFooterSwitchReachesTheHiddenPage();
    void pageSetupExchangesMarginsOnlyWhenTheyAreUsed();
    void aRecordGoesThroughTheSevenPagesUnchanged();
    void aFailedSaveAtTheEndIsShown_data();
    void aFailedSaveAtTheEndIsShown();
    void layoutOptionsComeFromTheOptionsFileOutlastAPresetAndAreSavedAtTheEnd();

private:
    // A dialog over the settings file of the test folder, with `files` added, shown.
    void open(const QStringList& files = {});
    QString makeFile(const QString& name);
    template <typename T> T* child(const char* name) const { return namedChild<T>(*m_dialog, name); }
    void dropUrls(const QList<QUrl>& urls);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::filesystem::path m_settingsFile;
    FakePrinterDialogs m_printers;
    std::unique_ptr<MainDialog> m_dialog;
};

void MainDialogTest::initTestCase()
{
    MessageBox::setHeadless(true);
}

void MainDialogTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_settingsFile = std::filesystem::path(m_folder->filePath(QStringLiteral("VANTOLEX.DAT")).toStdString());
    m_printers = FakePrinterDialogs();
    MessageBox::takeRecords();
}

void MainDialogTest::cleanup()
{
    m_dialog.reset();
    MessageBox::takeRecords();
}

void MainDialogTest::open(const QStringList& files)
{
    m_dialog = showMainDialog(m_printers, m_settingsFile, files);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

QString MainDialogTest::makeFile(const QString& name)
{
    return writeLineFile(*m_folder, name);
}

void MainDialogTest::dropUrls(const QList<QUrl>& urls)
{
    auto* data = new QMimeData;
    data->setUrls(urls);
    const QPoint at = m_dialog->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_dialog.get(), &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_dialog.get(), &drop);
    delete data;
}

void MainDialogTest::startState_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<bool>("fileNameEnabled");
    QTest::addColumn<QString>("details");
    QTest::newRow("no file") << 0 << "clipboardRadio" << false << QString::fromUtf16(u"詳細 （？）");
    QTest::newRow("one file") << 1 << "singleFileRadio" << true << QString::fromUtf16(u"詳細 （？）");
    QTest::newRow("three files") << 3 << "multipleFilesRadio" << false << QString::fromUtf16(u"詳細 （3）");
}

void MainDialogTest::startState()
{
    QFETCH(int, files);
    QFETCH(QString, checked);
    QFETCH(bool, fileNameEnabled);
    QFETCH(QString, details);
    QStringList paths;
    for (int i = 0; i < files; ++i)
        paths << makeFile(QStringLiteral("f%1.txt").arg(i));
    open(paths);
    QVERIFY(child<QRadioButton>(qPrintable(checked))->isChecked());
    QCOMPARE(child<QLineEdit>("fileNameEdit")->isEnabled(), fileNameEnabled);
    QVERIFY(child<QPushButton>("printButton")->isEnabled());
    QCOMPARE(child<QPushButton>("detailsButton")->text(), details);
    QCOMPARE(child<QLineEdit>("fileNameEdit")->text(), files == 1 ? paths.front() : QString());
    QCOMPARE(m_dialog->fileList().size(), std::size_t(files == 1 ? 0 : files));
    QCOMPARE(child<QComboBox>("encodingCombo")->currentText(), QStringLiteral("Shift JIS"));
    QCOMPARE(child<QTabWidget>("tabs")->currentIndex(), 0);
}

void MainDialogTest::switchingTheSourceUpdatesPrintAndDetails()
{
    open({ makeFile(QStringLiteral("one.txt")) });
    auto* print = child<QPushButton>("printButton");
    auto* details = child<QPushButton>("detailsButton");
    child<QRadioButton>("multipleFilesRadio")->click();
    QVERIFY(!print->isEnabled());
    QCOMPARE(details->text(), QString::fromUtf16(u"詳細 （0）"));
    QVERIFY(!child<QLineEdit>("fileNameEdit")->isEnabled());
    child<QRadioButton>("clipboardRadio")->click();
    QVERIFY(print->isEnabled());
    QCOMPARE(details->text(), QString::fromUtf16(u"詳細 （？）"));
    child<QRadioButton>("singleFileRadio")->click();
    QVERIFY(print->isEnabled());
    child<QLineEdit>("fileNameEdit")->clear();
    QVERIFY(!print->isEnabled());
}

void MainDialogTest::blanksInTheFileBoxEnablePrintButNameNoFile()
{
    open();
    child<QRadioButton>("singleFileRadio")->click();
    auto* print = child<QPushButton>("printButton");
    QVERIFY(!print->isEnabled());
    QTest::keyClicks(child<QLineEdit>("fileNameEdit"), QStringLiteral("  "));
    QVERIFY(print->isEnabled());
    print->click();
    const auto boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(messageOf(boxes[0]), QString::fromUtf16(u"警告 [Vantolex]|ファイルが指定されていません。"));
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes[0].owner, m_dialog.get());
    QCOMPARE(m_printers.printDialogs, 0);
}

void MainDialogTest::aFileNameThatIsNotUtf8IsReadByItsBytesUntilRetyped()
{
    // "テキ.txt" in Shift JIS, as archives made on other systems name their files.
    const std::filesystem::path path = m_folder->path().toStdString() + "/\x83\x65\x83\x4c.txt";
    std::ofstream(path, std::ios::binary) << "line\n";
    struct RemovedAtTheEnd // the temporary folder cannot remove a name it cannot spell
    {
        std::filesystem::path path;
        ~RemovedAtTheEnd()
        {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    } removal { path };
    m_dialog = std::make_unique<MainDialog>(m_printers, systemClock(), m_settingsFile);
    m_dialog->addFile(path);
    m_dialog->show();
    DialogRunHost host(*m_dialog);
    const PrintSettings settings;
    const std::unique_ptr<TextReader> reader = readerForChoice(m_dialog->sourceChoice(), host, settings);
    QVERIFY(reader->nextLine());
    QCOMPARE(QString::fromUtf16(reader->currentLine().text), QStringLiteral("line"));

    auto* fileName = child<QLineEdit>("fileNameEdit");
    fileName->setText(fileName->text() + u' ');
    QVERIFY_THROWS_EXCEPTION(Error, readerForChoice(m_dialog->sourceChoice(), host, settings));
}

void MainDialogTest::drops_data()
{
    QTest::addColumn<QStringList>("dropped"); // "dir:" marks a folder
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("listCount"); // the held list after the drop (five before)
    QTest::newRow("one file keeps the list") << QStringList { "x.txt" } << "singleFileRadio"
                                             << "x.txt" << 5;
    QTest::newRow("two files replace it") << QStringList { "x.txt", "y.txt" } << "multipleFilesRadio"
                                          << "" << 2;
    QTest::newRow("a folder with a file") << QStringList { "dir:d", "x.txt" } << "singleFileRadio"
                                          << "x.txt" << 5;
    QTest::newRow("folders only") << QStringList { "dir:d", "dir:e" } << "multipleFilesRadio"
                                  << "" << 5;
}

void MainDialogTest::drops()
{
    QFETCH(QStringList, dropped);
    QFETCH(QString, checked);
    QFETCH(QString, fileName);
    QFETCH(int, listCount);
    QStringList five;
    for (int i = 0; i < 5; ++i)
        five << makeFile(QStringLiteral("held%1.txt").arg(i));
    open(five);
    child<QComboBox>("encodingCombo")->setCurrentIndex(3);
    QList<QUrl> urls;
    for (const QString& item : dropped) {
        QString path;
        if (item.startsWith(QStringLiteral("dir:"))) {
            path = m_folder->filePath(item.mid(4));
            QDir().mkpath(path);
        } else {
            path = makeFile(item);
        }
        urls << QUrl::fromLocalFile(path);
    }
    dropUrls(urls);
    QVERIFY(child<QRadioButton>(qPrintable(checked))->isChecked());
    if (!fileName.isEmpty())
        QCOMPARE(child<QLineEdit>("fileNameEdit")->text(), m_folder->filePath(fileName));
    QCOMPARE(m_dialog->fileList().size(), std::size_t(listCount));
    if (listCount == 2)
        QCOMPARE(m_dialog->fileList()[1].encodingIndex, 3);
    child<QRadioButton>("multipleFilesRadio")->click();
    QCOMPARE(child<QPushButton>("detailsButton")->text(), QString::fromUtf16(u"詳細 （%1）").arg(listCount));
}

void MainDialogTest::noEditTakesADrop()
{
    // A file dragged over an edit would otherwise land in it as text: every drop must reach the dialog.
    open();
    const auto edits = m_dialog->findChildren<QLineEdit*>();
    QVERIFY(edits.size() > 10);
    for (QLineEdit* edit : edits)
        QVERIFY2(!edit->acceptDrops(), qPrintable(edit->objectName()));
}

void MainDialogTest::enterPrintsFromTheDialogButNotFromAPage()
{
    open({ makeFile(QStringLiteral("one.txt")) });
    auto* tabs = child<QTabWidget>("tabs");
    const struct
    {
        int page;
        const char* control;
    } onPages[] = { { 0, "charsPerLineEdit" }, { 3, "columnSpacingSpin" }, { 3, "useMarginsCheck" },
                    { 5, "presetCombo" },      { 5, "applyPresetButton" }, { 6, "previewButton" } };
    for (const auto& onPage : onPages) {
        tabs->setCurrentIndex(onPage.page);
        QWidget* control = child<QWidget>(onPage.control);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClick(control, Qt::Key_Enter);
    }
    QVERIFY(testing::deliverPostedEvents()); // what the pages post in reply has arrived
    QCOMPARE(m_printers.printDialogs, 0);
    QCOMPARE(MessageBox::records().size(), 0);

    auto* fileName = child<QLineEdit>("fileNameEdit");
    fileName->setFocus();
    QTest::keyClick(fileName, Qt::Key_Return);
    QCOMPARE(m_printers.printDialogs, 1);
    QVERIFY(m_dialog->isVisible()); // printing leaves the dialog open
    QVERIFY(MessageBox::takeRecords().isEmpty());
}

void MainDialogTest::altPPrintsOnlyWhereItIsNotAmbiguous()
{
    // "印刷(&P)" shares Alt+P with a check box of the テキスト page: Qt then clicks neither.
    open({ makeFile(QStringLiteral("one.txt")) });
    QApplication::setActiveWindow(m_dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    auto* printButton = child<QPushButton>("printButton");
    QTest::keyClick(m_dialog.get(), Qt::Key_P, Qt::AltModifier);
    // A mnemonic that clicks shows its button pressed at once and clicks when the press is over: neither the press
    // nor anything posted by the key is there.
    QVERIFY(testing::deliverPostedEvents());
    QVERIFY(!printButton->isDown());
    QCOMPARE(m_printers.printDialogs, 0);
    child<QTabWidget>("tabs")->setCurrentIndex(6);
    QTest::keyClick(m_dialog.get(), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(m_printers.printDialogs, 1);
}

void MainDialogTest::anUnexpectedFailureIsShown()
{
    open({ makeFile(QStringLiteral("one.txt")) });
    m_printers.failUnexpectedly = true;
    child<QPushButton>("printButton")->click();
    const auto boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(messageOf(boxes[0]), QString::fromUtf16(u"エラー [Vantolex]|予期しないエラーが発生しました。"));
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
}

void MainDialogTest::escapeOnAPageAndTheCloseBoxStoreThePages_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Escape on a page") << false;
    QTest::newRow("the close box") << true;
}

void MainDialogTest::escapeOnAPageAndTheCloseBoxStoreThePages()
{
    QFETCH(bool, closeBox);
    open();
    auto* perLine = child<QLineEdit>("charsPerLineEdit");
    perLine->setText(QStringLiteral("80"));
    child<QLineEdit>("charsPerLineEdit")->setFocus();
    if (closeBox)
        m_dialog->close();
    else
        QTest::keyClick(perLine, Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_dialog->settingsStore().currentSettings.charsPerLine, 80);
    m_dialog.reset(); // saves
    SettingsStore reread(m_settingsFile);
    QCOMPARE(reread.currentSettings.charsPerLine, 80);
}

void MainDialogTest::aRequestToEndCancelsTheBoxAboveAndStoresThePages()
{
    open();
    child<QLineEdit>("charsPerLineEdit")->setText(QStringLiteral("80"));
    int answer = -1;
    QTimer::singleShot(0, m_dialog.get(), [this, &answer] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("q"), QStringLiteral("q"),
                        QMessageBox::Yes | QMessageBox::No, m_dialog.get());
        QTimer::singleShot(0, m_dialog.get(), &MainDialog::endForTermination);
        answer = box.exec();
    });
    QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
    QCOMPARE(answer, int(QMessageBox::No)); // ended as by its Escape button
    m_dialog.reset(); // saves
    SettingsStore reread(m_settingsFile);
    QCOMPARE(reread.currentSettings.charsPerLine, 80);
}

void MainDialogTest::applyWarnsWithoutASelectionAndReloadsEveryPageWithOne()
{
    {
        SettingsStore store(m_settingsFile);
        store.resetAll();
        PrintSettings preset = store.currentSettings;
        preset.charsPerLine = 72;
        preset.useMargins = true;
        preset.lineNumberInterval = 10;
        store.addPreset(u"狭い", preset);
    }
    open();
    auto* presets = child<QComboBox>("presetCombo");
    QCOMPARE(presets->count(), 2);
    QCOMPARE(presets->currentIndex(), -1);
    auto* apply = child<QPushButton>("applyPresetButton");
    apply->click();
    QTRY_COMPARE(MessageBox::records().size(), 1);
    QCOMPARE(messageOf(MessageBox::takeRecords()[0]),
             QString::fromUtf16(u"警告 [Vantolex]|適用する設定が選択されていません。"));
    QCOMPARE(child<QLineEdit>("charsPerLineEdit")->text(), QStringLiteral("96"));

    presets->setCurrentIndex(1);
    apply->click();
    QTRY_COMPARE(child<QLineEdit>("charsPerLineEdit")->text(), QStringLiteral("72"));
    QVERIFY(child<QCheckBox>("useMarginsCheck")->isChecked());
    QVERIFY(child<QSpinBox>("marginTopSpin")->isEnabled());
    QCOMPARE(child<QComboBox>("lineNumberCombo")->currentIndex(), 3);
    QVERIFY(MessageBox::takeRecords().isEmpty());
}

void MainDialogTest::headerFooterSwitchReachesTheHiddenPage()
{
    open();
    auto* pageNumber = child<QCheckBox>("showPageNumberCheck");
    auto* fileName = child<QCheckBox>("showFileNameCheck");
    pageNumber->setChecked(true);
    QVERIFY(pageNumber->isEnabled());
    auto* use = child<QCheckBox>("useHeaderFooterCheck");
    use->click(); // its page and the その他 page both hidden
    QVERIFY(!pageNumber->isVisible());
    QTRY_VERIFY(!pageNumber->isEnabled());
    QVERIFY(!fileName->isEnabled());
    QVERIFY(pageNumber->isChecked());
    use->click();
    QTRY_VERIFY(pageNumber->isEnabled());
    QCOMPARE(m_dialog->settingsStore().currentSettings.useHeaderFooter, false); // not stored by the switch
}

void MainDialogTest::pageSetupExchangesMarginsOnlyWhenTheyAreUsed()
{
    open();
    auto* pageSetup = child<QPushButton>("pageSetupButton");
    m_printers.returned = { true, 1299, 5050, 0, 700, 0 }; // left, top, right, bottom in hundredths

    pageSetup->click(); // margins not used
    QTRY_COMPARE(m_printers.pageSetups, 1);
    QVERIFY(m_printers.offered == PageSetupMargins {});
    QCOMPARE(m_dialog->settingsStore().currentSettings.marginLeft, 20);

    child<QCheckBox>("useMarginsCheck")->click();
    pageSetup->click();
    QTRY_COMPARE(m_printers.pageSetups, 2);
    QVERIFY(m_printers.offered.enabled);
    QCOMPARE(m_printers.offered.left, 2000);
    const PrintSettings& settings = m_dialog->settingsStore().currentSettings;
    QCOMPARE(settings.marginLeft, 12);
    QCOMPARE(settings.marginTop, 50);
    QCOMPARE(settings.marginRight, 0);
    QCOMPARE(settings.marginBottom, 7);
    QCOMPARE(child<QSpinBox>("marginLeftSpin")->value(), 12);

    m_printers.returned.top = 6000; // stored as returned, shown as 50
    pageSetup->click();
    QTRY_COMPARE(m_printers.pageSetups, 3);
    QCOMPARE(m_dialog->settingsStore().currentSettings.marginTop, 60);
    QCOMPARE(child<QSpinBox>("marginTopSpin")->value(), 50);
}

void MainDialogTest::aRecordGoesThroughTheSevenPagesUnchanged()
{
    FontCatalogue catalogue;
    catalogue.enumerateFonts(false, false);
    const auto faces = catalogue.facesOf(u"日本語");
    if (faces.empty())
        QSKIP("no fixed-pitch Japanese face is installed");
    PrintSettings record;
    record.charsPerLine = 123;
    record.linesPerColumn = 45;
    record.fontPoints = 9;
    record.columns = 3;
    record.tabWidth = 4;
    record.wrapLines = false;
    record.fontSizeBasis = FontSizeBasis::LinesPerColumn;
    record.startLine = 9;
    record.endValue = 30;
    record.endCondition = EndCondition::ToLine;
    record.showInfo = false;
    record.lineNumberInterval = 20;
    record.lineNumberDigits = 6;
    record.columnSeparator = true;
    record.showPageNumber = true;
    record.showFileName = true;
    record.fontName = faces.back().first;
    record.useMargins = true;
    record.marginTop = 1;
    record.marginBottom = 2;
    record.marginLeft = 3;
    record.marginRight = 4;
    record.lineSpacing = 3;
    record.columnSpacing = 11;
    record.useHeaderFooter = true;
    record.headerLeft = u"&f";
    record.headerCenter = u"- &p -";
    record.headerRight = u"&d";
    record.footerLeft = u"左";
    record.footerCenter = u"&p / &P";
    record.footerRight = u"&t";
    {
        SettingsStore store(m_settingsFile);
        store.currentSettings = record;
    }
    open();
    PrintSettings stored;
    for (TabPage* page : m_dialog->pages())
        page->storeTo(stored);
    QVERIFY(stored.fontDescriptor.has_value());
    QCOMPARE(stored.fontDescriptor->faceName, record.fontName);
    const std::vector<std::string> differing = test::differingFields(stored, record);
    QVERIFY2(differing.empty(), differing.empty() ? "" : differing.front().c_str());
}

void MainDialogTest::aFailedSaveAtTheEndIsShown_data()
{
    QTest::addColumn<bool>("unstorable");
    QTest::addColumn<QString>("reason");
    // %1: the lock file, which cannot be made where the folder is a file.
    QTest::newRow("no folder") << false
                               << QString::fromUtf16(
                                      u"設定ファイルのロック %1 を取得できません。保存先のフォルダーがありません。");
    QTest::newRow("a character Shift JIS lacks")
        << true << QString::fromUtf16(u"Shift JIS（コードページ 932）で表せない文字が設定に含まれています。");
}

void MainDialogTest::aFailedSaveAtTheEndIsShown()
{
    QFETCH(bool, unstorable);
    QFETCH(QString, reason);
    if (!unstorable) {
        m_settingsFile = std::filesystem::path(makeFile(QStringLiteral("file")).toStdString()) / "VANTOLEX.DAT";
        reason = reason.arg(QString::fromStdString(m_settingsFile.string() + ".lock"));
    }
    open();
    if (unstorable)
        child<QLineEdit>("templateEdit0")->setText(QString::fromUtf16(u"😀"));
    m_dialog->reject();
    m_dialog.reset();
    const auto boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes[0].text,
             QString::fromUtf16(u"設定ファイルを保存できませんでした。\n") + reason + u'\n'
                 + QString::fromStdString(m_settingsFile.string()));
}

void MainDialogTest::layoutOptionsComeFromTheOptionsFileOutlastAPresetAndAreSavedAtTheEnd()
{
    {
        SettingsStore store(m_settingsFile);
        store.resetAll();
        store.addPreset(u"狭い", store.currentSettings);
    }
    const QString optionsFile = m_folder->filePath(QStringLiteral("vantolex.ini"));
    {
        QFile file(optionsFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[layout]\nkinsoku=true\nmine=1\n");
    }
    open();
    auto* kinsoku = child<QCheckBox>("kinsokuCheck");
    auto* supplementary = child<QCheckBox>("supplementaryCheck");
    QCOMPARE(kinsoku->text(), QString::fromUtf16(u"禁則処理をする(&K)"));
    QCOMPARE(supplementary->text(), QString::fromUtf16(u"補助文字（U+10000 以上）を印刷する(&E)"));
    QVERIFY(kinsoku->isChecked());
    QVERIFY(!supplementary->isChecked());

    // Alt+K and Alt+E are no other control's: each clicks its check box (an ambiguous one would click nothing).
    QApplication::setActiveWindow(m_dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    QTest::keyClick(m_dialog.get(), Qt::Key_K, Qt::AltModifier);
    QTRY_VERIFY(!kinsoku->isChecked());
    QTest::keyClick(m_dialog.get(), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(supplementary->isChecked());

    // The options belong to the options file, not to the record: a preset applied leaves them.
    child<QComboBox>("presetCombo")->setCurrentIndex(1);
    child<QPushButton>("applyPresetButton")->click();
    QVERIFY(testing::deliverPostedEvents());
    QVERIFY(!kinsoku->isChecked());
    QVERIFY(supplementary->isChecked());

    m_dialog.reset();
    QFile file(optionsFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[layout]\nkinsoku=false\nmine=1\nsupplementary=true\n"));
    QVERIFY(MessageBox::takeRecords().isEmpty());
}

} // namespace vantolex

QTEST_MAIN(vantolex::MainDialogTest)
#include "MainDialogTest.moc"
