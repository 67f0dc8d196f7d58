// The process-wide QPrinter of the print dialog kept in step with the chosen printer.
//
// The print dialog works on a QPrinter; the rest of the program on a PrinterSelection (a spooler destination
// and its job options). These carry a choice from one to the other.
#pragma once

#include "spool/PrinterSelection.h"

class QPrinter;

namespace vantolex {

// The printer the dialog chose, with the options it set: "copies"; "multiple-document-handling" (collated
// or not, with more than one copy); "sides" from the duplex mode; "media" as the spooler names the paper
// (the Japanese B sizes as JIS B); "print-color-mode" monochrome for grey scale; landscape from the
// orientation; "outputorder" reverse for the last page first; and, printing on a printer, every job option the
// dialog's other controls chose ("page-set", "number-up", "number-up-layout", "job-sheets", "job-priority",
// "job-hold-until", "job-billing", the printer's own options), as the dialog named them.
PrinterSelection selectionFromPrinter(const QPrinter& printer);

// Puts `selection` on `printer`: its destination, and the paper (as one of the printer's own sizes where it
// offers it), orientation, copies, collation and duplex mode its options name. Options not named keep the printer's
// current value.
void showSelectionOnPrinter(const PrinterSelection& selection, QPrinter& printer);

} // namespace vantolex
