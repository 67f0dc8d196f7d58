#include "gui/main/JobPrintDialog.h"

#include <QChildEvent>
#include <QComboBox>
#include <QRadioButton>

namespace vantolex {

namespace {

// Qt's names for the controls of the page ranges in its print dialog.
constexpr const char* allPagesName = "printAll";
constexpr const char* pageRangeControlNames[]
    = { "printRange", "from", "to", "pagesRadioButton", "pagesLineEdit", "printSelection", "printCurrentPage" };
// Its names for the printer's properties dialog and, there, the controls the program does not carry: the
// margins (the settings hold them) and the reversed orientations.
constexpr const char* propertiesDialogClass = "QPrintPropertiesDialog";
constexpr const char* uncarriedPropertyNames[]
    = { "topMargin", "bottomMargin", "leftMargin", "rightMargin", "unitCombo", "reverseLandscape", "reversePortrait" };

void disableNamed(QObject& root, const char* name)
{
    for (QWidget* widget : root.findChildren<QWidget*>(QLatin1String(name)))
        widget->setEnabled(false);
}

} // namespace

JobPrintDialog::JobPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent)
{
    setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies
               | QAbstractPrintDialog::PrintShowPageSize);
    // Choosing another printer enables the ranges again.
    if (auto* printers = findChild<QComboBox*>(QStringLiteral("printers")))
        connect(printers, &QComboBox::currentIndexChanged, this, &JobPrintDialog::disablePageRanges);
}

void JobPrintDialog::setVisible(bool visible)
{
    QPrintDialog::setVisible(visible); // enables the page ranges that the spooler could select
    if (visible)
        disablePageRanges();
}

bool JobPrintDialog::event(QEvent* event)
{
    // The properties dialog is made when first shown, and again for each printer chosen.
    if (event->type() == QEvent::ChildPolished) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child && child->inherits(propertiesDialogClass)) {
            for (const char* name : uncarriedPropertyNames)
                disableNamed(*child, name);
        }
    }
    return QPrintDialog::event(event);
}

void JobPrintDialog::disablePageRanges()
{
    if (auto* all = findChild<QRadioButton*>(QLatin1String(allPagesName)))
        all->setChecked(true);
    for (const char* name : pageRangeControlNames)
        disableNamed(*this, name);
}

} // namespace vantolex
