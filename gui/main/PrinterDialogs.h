// The printer of the whole process as the main dialog uses it: the print dialog, the page-setup dialog and
// the device of the chosen printer. The program's implementation is ApplicationPrinterDialogs; widget tests
// give their own.
#pragma once

#include <memory>

#include "layout/Device.h"
#include "settings/PageSetupExchange.h"

class QWidget;

namespace vantolex {

class PrinterDialogs
{
public:
    virtual ~PrinterDialogs() = default;

    // The print dialog, opened on the chosen printer. Confirmed: the device to print on (the chosen
    // printer, which the dialog's choice has become, or a PDF file); declined: null. Raises Warning when the
    // dialog was confirmed but nothing can be printed on its choice.
    virtual std::unique_ptr<Device> runPrintDialog(QWidget* owner) = 0;

    // The page-setup dialog, opened on the chosen printer and `margins`. Confirmed: the dialog's printer
    // becomes the chosen printer, `margins` holds the dialog's margins, and the result is true.
    virtual bool runPageSetup(QWidget* owner, PageSetupMargins& margins) = 0;

    // A device for the chosen printer without any dialog; without a choice the default printer becomes the
    // chosen one. Null when there is no printer or it cannot be used.
    virtual std::unique_ptr<Device> printerDevice() = 0;
};

} // namespace vantolex
