#include "gui/main/PrinterSync.h"

#include <QPageSize>
#include <QPrinter>

#include <cmath>
#include <string>

#include "spool/CupsDestination.h"

namespace vantolex {

namespace {

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

int hundredths(double millimetres)
{
    return static_cast<int>(std::lround(millimetres * 100.0));
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
                printer.setPageSize(
                    QPageSize(QSizeF(size->first / 100.0, size->second / 100.0), QPageSize::Millimeter));
        } else if (option == colourOption) {
            printer.setColorMode(value == "monochrome" ? QPrinter::GrayScale : QPrinter::Color);
        }
    }
}

} // namespace vantolex
