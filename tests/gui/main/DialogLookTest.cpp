// How the dialogs look and read out: the selected tab marked, every check and radio button named by its own
// caption, the end edits of the 印刷範囲 page apart, a margin box that says why it refused a number, and the
// read-only name of the duplicate-name dialog shown as read-only.
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "gui/dialogs/ConfirmNameDialog.h"
#include "gui/kit/AccessibleButtons.h"
#include "gui/kit/QtText.h"
#include "gui/main/MainDialog.h"
#include "gui/main/PageSetupDialog.h"
#include "gui/main/PrinterDialogs.h"

namespace vantolex {

namespace {

class NoPrinter final : public PrinterDialogs
{
public:
    std::unique_ptr<Device> runPrintDialog(QWidget*) override { return nullptr; }
    bool runPageSetup(QWidget*, PageSetupMargins&) override { return false; }
    std::unique_ptr<Device> printerDevice() override { return nullptr; }
};

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Every check and radio button of `root` is read out by its caption, or by the label that stands for it.
void expectButtonsNamedByTheirCaptions(QWidget& root, int expectedUncaptioned)
{
    QStringList groupTitles;
    for (QGroupBox* group : root.findChildren<QGroupBox*>())
        groupTitles << group->title();
    int uncaptioned = 0;
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QRadioButton*>(button) && !button->inherits("QCheckBox"))
            continue;
        const QString name = accessibleName(button);
        QVERIFY2(!name.isEmpty(), qPrintable(button->objectName()));
        QVERIFY2(!groupTitles.contains(name), qPrintable(button->objectName() + QStringLiteral(": ") + name));
        if (button->text().isEmpty())
            ++uncaptioned;
        else
            QCOMPARE(name, withoutMnemonic(button->text()));
    }
    QCOMPARE(uncaptioned, expectedUncaptioned);
}

} // namespace

class DialogLookTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installClickingCheckButtons(); }
    void init();
    void cleanup() { m_dialog.reset(); }
    void theSelectedTabIsMarked();
    void mainDialogButtonsReadTheirOwnCaptions();
    void pageSetupOrientationReadsItsOwnCaptions();
    void theEndEditsStandApart();
    void aMarginBoxSaysWhyItRefusedANumber();
    void theDuplicateNameIsShownReadOnly();

private:
    QTemporaryDir m_folder;
    NoPrinter m_printers;
    std::unique_ptr<MainDialog> m_dialog;
};

void DialogLookTest::init()
{
    m_dialog = std::make_unique<MainDialog>(m_printers, systemClock(),
                                            m_folder.filePath(QStringLiteral("VANTOLEX.DAT")).toStdString());
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void DialogLookTest::theSelectedTabIsMarked()
{
    auto* tabs = m_dialog->findChild<QTabWidget*>(QStringLiteral("tabs"));
    QTabBar* bar = tabs->tabBar();
    const QRect first = bar->tabRect(0);
    tabs->setCurrentIndex(0);
    const QImage selected = bar->grab(first).toImage();
    tabs->setCurrentIndex(1);
    const QImage other = bar->grab(first).toImage();
    QVERIFY(selected != other);
}

void DialogLookTest::mainDialogButtonsReadTheirOwnCaptions()
{
    // Uncaptioned: the 印刷範囲 page's 行目から and its three end radios, the テキスト page's 文字/行 and 行/段.
    expectButtonsNamedByTheirCaptions(*m_dialog, 6);
    QCOMPARE(accessibleName(m_dialog->findChild<QRadioButton*>(QStringLiteral("fromLineRadio"))),
             QString::fromUtf16(u"行目から(2)"));
    QCOMPARE(accessibleName(m_dialog->findChild<QRadioButton*>(QStringLiteral("endRadio1"))),
             QString::fromUtf16(u"行(4)"));
    QCOMPARE(accessibleName(m_dialog->findChild<QRadioButton*>(QStringLiteral("charsPerLineRadio"))),
             QString::fromUtf16(u"文字/行(C)"));
    QCOMPARE(accessibleName(m_dialog->findChild<QRadioButton*>(QStringLiteral("fromBeginningRadio"))),
             QString::fromUtf16(u"最初から(1)"));
}

void DialogLookTest::pageSetupOrientationReadsItsOwnCaptions()
{
    PageSetupSpooler spooler;
    spooler.mediaList = [](const PrinterSelection&) {
        return std::vector<PrinterMedia> { { "iso_a4_210x297mm", "A4", 21000, 29700 } };
    };
    spooler.defaultMedia = [](const PrinterSelection&) { return std::optional<std::string>("iso_a4_210x297mm"); };
    PageSetupDialog dialog({ { "home", "", {} } }, std::nullopt, PageSetupMargins {}, spooler);
    expectButtonsNamedByTheirCaptions(dialog, 0);
}

void DialogLookTest::theEndEditsStandApart()
{
    QLineEdit* previous = nullptr;
    for (const char* name : { "endEdit1", "endEdit2", "endEdit3" }) {
        auto* edit = m_dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        QVERIFY(edit);
        if (previous)
            QVERIFY2(edit->geometry().top() > previous->geometry().bottom() + 1, name);
        previous = edit;
    }
}

void DialogLookTest::aMarginBoxSaysWhyItRefusedANumber()
{
    auto* tabs = m_dialog->findChild<QTabWidget*>(QStringLiteral("tabs"));
    auto* spin = m_dialog->findChild<QSpinBox*>(QStringLiteral("marginTopSpin"));
    tabs->setCurrentWidget(spin->parentWidget());
    spin->setEnabled(true);
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("6"));
    QVERIFY(!QToolTip::isVisible());
    QTest::keyClicks(spin, QStringLiteral("0"));
    QCOMPARE(spin->value(), 6); // the box's own limit, as ever
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString::fromUtf16(u"0～50 の数値を入力してください。"));
}

void DialogLookTest::theDuplicateNameIsShownReadOnly()
{
    ConfirmNameDialog dialog(u"既存");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    QVERIFY(edit->isReadOnly());
    QVERIFY(!edit->hasFocus());
    QVERIFY(!(edit->focusPolicy() & Qt::TabFocus));
    QCOMPARE(edit->palette().color(QPalette::Base), edit->palette().color(QPalette::Window));
}

} // namespace vantolex

QTEST_MAIN(vantolex::DialogLookTest)
#include "DialogLookTest.moc"
