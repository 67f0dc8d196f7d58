// Check boxes and radio buttons worked through their accessible interface react as to a click.
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "gui/kit/AccessibleButtons.h"

namespace vantolex {

class AccessibleButtonsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installClickingCheckButtons(); }
    void toggleClicksACheckBox();
    void toggleClicksACheckedRadioButtonAgain();
    void aDisabledButtonOffersNothing();
};

namespace {

QAccessibleInterface* accessibleOf(QWidget& widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    if (!accessible || !accessible->actionInterface())
        qFatal("no accessible actions");
    return accessible;
}

} // namespace

void AccessibleButtonsTest::toggleClicksACheckBox()
{
    QCheckBox box(QString::fromUtf16(u"余白を使用する(&S) && more"));
    QSignalSpy clicks(&box, &QAbstractButton::clicked);
    QAccessibleInterface* accessible = accessibleOf(box);
    QCOMPARE(accessible->role(), QAccessible::CheckBox);
    QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf16(u"余白を使用する(S) & more"));
    QCOMPARE(accessible->text(QAccessible::Accelerator), QStringLiteral("Alt+S"));

    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(clicks.size(), 1);
    QVERIFY(box.isChecked());
    QVERIFY(accessible->state().checked);
}

void AccessibleButtonsTest::toggleClicksACheckedRadioButtonAgain()
{
    QWidget group;
    QRadioButton file(QStringLiteral("File"), &group);
    QRadioButton clipboard(QStringLiteral("Clipboard"), &group);
    file.setChecked(true);
    QSignalSpy clicks(&file, &QAbstractButton::clicked);
    QAccessibleInterface* accessible = accessibleOf(file);
    QCOMPARE(accessible->role(), QAccessible::RadioButton);

    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(clicks.size(), 1); // as a mouse click on it: the reaction runs, the button stays checked
    QVERIFY(file.isChecked());
    QVERIFY(!clipboard.isChecked());
}

void AccessibleButtonsTest::aDisabledButtonOffersNothing()
{
    QCheckBox box(QStringLiteral("Box"));
    box.setEnabled(false);
    QSignalSpy clicks(&box, &QAbstractButton::clicked);
    QAccessibleInterface* accessible = accessibleOf(box);
    QVERIFY(!accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(clicks.size(), 0);
    QVERIFY(!box.isChecked());
}

} // namespace vantolex

QTEST_MAIN(vantolex::AccessibleButtonsTest)
#include "AccessibleButtonsTest.moc"
