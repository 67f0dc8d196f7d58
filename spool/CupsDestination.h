// What the spooler tells about its destinations: which is the default, and the page each one prints.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout/Device.h"
#include "spool/PrinterSelection.h"

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

// One paper size a destination offers.
struct PrinterMedia
{
    std::string name; // the spooler's name, e.g. "iso_a4_210x297mm"
    std::string displayName; // as the spooler shows it to people (UTF-8)
    int width = 0; // hundredths of a millimetre
    int length = 0;

    bool operator==(const PrinterMedia&) const = default;
};

// The resolution assumed for a destination that names none, in dots per inch.
constexpr int defaultPrinterDpi = 600;

// The spooler's default destination (as the user or the system set it), without options; none when there
// is no printer.
std::optional<PrinterSelection> defaultPrinter();

// The paper `printer` prints on, as the spooler names it ("iso_a4_210x297mm"): the last "media" of its
// options (the user's choice), else the "media" of the user's default options for the destination, else the
// destination's "media-default" (for a queue with a PPD, the PPD's default page size), else A4 — never
// libcups's fall-back to Letter. A4 too for a destination the spooler does not know.
std::string printerPaper(const PrinterSelection& printer);

// The page of `printer`: the paper printerPaper names, minus
// the destination's hardware margins, at its default resolution (defaultPrinterDpi when it gives none).
// A paper the destination does not list is the whole sheet (no margins). None when the destination is
// unknown. A landscape printer gives the sheet turned: width and
// length, the margins and the resolution exchanged, the sheet's left edge at the top of the page.
std::optional<PrinterPage> printerPage(const PrinterSelection& printer);

// The destinations of the spooler (each instance as its own entry), without options; empty when there is
// none or the spooler cannot be reached.
std::vector<PrinterSelection> printerDestinations();

// The paper sizes `printer` offers, in the spooler's order, each once; empty for an unknown destination.
std::vector<PrinterMedia> printerMediaList(const PrinterSelection& printer);

// The spooler's name of the paper of `width` × `length` hundredths of a millimetre (portrait or landscape
// alike): the standard name of a standard size (Japanese B sizes as JIS B, "jis_b5_182x257mm"), else a
// custom size name.
std::string mediaNameForSize(int width, int length);

// The portrait size of the paper the spooler names `media`, in hundredths of a millimetre (width, length);
// none for a name it does not know.
std::optional<std::pair<int, int>> mediaSizeForName(const std::string& media);

} // namespace vantolex
