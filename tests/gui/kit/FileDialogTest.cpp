// The file-open dialog as a person sees it: the file-type list shows the texts as given, and "every file"
// lists names without a dot.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "gui/kit/FileDialog.h"

namespace vantolex {

class FileDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFileEntryListsNamesWithoutADot();
};

void FileDialogTest::everyFileEntryListsNamesWithoutADot()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const char* name : { "README", "memo.txt", "MEMO2.TXT" }) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    QStringList shownFilters;
    QStringList listedEveryFile;
    QStringList listedText;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setDirectory(folder.path());
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        for (int i = 0; i < types->count(); ++i)
            shownFilters.append(types->itemText(i));
        auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(list);
        auto listed = [&] {
            const auto rows = [&] { return list->model()->rowCount(list->rootIndex()); };
            (void)QTest::qWaitFor([&] { return rows() > 0; });
            QStringList names;
            for (int row = 0; row < rows(); ++row)
                names.append(list->model()->index(row, 0, list->rootIndex()).data().toString());
            names.sort();
            return names;
        };
        listedText = listed();
        dialog->selectNameFilter(dialog->nameFilters().at(1));
        // The list follows the filter once the view has refreshed: wait for the name without a dot to appear.
        (void)QTest::qWaitFor([&] { return listed().contains(QStringLiteral("README")); });
        listedEveryFile = listed();
        dialog->reject();
    });
    const QStringList chosen
        = FileDialog::getOpenFileNames(nullptr, QStringLiteral("ファイル選択 [Vantolex]"),
                                       { { QStringLiteral("テキストファイル(*.txt)"), QStringLiteral("*.TXT") },
                                         { QStringLiteral("全てのファイル(*.*)"), QStringLiteral("*") } });

    QVERIFY(chosen.isEmpty());
    QCOMPARE(shownFilters,
             QStringList({ QStringLiteral("テキストファイル(*.txt)"), QStringLiteral("全てのファイル(*.*)") }));
    QCOMPARE(listedText, QStringList({ QStringLiteral("MEMO2.TXT"), QStringLiteral("memo.txt") }));
    QCOMPARE(listedEveryFile,
             QStringList({ QStringLiteral("MEMO2.TXT"), QStringLiteral("README"), QStringLiteral("memo.txt") }));
}

} // namespace vantolex

QTEST_MAIN(vantolex::FileDialogTest)
#include "FileDialogTest.moc"
