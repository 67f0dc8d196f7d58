// The ヘッダ/フッタ page: blank templates stored empty, the edits and the switch follow the check box, and the
// note shows each code with one "&".
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "gui/pages/TabHeader.h"
#include "settings/PrintSettings.h"

namespace vantolex {

class TabHeaderTest : public QObject
{
    Q_OBJECT

private slots:
    void blankTemplatesAreStoredEmpty();
    void theCheckBoxEnablesTheEditsAndAnnouncesItself();
    void theNoteShowsOneAmpersandPerCode();
    void aCharacterTheSettingsFileCannotHoldIsNotTaken();
};

void TabHeaderTest::blankTemplatesAreStoredEmpty()
{
    TabHeader page;
    page.initControls();
    PrintSettings settings;
    settings.headerLeft = u" \t　";
    settings.headerCenter = u" &p ";
    page.loadFrom(settings);
    PrintSettings stored;
    stored.headerLeft = u"x";
    page.storeTo(stored);
    QVERIFY(stored.headerLeft.empty());
    QVERIFY(stored.headerCenter == u" &p ");
}

void TabHeaderTest::theCheckBoxEnablesTheEditsAndAnnouncesItself()
{
    TabHeader page;
    page.initControls();
    QSignalSpy switched(&page, &TabHeader::headerFooterSwitched);
    auto* edit = page.findChild<QLineEdit*>(QStringLiteral("templateEdit4"));
    QVERIFY(!edit->isEnabled());
    PrintSettings settings;
    settings.useHeaderFooter = true;
    page.loadFrom(settings); // clicks the box
    QVERIFY(edit->isEnabled());
    page.loadFrom(settings); // already in that state: no click
    page.findChild<QCheckBox*>(QStringLiteral("useHeaderFooterCheck"))->click();
    QVERIFY(!edit->isEnabled());
    QCOMPARE(switched.size(), 2);
    QCOMPARE(switched[0][0].toInt(), 1);
    QCOMPARE(switched[1][0].toInt(), 0);
}

void TabHeaderTest::theNoteShowsOneAmpersandPerCode()
{
    TabHeader page;
    auto* note = page.findChild<QLabel*>(QStringLiteral("templateCodesLabel"));
    QVERIFY(!note->buddy());
    QVERIFY(note->text().contains(QStringLiteral("&w")));
    QVERIFY(note->text().contains(QStringLiteral("&P")));
    QVERIFY(!note->text().contains(QStringLiteral("&&")));
}

void TabHeaderTest::aCharacterTheSettingsFileCannotHoldIsNotTaken()
{
    TabHeader page;
    page.initControls();
    auto* edit = page.findChild<QLineEdit*>(QStringLiteral("templateEdit5"));
    edit->setEnabled(true);
    edit->insert(QString::fromUtf16(u"右端 &p"));
    edit->insert(QString::fromUtf16(u"😀")); // as a paste or an input method would
    edit->insert(QString::fromUtf16(u"한")); // Hangul: outside code page 932 as well
    QCOMPARE(edit->text(), QString::fromUtf16(u"右端 &p"));
}

} // namespace vantolex

QTEST_MAIN(vantolex::TabHeaderTest)
#include "TabHeaderTest.moc"
