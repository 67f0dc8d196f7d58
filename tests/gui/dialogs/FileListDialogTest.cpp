// The file list dialog as a person uses it: its keys wherever the focus is, its questions, the encoding
// command, moving, dropping, and OK or cancel.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <memory>

#include "gui/dialogs/FileListDialog.h"
#include "gui/dialogs/SelectEncodingDialog.h"
#include "gui/kit/FileDialog.h"
#include "gui/kit/MessageBox.h"

namespace vantolex {

class FileListDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheCountBeforeTheSeparator();
    void acceleratorsActOnTheListWhileTheCountHasTheFocus();
    void deleteAndClearAskFirst();
    void enterOnARowChoosesItsEncodingWithoutClosing();
    void encodingWithoutSelectionChangesOnlyLaterFiles();
    void addedRowsReuseTheLastFreedRecords();
    void moveKeepsTheSelection();
    void cancelLeavesEverythingAsItWasAndOkWritesBack();
    void dropAddsFilesWithTheirFullPathsAndSkipsFolders();

private:
    void open(EncodingIndex defaultEncoding = 0);
    QStringList column(int column) const;
    QStringList selectedNames() const;
    void select(const QStringList& names);
    // Answers the next modal encoding dialog with `index` (OK) or cancels it (-1).
    void answerEncodingDialog(int index);

    std::vector<FileEntry> m_files;
    PrintSettings m_settings;
    std::unique_ptr<FileListDialog> m_dialog;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_count = nullptr;
};

void FileListDialogTest::initTestCase()
{
    MessageBox::setHeadless(true);
}

void FileListDialogTest::init()
{
    m_files = { { "/data/A.txt", 0 }, { "/data/B.txt", 3 }, { "/data/C.txt", 5 } };
    m_settings = PrintSettings();
    m_settings.separatorLines = 3;
    m_settings.separatorMethod = SeparatorMethod::PageBreak;
    MessageBox::takeRecords();
}

void FileListDialogTest::cleanup()
{
    m_dialog.reset();
}

void FileListDialogTest::open(EncodingIndex defaultEncoding)
{
    m_dialog = std::make_unique<FileListDialog>(m_files, m_settings, defaultEncoding);
    m_list = m_dialog->findChild<QTreeWidget*>(QStringLiteral("fileList"));
    m_count = m_dialog->findChild<QLineEdit*>(QStringLiteral("blankLineCountEdit"));
    QVERIFY(m_list && m_count);
    m_dialog->show();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

QStringList FileListDialogTest::column(int column) const
{
    QStringList texts;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        texts.append(m_list->topLevelItem(row)->text(column));
    return texts;
}

QStringList FileListDialogTest::selectedNames() const
{
    QStringList names;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        if (m_list->topLevelItem(row)->isSelected())
            names.append(m_list->topLevelItem(row)->text(0));
    }
    return names;
}

void FileListDialogTest::select(const QStringList& names)
{
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        m_list->topLevelItem(row)->setSelected(names.contains(m_list->topLevelItem(row)->text(0)));
}

void FileListDialogTest::answerEncodingDialog(int index)
{
    QTimer::singleShot(0, this, [index] {
        auto* dialog = qobject_cast<SelectEncodingDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("encodingCombo"));
        if (index < 0) {
            dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
            return;
        }
        combo->setCurrentIndex(index);
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
}

void FileListDialogTest::opensWithTheCountBeforeTheSeparator()
{
    open();
    QCOMPARE(column(0), QStringList({ "A.txt", "B.txt", "C.txt" }));
    QCOMPARE(column(1), QStringList({ "Shift JIS", "UTF-8", "EUC JP" }));
    QCOMPARE(column(2), QStringList({ "/data/A.txt", "/data/B.txt", "/data/C.txt" }));
    QCOMPARE(m_count->text(), QStringLiteral("3"));
    // Putting the count in would have chosen blank lines; the stored separator comes after it.
    QVERIFY(m_dialog->findChild<QRadioButton*>(QStringLiteral("pageBreakRadio"))->isChecked());
}

void FileListDialogTest::acceleratorsActOnTheListWhileTheCountHasTheFocus()
{
    open();
    m_count->setFocus();
    QVERIFY(m_count->hasFocus());
    m_count->setCursorPosition(0);

    select({ "A.txt", "C.txt" });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::keyClick(m_count, Qt::Key_Delete);
    QCOMPARE(column(0), QStringList({ "B.txt" }));
    QCOMPARE(m_count->text(), QStringLiteral("3"));

    FileDialog::setNextFileNames({ "/data/D.txt" });
    QTest::keyClick(m_count, Qt::Key_Insert);
    QCOMPARE(column(0), QStringList({ "B.txt", "D.txt" }));

    QTest::keyClick(m_count, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(selectedNames(), QStringList({ "B.txt", "D.txt" }));
    QVERIFY(!m_count->hasSelectedText());

    select({ "D.txt" });
    QTest::keyClick(m_count, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(column(0), QStringList({ "D.txt", "B.txt" }));
    QTest::keyClick(m_count, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(column(0), QStringList({ "B.txt", "D.txt" }));
    QVERIFY(m_count->hasFocus());

    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].icon, QMessageBox::Question);
    QCOMPARE(boxes[0].caption, QStringLiteral("確認 [Vantolex]"));
    QCOMPARE(boxes[0].text, QStringLiteral("選択されているファイルをリストから削除します。"));
    QCOMPARE(boxes[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(boxes[0].owner, m_dialog.get());
}

void FileListDialogTest::deleteAndClearAskFirst()
{
    open();
    auto* deleteFiles = m_dialog->findChild<QAction*>(QStringLiteral("deleteFilesAction"));
    auto* clearList = m_dialog->findChild<QAction*>(QStringLiteral("clearListAction"));

    deleteFiles->trigger(); // nothing selected: no question
    QVERIFY(MessageBox::takeRecords().isEmpty());

    select({ "B.txt" });
    MessageBox::setNextAnswer(QMessageBox::Cancel);
    deleteFiles->trigger();
    QCOMPARE(column(0), QStringList({ "A.txt", "B.txt", "C.txt" }));

    MessageBox::setNextAnswer(QMessageBox::Cancel);
    clearList->trigger();
    QCOMPARE(m_list->topLevelItemCount(), 3);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    clearList->trigger();
    QCOMPARE(m_list->topLevelItemCount(), 0);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    clearList->trigger(); // an empty list still asks

    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 4);
    for (int i = 1; i < 4; ++i) {
        QCOMPARE(boxes[i].text, QStringLiteral("ファイルリストをクリアします。"));
        QCOMPARE(boxes[i].caption, QStringLiteral("確認 [Vantolex]"));
        QCOMPARE(boxes[i].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    }
}

void FileListDialogTest::enterOnARowChoosesItsEncodingWithoutClosing()
{
    open();
    select({ "A.txt", "C.txt" });
    m_list->setFocus();
    m_list->setCurrentItem(m_list->topLevelItem(2), 0, QItemSelectionModel::NoUpdate);

    answerEncodingDialog(4);
    QTest::keyClick(m_list, Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), 0);
    QCOMPARE(column(1), QStringList({ "ISO-2022 JP", "UTF-8", "ISO-2022 JP" }));

    answerEncodingDialog(-1);
    QTest::keyClick(m_list, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(column(1), QStringList({ "ISO-2022 JP", "UTF-8", "ISO-2022 JP" }));
    QVERIFY(MessageBox::takeRecords().isEmpty());
}

void FileListDialogTest::encodingWithoutSelectionChangesOnlyLaterFiles()
{
    open(1);
    answerEncodingDialog(5);
    m_dialog->findChild<QAction*>(QStringLiteral("chooseEncodingAction"))->trigger();

    QCOMPARE(m_dialog->defaultEncoding(), 5);
    QCOMPARE(column(1), QStringList({ "Shift JIS", "UTF-8", "EUC JP" }));
    FileDialog::setNextFileNames({ "/data/D.txt" });
    m_dialog->findChild<QAction*>(QStringLiteral("addFilesAction"))->trigger();
    QCOMPARE(column(1).last(), QStringLiteral("EUC JP"));

    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].caption, QStringLiteral("Vantolex"));
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes[0].text, QStringLiteral("デフォルトの文字コードを変更します。"));
    QCOMPARE(boxes[0].buttons, QMessageBox::Ok);

    const FileDialog::Request& request = FileDialog::lastRequest();
    QCOMPARE(request.caption, QStringLiteral("ファイル選択 [Vantolex]"));
    QCOMPARE(request.filters.size(), std::size_t(2));
    QCOMPARE(request.filters[0].text, QStringLiteral("テキストファイル(*.txt)"));
    QCOMPARE(request.filters[1].text, QStringLiteral("全てのファイル(*.*)"));
    QCOMPARE(request.filters[1].patterns, QStringLiteral("*"));
}

void FileListDialogTest::addedRowsReuseTheLastFreedRecords()
{
    open();
    auto record = [&](int row) { return m_list->topLevelItem(row)->data(0, Qt::UserRole).toInt(); };
    select({ "B.txt", "C.txt" });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    m_dialog->findChild<QAction*>(QStringLiteral("deleteFilesAction"))->trigger();

    FileDialog::setNextFileNames({ "/data/D.txt", "/data/E.txt", "/data/F.txt" });
    m_dialog->findChild<QAction*>(QStringLiteral("addFilesAction"))->trigger();
    QCOMPARE(column(0), QStringList({ "A.txt", "D.txt", "E.txt", "F.txt" }));
    // C's record (freed last) first, then B's, then a new one; each with the encoding set anew.
    QCOMPARE(QList<int>({ record(0), record(1), record(2), record(3) }), QList<int>({ 0, 2, 1, 3 }));

    m_dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    QCOMPARE(m_files.size(), std::size_t(4));
    for (const FileEntry& entry : m_files)
        QCOMPARE(entry.encodingIndex, 0);
    QCOMPARE(m_files[1].path, std::filesystem::path("/data/D.txt"));
}

void FileListDialogTest::moveKeepsTheSelection()
{
    m_files.push_back({ "/data/D.txt", 0 });
    m_files.push_back({ "/data/E.txt", 0 });
    open();
    select({ "B.txt", "D.txt" });
    m_dialog->findChild<QPushButton*>(QStringLiteral("moveUpButton"))->click();
    QCOMPARE(column(0), QStringList({ "B.txt", "D.txt", "A.txt", "C.txt", "E.txt" }));
    QCOMPARE(selectedNames(), QStringList({ "B.txt", "D.txt" }));
    m_dialog->findChild<QPushButton*>(QStringLiteral("moveDownButton"))->click();
    QCOMPARE(column(0), QStringList({ "A.txt", "B.txt", "D.txt", "C.txt", "E.txt" }));
    QCOMPARE(selectedNames(), QStringList({ "B.txt", "D.txt" }));
    QCOMPARE(column(1), QStringList({ "Shift JIS", "UTF-8", "Shift JIS", "EUC JP", "Shift JIS" }));
}

void FileListDialogTest::cancelLeavesEverythingAsItWasAndOkWritesBack()
{
    const std::vector<FileEntry> before = m_files;
    open();
    select({ "A.txt" });
    MessageBox::setNextAnswer(QMessageBox::Ok);
    m_dialog->findChild<QAction*>(QStringLiteral("deleteFilesAction"))->trigger();
    m_dialog->findChild<QAction*>(QStringLiteral("selectAllAction"))->trigger();
    m_dialog->findChild<QPushButton*>(QStringLiteral("moveDownButton"))->click();
    m_count->setFocus();
    m_count->selectAll();
    QTest::keyClicks(m_count, "12");
    // Typing a count chooses blank lines.
    QVERIFY(m_dialog->findChild<QRadioButton*>(QStringLiteral("blankLinesRadio"))->isChecked());
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_files.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        QCOMPARE(m_files[i].path, before[i].path);
        QCOMPARE(m_files[i].encodingIndex, before[i].encodingIndex);
    }
    QCOMPARE(m_settings.separatorLines, 3);
    QCOMPARE(m_settings.separatorMethod, int(SeparatorMethod::PageBreak));

    open();
    m_dialog->findChild<QRadioButton*>(QStringLiteral("columnBreakRadio"))->click();
    m_count->setText(QStringLiteral("99999999999")); // beyond int: read as 0
    m_dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_settings.separatorLines, 0);
    QCOMPARE(m_settings.separatorMethod, int(SeparatorMethod::ColumnBreak));
}

void FileListDialogTest::dropAddsFilesWithTheirFullPathsAndSkipsFolders()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    // A path far beyond 259 characters.
    QString folder = root.path();
    for (int i = 0; i < 6; ++i)
        folder += QStringLiteral("/長いフォルダの名前_%1_abcdefghijklmnopqrstuvwxyz").arg(i);
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/メモ.txt");
    QFile created(file);
    QVERIFY(created.open(QIODevice::WriteOnly));
    created.close();
    QVERIFY(file.size() > 259);

    m_files.clear();
    open(2);
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(folder), QUrl::fromLocalFile(file) });
    const QPoint over = m_list->viewport()->rect().center();
    QDragEnterEvent enter(over, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_list->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(over), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_list->viewport(), &drop);

    QCOMPARE(column(0), QStringList({ "メモ.txt" }));
    QCOMPARE(column(2), QStringList({ file }));
    QCOMPARE(column(1), QStringList({ "Unicode (big endian)" }));
    m_dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    QCOMPARE(m_files.size(), std::size_t(1));
    QCOMPARE(m_files[0].path, std::filesystem::path(QFile::encodeName(file).toStdString()));
}

} // namespace vantolex

QTEST_MAIN(vantolex::FileListDialogTest)
#include "FileListDialogTest.moc"
