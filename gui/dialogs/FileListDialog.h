// "ファイル一覧": the list of files printed one after another, each with its encoding, and how the files are
// separated. Nothing outside the dialog changes before OK.
#pragma once

#include <QDialog>

#include <array>
#include <filesystem>
#include <vector>

#include "input/EncodingIndex.h"
#include "input/FileEntry.h"
#include "settings/PrintSettings.h"

class QAction;
class QLineEdit;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantolex {

class FileListDialog : public QDialog
{
    Q_OBJECT

public:
    // Edits `files` and the separatorLines and separatorMethod of `settings`, which are written only by OK.
    // Files added in the dialog get `defaultEncoding`, which the encoding command can change for this opening.
    FileListDialog(std::vector<FileEntry>& files, PrintSettings& settings, EncodingIndex defaultEncoding,
                   QWidget* parent = nullptr);

    EncodingIndex defaultEncoding() const { return m_defaultEncoding; }

    // OK: writes the rows top to bottom into the file list, and the count and the checked separator into the
    // settings.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The commands of the menus, the keys and the buttons.
    void addFiles();
    void deleteFiles();
    void clearList();
    void moveUp();
    void moveDown();
    void chooseEncoding();
    void selectAll();
    void invertSelection();

    // One row's data, found through the record index the row carries; records of deleted rows are reused.
    struct ItemRecord
    {
        EncodingIndex encodingIndex = 0;
    };

    void buildForm();
    void buildMenus();
    QAction* addCommand(QMenu* menu, std::u16string_view text, void (FileListDialog::*command)(),
                        const QKeySequence& shortcut = {});
    void addRow(const std::filesystem::path& path, EncodingIndex encoding);
    void setRowEncoding(QTreeWidgetItem* item, EncodingIndex encoding);
    ItemRecord& recordOf(const QTreeWidgetItem* item);
    std::vector<bool> selectedRows() const;
    void reorder(const std::vector<int>& order);
    void countEdited();

    std::vector<FileEntry>& m_files;
    PrintSettings& m_settings;
    EncodingIndex m_defaultEncoding;
    std::vector<ItemRecord> m_itemRecords;
    std::vector<int> m_freeRecords; // indices of released records, the most recently released last
    std::vector<QKeySequence> m_accelerators; // keys that act on the list wherever the focus is

    QTreeWidget* m_list = nullptr;
    QLineEdit* m_countEdit = nullptr;
    std::array<QRadioButton*, 3> m_separatorRadios {}; // in SeparatorMethod order
};

} // namespace vantolex
