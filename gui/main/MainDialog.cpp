#include "gui/main/MainDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include <system_error>

#include "base/Interruption.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "gui/dialogs/EditPresetDialog.h"
#include "gui/dialogs/EncodingCombo.h"
#include "gui/dialogs/FileListDialog.h"
#include "gui/dialogs/PresetCombo.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/FileDialog.h"
#include "gui/kit/KitMessages.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/QtText.h"
#include "gui/main/DialogRunHost.h"
#include "gui/main/MainDialogMessages.h"
#include "gui/main/PrinterDialogs.h"
#include "gui/main/SettingsSaveFailure.h"
#include "gui/pages/TabFont.h"
#include "gui/pages/TabHeader.h"
#include "gui/pages/TabOption.h"
#include "gui/pages/TabPreview.h"
#include "gui/pages/TabRegion.h"
#include "gui/pages/TabSpace.h"
#include "gui/pages/TabText.h"
#include "gui/preview/PreviewWindow.h"
#include "layout/LayoutMessages.h"
#include "layout/PreviewFactory.h"
#include "layout/PrinterFactory.h"
#include "settings/PageSetupExchange.h"

namespace vantolex {

namespace {

// The print dialog as the printer factory's choice of a printer.
class DialogPrinterChooser : public PrinterChooser
{
public:
    DialogPrinterChooser(PrinterDialogs& printers, QWidget* owner)
        : m_printers(printers)
        , m_owner(owner)
    {
    }
    std::unique_ptr<Device> choosePrinter() override { return m_printers.runPrintDialog(m_owner); }

private:
    PrinterDialogs& m_printers;
    QWidget* m_owner;
};

std::filesystem::path localPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString shownPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace

MainDialog::MainDialog(PrinterDialogs& printers, const Clock& clock, std::filesystem::path settingsFile,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_settingsStore(settingsFile.empty() ? SettingsStore() : SettingsStore(std::move(settingsFile)))
    , m_loadedOptions(readOptionsFile(m_settingsStore.filePath()))
    , m_printers(printers)
    , m_clock(clock)
{
    setWindowTitle(toQString(mainText::caption));
    setFont(dialogFont());
    setAcceptDrops(true);
    buildControls();
    buildPages();
    fillEncodingCombo(*m_encoding, 0);
}

MainDialog::~MainDialog()
{
    saveOptionsForExit();
    const SaveResult result = m_settingsStore.saveForExit();
    if (result != SaveResult::Saved)
        MessageBox::error(nullptr, settingsSaveFailureText(m_settingsStore, result));
}

void MainDialog::saveOptionsForExit()
{
    // Written only when changed, so that a user who never touches the options gets no options file.
    const LayoutOptions options = m_tabText->layoutOptions();
    if (options == m_loadedOptions.options)
        return;
    int error = 0;
    OptionsSaveResult result = OptionsSaveResult::Saved;
    try {
        result = saveOptionsFile(m_settingsStore.filePath(), options, error);
    } catch (const Error& failure) {
        MessageBox::error(nullptr, failure.message);
        return;
    }
    if (result == OptionsSaveResult::Saved)
        return;
    const std::u16string path = fromUtf8(optionsPathBeside(m_settingsStore.filePath()).string());
    const std::u16string_view pattern
        = result == OptionsSaveResult::KeptUnreadable ? mainText::optionsUnreadable : mainText::optionsNotSaved;
    MessageBox::error(nullptr, formatText(pattern, { std::u16string_view(path) }));
}

void MainDialog::addFile(const std::filesystem::path& path)
{
    m_fileList.push_back({ path, 0 });
}

SourceChoice MainDialog::sourceChoice()
{
    SourceChoice choice;
    if (m_singleFile->isChecked())
        choice.kind = SourceKind::File;
    else if (m_multipleFiles->isChecked())
        choice.kind = SourceKind::MultipleFiles;
    else if (m_clipboardSource->isChecked())
        choice.kind = SourceKind::Clipboard;
    choice.fileName = toU16(m_fileName->text());
    if (!m_shownFile.empty() && m_fileName->text() == shownPath(m_shownFile))
        choice.filePath = m_shownFile;
    choice.encoding = m_encoding->currentIndex();
    choice.files = &m_fileList;
    choice.clipboard = &m_clipboard;
    return choice;
}

void MainDialog::buildControls()
{
    const DialogUnits units(dialogFont());
    setFixedSize(units.x(259), units.y(155));

    // In the order of the tab stops.
    m_printButton = new QPushButton(toQString(mainText::print), this);
    m_printButton->setObjectName(QStringLiteral("printButton"));
    m_printButton->setGeometry(units.rect(202, 7, 50, 14));
    m_printButton->setDefault(true);
    m_closeButton = new QPushButton(toQString(mainText::close), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setGeometry(units.rect(202, 28, 50, 14));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->setGeometry(units.rect(7, 67, 245, 81));
    // The seven captions side by side in the control's width, as the dialog units lay them out. The selected
    // tab is marked as Qt's own styles mark it: raised above the others, lighter, and open towards its page;
    // the others stand lower, behind a line.
    m_tabs->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; border: 1px solid palette(mid); "
                                         "border-bottom: none; background: palette(button); }"
                                         "QTabBar::tab:!selected { margin-top: 2px; color: palette(window-text); "
                                         "background: palette(midlight); border-bottom: 1px solid palette(mid); }"
                                         "QTabBar::tab:selected { background: palette(base); "
                                         "border-top: 2px solid palette(highlight); }"));
    m_tabs->setUsesScrollButtons(false);
    m_singleFile = new QRadioButton(toQString(mainText::singleFile), this);
    m_singleFile->setObjectName(QStringLiteral("singleFileRadio"));
    m_singleFile->setGeometry(units.rect(7, 9, 44, 10));
    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("fileNameEdit"));
    m_fileName->setGeometry(units.rect(51, 7, 123, 13));
    m_fileName->setAcceptDrops(false); // a dropped file goes to the dialog, not into the text
    m_browse = new QPushButton(toQString(mainText::browse), this);
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_browse->setGeometry(units.rect(174, 7, 19, 13));
    m_multipleFiles = new QRadioButton(toQString(mainText::multipleFiles), this);
    m_multipleFiles->setObjectName(QStringLiteral("multipleFilesRadio"));
    m_multipleFiles->setGeometry(units.rect(7, 27, 63, 10));
    m_details = new QPushButton(toQString(mainText::detailsUnknown), this);
    m_details->setObjectName(QStringLiteral("detailsButton"));
    m_details->setGeometry(units.rect(70, 25, 38, 13));
    m_encoding = new QComboBox(this);
    m_encoding->setObjectName(QStringLiteral("encodingCombo"));
    m_encoding->setGeometry(units.rect(115, 25, 78, 13));
    m_clipboardSource = new QRadioButton(toQString(mainText::clipboard), this);
    m_clipboardSource->setObjectName(QStringLiteral("clipboardRadio"));
    m_clipboardSource->setGeometry(units.rect(7, 45, 65, 10));

    connect(m_printButton, &QPushButton::clicked, this, [this] { print(); });
    connect(m_closeButton, &QPushButton::clicked, this, [this] { reject(); });
    // One group of their own: radios left to Qt's automatic exclusion would also exclude every radio of the
    // pages, which are children of the dialog too.
    auto* sources = new QButtonGroup(this);
    for (QRadioButton* source : { m_singleFile, m_multipleFiles, m_clipboardSource })
        sources->addButton(source);
    for (QRadioButton* source : { m_singleFile, m_multipleFiles, m_clipboardSource })
        connect(source, &QRadioButton::clicked, this, [this, source] { updateSourceControls(source); });
    connect(m_fileName, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_printButton->setEnabled(!text.isEmpty()); });
    connect(m_browse, &QPushButton::clicked, this, [this] { browse(); });
    connect(m_details, &QPushButton::clicked, this, [this] { openFileList(); });
}

void MainDialog::buildPages()
{
    m_tabText = new TabText;
    m_tabFont = new TabFont;
    m_tabRegion = new TabRegion;
    m_tabSpace = new TabSpace;
    m_tabHeader = new TabHeader;
    m_tabOption = new TabOption;
    m_tabPreview = new TabPreview;
    m_pages = { m_tabText, m_tabFont, m_tabRegion, m_tabSpace, m_tabHeader, m_tabOption, m_tabPreview };
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        m_tabs->addTab(m_pages[i], toQString(mainText::tabs[i]));
        m_pages[i]->initControls();
        m_pages[i]->loadFrom(m_settingsStore.currentSettings);
    }
    m_tabText->loadOptions(m_loadedOptions.options);
    m_settingsStore.currentSettings.layoutOptions = m_loadedOptions.options;
    fillPresetCombo(*m_tabOption->presetCombo(), m_settingsStore);
    m_tabs->setCurrentIndex(0);

    // The pages' requests arrive like posted messages: after the reaction that sent them.
    connect(m_tabOption, &TabOption::applyPresetRequested, this, &MainDialog::applyPreset, Qt::QueuedConnection);
    connect(m_tabOption, &TabOption::editPresetsRequested, this, &MainDialog::editPresets, Qt::QueuedConnection);
    connect(m_tabPreview, &TabPreview::previewRequested, this, &MainDialog::preview, Qt::QueuedConnection);
    connect(m_tabPreview, &TabPreview::pageSetupRequested, this, &MainDialog::pageSetup, Qt::QueuedConnection);
    connect(m_tabHeader, &TabHeader::headerFooterSwitched, this, &MainDialog::switchHeaderFooter, Qt::QueuedConnection);
}

void MainDialog::showEvent(QShowEvent* event)
{
    if (!m_opened) {
        m_opened = true;
        selectSourceByFileCount();
    }
    QDialog::showEvent(event);
}

void MainDialog::updateSourceControls(QAbstractButton* button)
{
    if (button == m_singleFile) {
        m_fileName->setEnabled(true);
        m_printButton->setEnabled(!m_fileName->text().isEmpty());
        m_details->setText(toQString(mainText::detailsUnknown));
    } else if (button == m_multipleFiles) {
        m_fileName->setEnabled(false);
        m_printButton->setEnabled(!m_fileList.empty());
        m_details->setText(toQString(formatText(mainText::detailsCount, { static_cast<int>(m_fileList.size()) })));
    } else if (button == m_clipboardSource) {
        m_fileName->setEnabled(false);
        m_printButton->setEnabled(true);
        m_details->setText(toQString(mainText::detailsUnknown));
    }
}

void MainDialog::showFileName(const std::filesystem::path& path)
{
    m_shownFile = path;
    m_fileName->setText(shownPath(path));
    m_fileName->setCursorPosition(0); // the start of the path in view
}

void MainDialog::selectSourceByFileCount()
{
    if (m_fileList.empty()) {
        m_clipboardSource->click();
    } else if (m_fileList.size() == 1) {
        showFileName(m_fileList.front().path);
        m_fileList.clear();
        m_singleFile->click();
    } else {
        m_multipleFiles->click();
    }
}

void MainDialog::takeFiles(std::vector<FileEntry> files)
{
    if (files.empty())
        return;
    if (files.size() == 1) {
        showFileName(files.front().path);
        m_singleFile->click();
        return;
    }
    m_fileList = std::move(files);
    m_multipleFiles->click();
}

void MainDialog::browse()
{
    const QStringList paths = FileDialog::getOpenFileNames(
        this, toQString(mainText::openCaption),
        { { toQString(kitText::allFilesFilter), toQString(kitText::allFilesPatterns) } });
    if (paths.isEmpty())
        return;
    const EncodingIndex encoding = m_encoding->currentIndex();
    std::vector<FileEntry> files;
    for (const QString& path : paths)
        files.push_back({ localPath(path), encoding });
    takeFiles(std::move(files));
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainDialog::dropEvent(QDropEvent* event)
{
    const EncodingIndex encoding = m_encoding->currentIndex();
    std::vector<FileEntry> files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        const std::filesystem::path path = localPath(url.toLocalFile());
        std::error_code failure;
        if (std::filesystem::is_directory(path, failure))
            continue;
        files.push_back({ path, encoding });
    }
    event->acceptProposedAction();
    takeFiles(std::move(files));
}

void MainDialog::accept()
{
    print();
}

void MainDialog::reject()
{
    closePreviewWindow();
    storeAllPages();
    QDialog::reject();
}

void MainDialog::endForTermination()
{
    QWidget* top = QApplication::activeModalWidget();
    if (!top || top == this) {
        reject();
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(top))
        box->close(); // its Escape button: OK, No or Cancel
    else if (auto* dialog = qobject_cast<QDialog*>(top))
        dialog->reject();
    else
        top->close();
    // The window's own loop returns first; what its caller opens next is ended on the next round.
    QTimer::singleShot(0, this, &MainDialog::endForTermination);
}

void MainDialog::storeAllPages()
{
    for (TabPage* page : m_pages)
        page->storeTo(m_settingsStore.currentSettings);
}

void MainDialog::reloadAllPages()
{
    for (TabPage* page : m_pages)
        page->loadFrom(m_settingsStore.currentSettings);
}

bool MainDialog::validateSettings()
{
    if (validate(m_settingsStore.messageBuffer, m_settingsStore.currentSettings))
        return true;
    MessageBox::warning(this, m_settingsStore.messageBuffer);
    return false;
}

void MainDialog::print()
{
    storeAllPages();
    if (!validateSettings())
        return;
    DialogPrinterChooser chooser(m_printers, this);
    PrinterFactory factory(chooser, m_clock);
    DialogRunHost host(*this);
    const PrintSettings& settings = m_settingsStore.currentSettings;
    if (runInterruptible(host, settings, factory, settings.showInfo) == RunOutcome::Crashed)
        MessageBox::error(this, layoutText::unexpectedFailure);
}

RunOutcome MainDialog::runInterruptible(PrintRunHost& host, const PrintSettings& settings, OutputFactory& factory,
                                        bool showDetails)
{
    try {
        return runPrintJob(host, settings, factory, showDetails);
    } catch (const Interrupted&) {
        // A signal asks the program to end: the run has given up its output, and the termination request
        // waiting in the event loop ends the dialog as 終了 does.
        return RunOutcome::Cancelled;
    }
}

void MainDialog::applyPreset(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_settingsStore.presets().size()) {
        MessageBox::warning(this, mainText::noPresetSelected);
        return;
    }
    m_settingsStore.applyPreset(index);
    reloadAllPages();
}

void MainDialog::editPresets(int)
{
    storeAllPages();
    if (runPresetEditor())
        fillPresetCombo(*m_tabOption->presetCombo(), m_settingsStore);
}

void MainDialog::preview()
{
    storeAllPages();
    if (!validateSettings())
        return;
    runPreview();
}

void MainDialog::pageSetup()
{
    storeAllPages();
    PrintSettings& settings = m_settingsStore.currentSettings;
    PageSetupMargins margins = preparePageSetup(settings);
    if (!m_printers.runPageSetup(this, margins))
        return;
    if (settings.useMargins) {
        takePageSetupMargins(settings, margins);
        m_tabSpace->loadFrom(settings);
    }
}

void MainDialog::switchHeaderFooter(int used)
{
    m_tabOption->enablePageNumberAndFileName(used == 0);
}

// ---- the dialogs with windows of their own ----------------------------------------------------------------

void MainDialog::openFileList()
{
    FileListDialog dialog(m_fileList, m_settingsStore.currentSettings, m_encoding->currentIndex(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_multipleFiles->click();
}

bool MainDialog::runPresetEditor()
{
    EditPresetDialog editor(m_settingsStore, this);
    return editor.exec() == EditPresetDialog::Modified;
}

void MainDialog::runPreview()
{
    if (!m_previewWindow)
        m_previewWindow = new PreviewWindow(this);
    PreviewFactory factory([this] { return m_printers.printerDevice(); }, *m_previewWindow, m_clock);
    DialogRunHost host(*this);
    if (runInterruptible(host, m_settingsStore.currentSettings, factory, false) == RunOutcome::Crashed)
        MessageBox::error(this, layoutText::unexpectedFailure);
}

void MainDialog::closePreviewWindow()
{
    delete m_previewWindow; // with the pages it shows
    m_previewWindow = nullptr;
}

} // namespace vantolex
