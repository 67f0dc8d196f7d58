// The preset editor: what it shows on opening, the add flow with its refusals and the duplicate-name
// choice, deleting, and its results.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include "gui/dialogs/ConfirmNameDialog.h"
#include "gui/dialogs/EditPresetDialog.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/QtText.h"
#include "settings/SettingsRows.h"
#include "settings/SettingsStore.h"
#include "settings/TemporaryDirectory.h"

namespace vantolex {

class EditPresetDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnTheCurrentSettingsWithNoPresetChosen();
    void addRefusesWithItsMessages_data();
    void addRefusesWithItsMessages();
    void addTrimsTheNameAndStoresNoFaceDescription();
    void takenNameAsksToAddUpdateOrCancel_data();
    void takenNameAsksToAddUpdateOrCancel();
    void aChosenPresetIsShownAndCopied();
    void deleteAsksAndShowsTheCurrentSettingsAgain();
    void enterDoesNothingAndClosingUnchangedGivesTwo();

private:
    QStringList shownRows() const;
    QStringList comboNames() const;
    void add(const QString& name);
    void chooseInDeleteList(int index);
    int close();

    test::TemporaryDirectory m_folder;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<EditPresetDialog> m_dialog;
    QTreeWidget* m_rows = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_deleteList = nullptr;
};

namespace {

QStringList rowsOf(const PrintSettings& settings)
{
    QStringList rows;
    for (const SettingsRow& row : settingsRows(settings))
        rows.append(toQString(row.label) + QLatin1Char('|') + toQString(row.value));
    return rows;
}

// Clicks `button` of the next duplicate-name dialog; `shownName` receives the name it shows.
void answerDuplicateName(const QString& button, QString* shownName)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<ConfirmNameDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        *shownName = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text();
        dialog->findChild<QPushButton*>(button)->click();
    });
}

} // namespace

void EditPresetDialogTest::initTestCase()
{
    MessageBox::setHeadless(true);
}

void EditPresetDialogTest::init()
{
    // A store without a settings file: the defaults and the preset "初期値".
    m_store = std::make_unique<SettingsStore>(m_folder.path() / "VANTOLEX.DAT", SettingsAccess::ReadOnly);
    PrintSettings wide = m_store->currentSettings;
    wide.charsPerLine = 120;
    m_store->addPreset(u"横長", wide);
    m_store->currentSettings.columns = 3;
    m_store->currentSettings.fontDescriptor = FontDescription { u"IPA明朝", u"日本語" };

    m_dialog = std::make_unique<EditPresetDialog>(*m_store);
    m_rows = m_dialog->findChild<QTreeWidget*>(QStringLiteral("settingsList"));
    m_name = m_dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    m_deleteList = m_dialog->findChild<QComboBox*>(QStringLiteral("deleteCombo"));
    QVERIFY(m_rows && m_name && m_deleteList);
    m_dialog->show();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    MessageBox::takeRecords();
}

void EditPresetDialogTest::cleanup()
{
    m_dialog.reset();
    m_store.reset();
}

QStringList EditPresetDialogTest::shownRows() const
{
    QStringList rows;
    for (int row = 0; row < m_rows->topLevelItemCount(); ++row)
        rows.append(m_rows->topLevelItem(row)->text(0) + QLatin1Char('|') + m_rows->topLevelItem(row)->text(1));
    return rows;
}

QStringList EditPresetDialogTest::comboNames() const
{
    QStringList names;
    for (int i = 0; i < m_deleteList->count(); ++i)
        names.append(m_deleteList->itemText(i));
    return names;
}

void EditPresetDialogTest::add(const QString& name)
{
    m_name->setText(name);
    m_dialog->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
}

// As the user does: the list's keys select an item and report it.
void EditPresetDialogTest::chooseInDeleteList(int index)
{
    m_deleteList->setFocus();
    while (m_deleteList->currentIndex() < index)
        QTest::keyClick(m_deleteList, Qt::Key_Down);
    QCOMPARE(m_deleteList->currentIndex(), index);
}

int EditPresetDialogTest::close()
{
    m_dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    return m_dialog->result();
}

void EditPresetDialogTest::opensOnTheCurrentSettingsWithNoPresetChosen()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("登録済み設定編集"));
    QCOMPARE(shownRows(), rowsOf(m_store->currentSettings));
    QCOMPARE(comboNames(), QStringList({ "初期値", "横長" }));
    QCOMPARE(m_deleteList->currentIndex(), -1);
}

void EditPresetDialogTest::addRefusesWithItsMessages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("charsPerLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << QString() << 96 << QStringLiteral("登録名が入力されていません。");
    QTest::newRow("wide blanks only") << QStringLiteral("　 \t") << 96
                                      << QStringLiteral("登録名が入力されていません。");
    QTest::newRow("outside code page 932")
        << QStringLiteral("한국어") << 96 << QStringLiteral("登録名に使用できない文字が含まれています。");
    QTest::newRow("line break") << QStringLiteral("上\n下") << 96
                                << QStringLiteral("登録名に使用できない文字が含まれています。");
    QTest::newRow("invalid settings") << QStringLiteral("新規") << 0
                                      << QStringLiteral("設定値が正しくありません。\n\n文字数（1～999）");
}

void EditPresetDialogTest::addRefusesWithItsMessages()
{
    QFETCH(QString, name);
    QFETCH(int, charsPerLine);
    QFETCH(QString, message);
    m_store->currentSettings.charsPerLine = charsPerLine;
    m_dialog = std::make_unique<EditPresetDialog>(*m_store);
    m_name = m_dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));

    add(name);

    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes[0].caption, QStringLiteral("警告 [Vantolex]"));
    QCOMPARE(boxes[0].text, message);
    QCOMPARE(boxes[0].owner, m_dialog.get());
    QCOMPARE(m_store->presets().size(), std::size_t(2));
    QCOMPARE(m_name->text(), name);
    QCOMPARE(close(), int(EditPresetDialog::Unchanged));
}

void EditPresetDialogTest::addTrimsTheNameAndStoresNoFaceDescription()
{
    add(QStringLiteral("　三段 "));
    QCOMPARE(m_store->presets().size(), std::size_t(3));
    QVERIFY(m_store->presets()[2].name == u"三段");
    QCOMPARE(m_store->presets()[2].settings.columns, 3);
    QVERIFY(!m_store->presets()[2].settings.fontDescriptor);
    QVERIFY(m_name->text().isEmpty());
    QCOMPARE(comboNames(), QStringList({ "初期値", "横長", "三段" }));
    QCOMPARE(m_deleteList->currentIndex(), -1);
    QCOMPARE(shownRows(), rowsOf(m_store->currentSettings));
    QVERIFY(MessageBox::takeRecords().isEmpty());
    QCOMPARE(close(), int(EditPresetDialog::Modified));
}

void EditPresetDialogTest::takenNameAsksToAddUpdateOrCancel_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("columns"); // of each preset afterwards
    QTest::addColumn<QString>("nameLeft");
    QTest::addColumn<int>("result");
    QTest::newRow("add") << "addButton" << QStringList({ "初期値", "横長", "初期値" }) << QList<int>({ 2, 2, 3 })
                         << QString() << int(EditPresetDialog::Modified);
    QTest::newRow("update") << "updateButton" << QStringList({ "初期値", "横長" }) << QList<int>({ 3, 2 }) << QString()
                            << int(EditPresetDialog::Modified);
    QTest::newRow("cancel") << "cancelButton" << QStringList({ "初期値", "横長" }) << QList<int>({ 2, 2 })
                            << QStringLiteral(" 初期値") << int(EditPresetDialog::Unchanged);
}

void EditPresetDialogTest::takenNameAsksToAddUpdateOrCancel()
{
    QFETCH(QString, button);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, columns);
    QFETCH(QString, nameLeft);
    QFETCH(int, result);

    QString shownName;
    answerDuplicateName(button, &shownName);
    add(QStringLiteral(" 初期値"));

    QCOMPARE(shownName, QStringLiteral("初期値"));
    QStringList storedNames;
    QList<int> storedColumns;
    for (const Preset& preset : m_store->presets()) {
        storedNames.append(toQString(preset.name));
        storedColumns.append(preset.settings.columns);
    }
    QCOMPARE(storedNames, names);
    QCOMPARE(storedColumns, columns);
    QCOMPARE(m_name->text(), nameLeft);
    QVERIFY(MessageBox::takeRecords().isEmpty());
    QCOMPARE(close(), result);
}

void EditPresetDialogTest::aChosenPresetIsShownAndCopied()
{
    chooseInDeleteList(1);
    QCOMPARE(shownRows(), rowsOf(m_store->presets()[1].settings));
    add(QStringLiteral("横長の写し"));
    QCOMPARE(m_store->presets().size(), std::size_t(3));
    QCOMPARE(m_store->presets()[2].settings.charsPerLine, 120);
    QCOMPARE(m_store->presets()[2].settings.columns, 2);
    // The list keeps showing the copied settings.
    QCOMPARE(shownRows(), rowsOf(m_store->presets()[1].settings));
}

void EditPresetDialogTest::deleteAsksAndShowsTheCurrentSettingsAgain()
{
    auto* deleteButton = m_dialog->findChild<QPushButton*>(QStringLiteral("deleteButton"));
    deleteButton->click();
    chooseInDeleteList(1);
    MessageBox::setNextAnswer(QMessageBox::No);
    deleteButton->click();
    QCOMPARE(m_store->presets().size(), std::size_t(2));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    deleteButton->click();

    QCOMPARE(m_store->presets().size(), std::size_t(1));
    QCOMPARE(comboNames(), QStringList({ "初期値" }));
    QCOMPARE(m_deleteList->currentIndex(), -1);
    QCOMPARE(shownRows(), rowsOf(m_store->currentSettings));
    const QList<MessageBox::Record> boxes = MessageBox::takeRecords();
    QCOMPARE(boxes.size(), 3);
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes[0].text, QStringLiteral("削除する設定が選択されていません。"));
    QCOMPARE(boxes[1].icon, QMessageBox::Question);
    QCOMPARE(boxes[1].caption, QStringLiteral("確認 [Vantolex]"));
    QCOMPARE(boxes[1].text, QStringLiteral("削除しても良いですか？"));
    QCOMPARE(boxes[1].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(close(), int(EditPresetDialog::Modified));
}

void EditPresetDialogTest::enterDoesNothingAndClosingUnchangedGivesTwo()
{
    m_name->setText(QStringLiteral("新規"));
    for (QWidget* target : { static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_deleteList),
                             static_cast<QWidget*>(m_dialog->findChild<QPushButton*>(QStringLiteral("addButton"))) }) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
    }
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_store->presets().size(), std::size_t(2));
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(EditPresetDialog::Unchanged));
}

} // namespace vantolex

QTEST_MAIN(vantolex::EditPresetDialogTest)
#include "EditPresetDialogTest.moc"
