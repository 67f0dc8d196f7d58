// The program's dialog: the text source (one file, a list of files or the clipboard) with its encoding, the
// seven settings pages, print and close. It owns the settings store: the settings are read when the dialog is
// made and saved when it is destroyed.
#pragma once

#include <QDialog>

#include <array>
#include <filesystem>
#include <vector>

#include "gui/kit/QtClipboardSource.h"
#include "input/FileEntry.h"
#include "layout/Clock.h"
#include "layout/PrintRun.h"
#include "settings/OptionsFile.h"
#include "settings/SettingsStore.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vantolex {

class PreviewWindow;
class PrinterDialogs;
class TabFont;
class TabHeader;
class TabOption;
class TabPage;
class TabPreview;
class TabRegion;
class TabSpace;
class TabText;

class MainDialog : public QDialog
{
    Q_OBJECT

public:
    // The store of `settingsFile`; an empty path: the program's settings file. `printers` and `clock` (the
    // dates and times of headers, footers and documents) must outlive the dialog.
    MainDialog(PrinterDialogs& printers, const Clock& clock, std::filesystem::path settingsFile = {},
               QWidget* parent = nullptr);
    // Saves the settings file; a failure is shown in a box.
    ~MainDialog() override;

    // Appends `path` with the encoding Shift JIS to the file list (before the dialog opens).
    void addFile(const std::filesystem::path& path);

    // What a run reads: the checked source button, the file name, the encoding, the file list.
    SourceChoice sourceChoice();
    const std::vector<FileEntry>& fileList() const { return m_fileList; }
    SettingsStore& settingsStore() { return m_settingsStore; }

    // The pages in page order.
    const std::array<TabPage*, 7>& pages() const { return m_pages; }

    // Print: the dialog stays open.
    void accept() override;
    // Close (終了, Escape on the dialog or a page, the close box): every page stored first.
    void reject() override;
    // The program is asked to end: every dialog and box open above this one is cancelled, innermost first,
    // each once its caller has gone on; then Close.
    void endForTermination();

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildPages();
    void updateSourceControls(QAbstractButton* button);
    void showFileName(const std::filesystem::path& path);
    void selectSourceByFileCount();
    void takeFiles(std::vector<FileEntry> files);
    void browse();
    void print();
    // runPrintJob, ended early by a signal that asks the program to end.
    RunOutcome runInterruptible(PrintRunHost& host, const PrintSettings& settings, OutputFactory& factory,
                                bool showDetails);
    bool validateSettings();
    void storeAllPages();
    void reloadAllPages();

    // The page requests, each delivered queued.
    void applyPreset(int index);
    void editPresets(int index);
    void preview();
    void pageSetup();
    void switchHeaderFooter(int used);

    // The dialogs that come with their own windows. Each runs where its window will: the file list (1006),
    // the preset editor (true when it changed the presets), the preview window and its closing.
    void openFileList();
    bool runPresetEditor();
    void runPreview();
    void closePreviewWindow();
    // The layout options of the テキスト page into the options file, when they changed; a failure is shown.
    void saveOptionsForExit();

    SettingsStore m_settingsStore; // first made (reads the file), last destroyed
    OptionsFileState m_loadedOptions; // the options file beside it, as read at the start
    std::vector<FileEntry> m_fileList;
    std::filesystem::path m_shownFile; // the file last put into the file-name box, by its bytes
    QtClipboardSource m_clipboard;
    PrinterDialogs& m_printers;
    const Clock& m_clock;
    bool m_opened = false;

    QPushButton* m_printButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QTabWidget* m_tabs = nullptr;
    QRadioButton* m_singleFile = nullptr;
    QLineEdit* m_fileName = nullptr;
    QPushButton* m_browse = nullptr;
    QRadioButton* m_multipleFiles = nullptr;
    QPushButton* m_details = nullptr;
    QComboBox* m_encoding = nullptr;
    QRadioButton* m_clipboardSource = nullptr;

    // The preview window of the last preview, made at the first one; a child window of the dialog.
    PreviewWindow* m_previewWindow = nullptr;

    std::array<TabPage*, 7> m_pages {};
    TabText* m_tabText = nullptr;
    TabFont* m_tabFont = nullptr;
    TabRegion* m_tabRegion = nullptr;
    TabSpace* m_tabSpace = nullptr;
    TabHeader* m_tabHeader = nullptr;
    TabOption* m_tabOption = nullptr;
    TabPreview* m_tabPreview = nullptr;
};

} // namespace vantolex
