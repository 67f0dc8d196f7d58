// What the spooler tells about its destinations: which is the default, and the page each one prints.
#pragma once

#include <optional>
#include <string>

#include "layout/device/Device.h"
#include "layout/device/PrinterSelection.h"

namespace vantolex {

// The sheet of a printer and the part of it that the printer can print on.
struct PrinterPage
{
    DeviceCaps caps; // the printable area in device pixels, at the printer's resolution
    std::string media; // the spooler's name of the media, e.g. "iso_a4_210x297mm"
    int sheetWidth = 0; // hundredths of a millimetre
    int sheetLength = 0; // hundredths of a millimetre
    int marginLeft = 0; // unprintable margins in hundredths of a millimetre
    int marginTop = 0;
    int marginRight = 0;
    int marginBottom = 0;

    bool operator==(const PrinterPage&) const = default;
};

// The resolution assumed for a destination that names none, in dots per inch.
constexpr int defaultPrinterDpi = 600;

// The spooler's default destination (as the user or the system set it), without options; none when there
// is no printer.
std::optional<PrinterSelection> defaultPrinter();

// The page of `printer`: the media its "media" option names, else the destination's default media, minus
// the destination's hardware margins, at its default resolution (defaultPrinterDpi when it gives none).
// None when the destination is unknown or tells no media.
std::optional<PrinterPage> printerPage(const PrinterSelection& printer);

} // namespace vantolex
