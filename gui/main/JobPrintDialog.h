// Qt's print dialog as the program offers it: every control it shows reaches the job, so the controls whose
// choice the program cannot carry are disabled. Page numbers do not exist before the layout has run, so the
// page ranges are off; the margins and the reversed orientations of the printer's properties are the
// program's own settings' business.
#pragma once

#include <QPrintDialog>

namespace vantolex {

class JobPrintDialog : public QPrintDialog
{
    Q_OBJECT

public:
    JobPrintDialog(QPrinter* printer, QWidget* parent);

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;

private:
    void disablePageRanges();
};

} // namespace vantolex
