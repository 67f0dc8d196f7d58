#include "gui/dialogs/FileListDialog.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <system_error>

#include "gui/dialogs/DialogMessages.h"
#include "gui/dialogs/SelectEncodingDialog.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/FileDialog.h"
#include "gui/kit/KitMessages.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/QtText.h"
#include "input/RowMoves.h"
#include "input/SeparatorMethod.h"

namespace vantolex {

namespace {

enum Column : int
{
    NameColumn = 0,
    EncodingColumn = 1,
    PathColumn = 2,
};

// Item data: the record index in the first column, the path's bytes in the third (a file name need not be
// valid UTF-8).
constexpr int recordRole = Qt::UserRole;
constexpr int pathRole = Qt::UserRole;

QString displayPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path localPath(const QString& name)
{
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

std::filesystem::path pathOf(const QTreeWidgetItem* item)
{
    return std::filesystem::path(item->data(PathColumn, pathRole).toByteArray().toStdString());
}

QString encodingName(EncodingIndex index)
{
    return index >= 0 && index < encodingCount ? toQString(encodingNames[static_cast<std::size_t>(index)]) : QString();
}

} // namespace

FileListDialog::FileListDialog(std::vector<FileEntry>& files, PrintSettings& settings, EncodingIndex defaultEncoding,
                               QWidget* parent)
    : QDialog(parent)
    , m_files(files)
    , m_settings(settings)
    , m_defaultEncoding(defaultEncoding)
{
    setWindowTitle(toQString(dialogText::fileListTitle));
    setFont(dialogFont());
    setAcceptDrops(true);
    buildForm();
    buildMenus();

    for (const FileEntry& entry : m_files)
        addRow(entry.path, entry.encodingIndex);
    // The count first: typing it selects blank lines, so the separator's radio must come after it.
    m_countEdit->setText(QString::number(m_settings.separatorLines));
    const int method = m_settings.separatorMethod;
    if (method >= 0 && method < static_cast<int>(m_separatorRadios.size()))
        m_separatorRadios[static_cast<std::size_t>(method)]->click();
}

void FileListDialog::buildForm()
{
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("fileList"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({ toQString(dialogText::columnName), toQString(dialogText::columnEncoding),
                              toQString(dialogText::columnPath) });
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setSectionsMovable(false);
    m_list->setColumnWidth(NameColumn, 130);
    m_list->setColumnWidth(EncodingColumn, 130);
    m_list->setColumnWidth(PathColumn, 200);
    m_list->setMinimumWidth(130 + 130 + 200 + 4);
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { chooseEncoding(); });

    const std::u16string_view radioTexts[] = { dialogText::blankLines, dialogText::columnBreak, dialogText::pageBreak };
    const char* radioNames[] = { "blankLinesRadio", "columnBreakRadio", "pageBreakRadio" };
    for (std::size_t i = 0; i < m_separatorRadios.size(); ++i) {
        m_separatorRadios[i] = new QRadioButton(toQString(radioTexts[i]), this);
        m_separatorRadios[i]->setObjectName(QString::fromLatin1(radioNames[i]));
    }
    m_countEdit = new QLineEdit(this);
    m_countEdit->setObjectName(QStringLiteral("blankLineCountEdit"));
    m_countEdit->setAlignment(Qt::AlignRight);
    m_countEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    m_countEdit->setAcceptDrops(false); // dropped files go to the list
    m_countEdit->setFixedWidth(DialogUnits(font()).x(24));
    m_countEdit->installEventFilter(this);
    connect(m_countEdit, &QLineEdit::textEdited, this, &FileListDialog::countEdited);

    auto* okButton = new QPushButton(toQString(dialogText::ok), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(toQString(dialogText::cancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* upButton = new QPushButton(toQString(dialogText::moveUpButton), this);
    upButton->setObjectName(QStringLiteral("moveUpButton"));
    auto* downButton = new QPushButton(toQString(dialogText::moveDownButton), this);
    downButton->setObjectName(QStringLiteral("moveDownButton"));
    for (QPushButton* button : { upButton, downButton }) {
        button->setAutoDefault(false);
        button->setFixedWidth(DialogUnits(font()).x(20));
    }
    connect(okButton, &QPushButton::clicked, this, &FileListDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &FileListDialog::reject);
    connect(upButton, &QPushButton::clicked, this, &FileListDialog::moveUp);
    connect(downButton, &QPushButton::clicked, this, &FileListDialog::moveDown);

    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(upButton);
    moves->addWidget(downButton);
    moves->addStretch(1);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(moves);

    auto* separators = new QHBoxLayout;
    separators->addWidget(m_separatorRadios[0]);
    separators->addWidget(m_countEdit);
    separators->addWidget(new QLabel(toQString(dialogText::lineUnit), this));
    separators->addSpacing(DialogUnits(font()).x(8));
    separators->addWidget(m_separatorRadios[1]);
    separators->addSpacing(DialogUnits(font()).x(8));
    separators->addWidget(m_separatorRadios[2]);
    separators->addStretch(1);
    separators->addWidget(okButton);
    separators->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listRow, 1);
    layout->addLayout(separators);

    // The template's tab order: list, separators, OK, cancel, the move buttons.
    setTabOrder(m_list, m_separatorRadios[0]);
    setTabOrder(m_separatorRadios[0], m_countEdit);
    setTabOrder(m_countEdit, m_separatorRadios[1]);
    setTabOrder(m_separatorRadios[1], m_separatorRadios[2]);
    setTabOrder(m_separatorRadios[2], okButton);
    setTabOrder(okButton, cancelButton);
    setTabOrder(cancelButton, upButton);
    setTabOrder(upButton, downButton);
}

void FileListDialog::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    layout()->setMenuBar(bar);

    QMenu* fileMenu = bar->addMenu(toQString(dialogText::menuFile));
    addCommand(fileMenu, dialogText::addFiles, &FileListDialog::addFiles, Qt::Key_Insert)
        ->setObjectName(QStringLiteral("addFilesAction"));
    fileMenu->addSeparator();
    addCommand(fileMenu, dialogText::deleteFiles, &FileListDialog::deleteFiles, Qt::Key_Delete)
        ->setObjectName(QStringLiteral("deleteFilesAction"));
    addCommand(fileMenu, dialogText::clearList, &FileListDialog::clearList)
        ->setObjectName(QStringLiteral("clearListAction"));

    QMenu* editMenu = bar->addMenu(toQString(dialogText::menuEdit));
    addCommand(editMenu, dialogText::moveUp, &FileListDialog::moveUp, Qt::CTRL | Qt::Key_Up)
        ->setObjectName(QStringLiteral("moveUpAction"));
    addCommand(editMenu, dialogText::moveDown, &FileListDialog::moveDown, Qt::CTRL | Qt::Key_Down)
        ->setObjectName(QStringLiteral("moveDownAction"));
    editMenu->addSeparator();
    addCommand(editMenu, dialogText::chooseEncoding, &FileListDialog::chooseEncoding)
        ->setObjectName(QStringLiteral("chooseEncodingAction"));
    editMenu->addSeparator();
    addCommand(editMenu, dialogText::selectAll, &FileListDialog::selectAll, Qt::CTRL | Qt::Key_A)
        ->setObjectName(QStringLiteral("selectAllAction"));
    addCommand(editMenu, dialogText::invertSelection, &FileListDialog::invertSelection)
        ->setObjectName(QStringLiteral("invertSelectionAction"));
}

QAction* FileListDialog::addCommand(QMenu* menu, std::u16string_view text, void (FileListDialog::*command)(),
                                    const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(toQString(text));
    connect(action, &QAction::triggered, this, command);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action); // active with the menu bar hidden or taken over by the desktop, too
        m_accelerators.push_back(shortcut);
    }
    return action;
}

void FileListDialog::addRow(const std::filesystem::path& path, EncodingIndex encoding)
{
    auto* item = new QTreeWidgetItem;
    item->setText(NameColumn, displayPath(path.filename()));
    item->setText(PathColumn, displayPath(path));
    item->setData(PathColumn, pathRole, QByteArray::fromStdString(path.native()));
    int record;
    if (!m_freeRecords.empty()) {
        record = m_freeRecords.back();
        m_freeRecords.pop_back();
    } else {
        record = static_cast<int>(m_itemRecords.size());
        m_itemRecords.emplace_back();
    }
    item->setData(NameColumn, recordRole, record);
    m_list->addTopLevelItem(item);
    setRowEncoding(item, encoding);
}

void FileListDialog::setRowEncoding(QTreeWidgetItem* item, EncodingIndex encoding)
{
    recordOf(item).encodingIndex = encoding;
    item->setText(EncodingColumn, encodingName(encoding));
}

FileListDialog::ItemRecord& FileListDialog::recordOf(const QTreeWidgetItem* item)
{
    return m_itemRecords.at(static_cast<std::size_t>(item->data(NameColumn, recordRole).toInt()));
}

std::vector<bool> FileListDialog::selectedRows() const
{
    std::vector<bool> selected(static_cast<std::size_t>(m_list->topLevelItemCount()));
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        selected[static_cast<std::size_t>(row)] = m_list->topLevelItem(row)->isSelected();
    return selected;
}

void FileListDialog::addFiles()
{
    const QStringList names = FileDialog::getOpenFileNames(
        this, toQString(dialogText::openTitle),
        { { toQString(dialogText::textFilesFilter), toQString(dialogText::textFilesPatterns) },
          { toQString(kitText::allFilesFilter), toQString(kitText::allFilesPatterns) } });
    for (const QString& name : names)
        addRow(localPath(name), m_defaultEncoding);
}

void FileListDialog::deleteFiles()
{
    if (m_list->selectedItems().isEmpty())
        return;
    if (MessageBox::question(this, dialogText::confirmDelete, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    for (int row = 0; row < m_list->topLevelItemCount();) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (!item->isSelected()) {
            ++row;
            continue;
        }
        m_freeRecords.push_back(item->data(NameColumn, recordRole).toInt());
        delete m_list->takeTopLevelItem(row);
    }
}

void FileListDialog::clearList()
{
    if (MessageBox::question(this, dialogText::confirmClear, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    m_list->clear();
    m_itemRecords.clear();
    m_freeRecords.clear();
}

void FileListDialog::moveUp()
{
    const std::vector<bool> selected = selectedRows();
    if (std::find(selected.begin(), selected.end(), true) != selected.end())
        reorder(rowsMovedUp(selected));
}

void FileListDialog::moveDown()
{
    const std::vector<bool> selected = selectedRows();
    if (std::find(selected.begin(), selected.end(), true) != selected.end())
        reorder(rowsMovedDown(selected));
}

void FileListDialog::reorder(const std::vector<int>& order)
{
    // Taking the items out drops their selection: note it and put it back.
    const std::vector<bool> selected = selectedRows();
    QTreeWidgetItem* current = m_list->currentItem();
    std::vector<QTreeWidgetItem*> items;
    while (m_list->topLevelItemCount() > 0)
        items.push_back(m_list->takeTopLevelItem(0));
    for (const int position : order)
        m_list->addTopLevelItem(items[static_cast<std::size_t>(position)]);
    if (current)
        m_list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (std::size_t position = 0; position < items.size(); ++position)
        items[position]->setSelected(selected[position]);
}

void FileListDialog::chooseEncoding()
{
    const QList<QTreeWidgetItem*> selection = m_list->selectedItems();
    if (selection.isEmpty()) {
        MessageBox::show(this, QMessageBox::Warning, toQString(dialogText::programCaption),
                         toQString(dialogText::changeDefaultEncoding));
        SelectEncodingDialog dialog(m_defaultEncoding, this);
        if (dialog.exec() == QDialog::Accepted)
            m_defaultEncoding = dialog.encodingIndex();
        return;
    }
    // The first selected row in list order (selectedItems() follows the order of selecting).
    QTreeWidgetItem* first = nullptr;
    for (int row = 0; row < m_list->topLevelItemCount() && !first; ++row) {
        if (m_list->topLevelItem(row)->isSelected())
            first = m_list->topLevelItem(row);
    }
    SelectEncodingDialog dialog(recordOf(first).encodingIndex, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (QTreeWidgetItem* item : selection)
        setRowEncoding(item, dialog.encodingIndex());
}

void FileListDialog::selectAll()
{
    m_list->selectAll();
}

void FileListDialog::invertSelection()
{
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        item->setSelected(!item->isSelected());
    }
}

void FileListDialog::countEdited()
{
    m_separatorRadios[SeparatorMethod::BlankLines]->click();
    m_countEdit->setFocus();
}

void FileListDialog::accept()
{
    m_files.clear();
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_list->topLevelItem(row);
        m_files.push_back(FileEntry { pathOf(item), recordOf(item).encodingIndex });
    }
    bool isNumber = false;
    const int count = m_countEdit->text().toInt(&isNumber);
    m_settings.separatorLines = isNumber ? count : 0;
    for (std::size_t method = 0; method < m_separatorRadios.size(); ++method) {
        if (m_separatorRadios[method]->isChecked())
            m_settings.separatorMethod = static_cast<int>(method);
    }
    QDialog::accept();
}

bool FileListDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The accelerators come before the count edit's own keys: a line edit claims Delete and Ctrl+A for
    // itself unless its claim is refused here.
    if (watched == m_countEdit && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
        if (std::find(m_accelerators.begin(), m_accelerators.end(), pressed) != m_accelerators.end()) {
            event->ignore();
            return true;
        }
    }
    // Enter on a row is the encoding command, and must not go on to the default button.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_list->currentItem()) {
            chooseEncoding();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FileListDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void FileListDialog::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        const std::filesystem::path path = localPath(url.toLocalFile());
        std::error_code error;
        if (std::filesystem::is_directory(path, error))
            continue;
        addRow(path, m_defaultEncoding);
    }
    event->acceptProposedAction();
}

} // namespace vantolex
