#include "gui/main/PrinterSync.h"

#include <QPageSize>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <cstdlib>
#include <string>

#include "spool/CupsDestination.h"

namespace vantolex {

namespace {

int hundredths(double millimetres)
{
    return static_cast<int>(std::lround(millimetres * 100.0));
}

constexpr const char* copiesOption = "copies";
constexpr const char* collationOption = "multiple-document-handling";
constexpr const char* collated = "separate-documents-collated-copies";
constexpr const char* uncollated = "separate-documents-uncollated-copies";
constexpr const char* sidesOption = "sides";
constexpr const char* oneSided = "one-sided";
constexpr const char* longEdge = "two-sided-long-edge";
constexpr const char* shortEdge = "two-sided-short-edge";
constexpr const char* mediaOption = "media";
constexpr const char* colourOption = "print-color-mode";
constexpr const char* outputOrderOption = "outputorder";

// The print engine's property holding the job options that the print dialog's other controls chose (page set,
// pages per sheet, banners, priority, hold, the printer's own PPD options), as name, value, name, value ...
// Qt keeps it under this key on every CUPS printer.
constexpr auto jobOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// What the dialog's other controls set that is carried already by an option above (a PPD's own names for
// them included).
bool carriedAlready(const std::string& name)
{
    for (const char* carried :
         { copiesOption, collationOption, sidesOption, mediaOption, colourOption, outputOrderOption, "landscape",
           "orientation-requested", "PageSize", "PageRegion", "Duplex", "Collate", "Copies", "OutputOrder" }) {
        if (name == carried)
            return true;
    }
    return false;
}

// The page size among those `printer` offers that has `size` (hundredths of a millimetre, portrait), so that
// the print dialog shows it as the printer's own paper; else the size itself.
QPageSize offeredPageSize(const QPrinter& printer, const std::pair<int, int>& size)
{
    for (const QPageSize& offered : QPrinterInfo(printer).supportedPageSizes()) {
        const QSizeF millimetres = offered.size(QPageSize::Millimeter);
        if (std::abs(hundredths(millimetres.width()) - size.first) <= 50
            && std::abs(hundredths(millimetres.height()) - size.second) <= 50)
            return offered;
    }
    return QPageSize(QSizeF(size.first / 100.0, size.second / 100.0), QPageSize::Millimeter);
}

const char* sidesOf(const QPrinter& printer, bool landscape)
{
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        return longEdge;
    case QPrinter::DuplexShortSide:
        return shortEdge;
    case QPrinter::DuplexAuto:
        return landscape ? shortEdge : longEdge;
    case QPrinter::DuplexNone:
        break;
    }
    return oneSided;
}

} // namespace

PrinterSelection selectionFromPrinter(const QPrinter& printer)
{
    PrinterSelection selection;
    // The spooler's instances appear as "destination/instance".
    const QString name = printer.printerName();
    const qsizetype slash = name.indexOf(u'/');
    selection.destination = (slash < 0 ? name : name.left(slash)).toStdString();
    if (slash >= 0)
        selection.instance = name.mid(slash + 1).toStdString();

    const QPageLayout layout = printer.pageLayout();
    selection.landscape = layout.orientation() == QPageLayout::Landscape;
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    auto& options = selection.options;
    options.emplace_back(copiesOption, std::to_string(printer.copyCount()));
    if (printer.copyCount() > 1)
        options.emplace_back(collationOption, printer.collateCopies() ? collated : uncollated);
    options.emplace_back(sidesOption, sidesOf(printer, selection.landscape));
    if (paper.isValid())
        options.emplace_back(mediaOption, mediaNameForSize(hundredths(paper.width()), hundredths(paper.height())));
    if (printer.colorMode() == QPrinter::GrayScale)
        options.emplace_back(colourOption, "monochrome");
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        options.emplace_back(outputOrderOption, "reverse");
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        const QStringList chosen = printer.printEngine()->property(jobOptionsProperty).toStringList();
        for (qsizetype i = 0; i + 1 < chosen.size(); i += 2) {
            const std::string option = chosen[i].toStdString();
            if (!option.empty() && !carriedAlready(option))
                options.emplace_back(option, chosen[i + 1].toStdString());
        }
    }
    return selection;
}

void showSelectionOnPrinter(const PrinterSelection& selection, QPrinter& printer)
{
    QString name = QString::fromStdString(selection.destination);
    if (!selection.instance.empty())
        name += u'/' + QString::fromStdString(selection.instance);
    printer.setPrinterName(name);
    printer.setPageOrientation(selection.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    for (const auto& [option, value] : selection.options) {
        if (option == copiesOption) {
            printer.setCopyCount(std::max(1, std::atoi(value.c_str())));
        } else if (option == collationOption) {
            printer.setCollateCopies(value == collated);
        } else if (option == sidesOption) {
            printer.setDuplex(value == longEdge        ? QPrinter::DuplexLongSide
                                  : value == shortEdge ? QPrinter::DuplexShortSide
                                                       : QPrinter::DuplexNone);
        } else if (option == mediaOption) {
            if (const auto size = mediaSizeForName(value))
                printer.setPageSize(offeredPageSize(printer, *size));
        } else if (option == colourOption) {
            printer.setColorMode(value == "monochrome" ? QPrinter::GrayScale : QPrinter::Color);
        } else if (option == outputOrderOption) {
            printer.setPageOrder(value == "reverse" ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
        }
    }
}

} // namespace vantolex
