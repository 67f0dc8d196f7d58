#include "layout/device/CupsDestination.h"

#include <cstdint>

#include "layout/device/CupsCalls.h"
#include "layout/device/CupsHandles.h"

namespace vantolex {

namespace {

constexpr int hundredthsOfMillimetrePerInch = 2540;

// Hundredths of a millimetre as device pixels at `dpi`, truncated toward zero.
int toPixels(int hundredths, int dpi)
{
    return static_cast<int>(std::int64_t { hundredths } * dpi / hundredthsOfMillimetrePerInch);
}

const char* instanceOrNull(const PrinterSelection& printer)
{
    return printer.instance.empty() ? nullptr : printer.instance.c_str();
}

// The destination's default resolution as {x, y} in dots per inch.
std::pair<int, int> defaultResolution(cups_dest_t* destination, cups_dinfo_t* info)
{
    ipp_attribute_t* attribute
        = cupsCalls().findDestDefault(CUPS_HTTP_DEFAULT, destination, info, "printer-resolution");
    if (!attribute || ippGetValueTag(attribute) != IPP_TAG_RESOLUTION)
        return { defaultPrinterDpi, defaultPrinterDpi };
    int y = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    int x = ippGetResolution(attribute, 0, &y, &units);
    if (units == IPP_RES_PER_CM) {
        x = static_cast<int>((std::int64_t { x } * 254 + 50) / 100);
        y = static_cast<int>((std::int64_t { y } * 254 + 50) / 100);
    }
    if (x <= 0 || y <= 0)
        return { defaultPrinterDpi, defaultPrinterDpi };
    return { x, y };
}

} // namespace

std::optional<PrinterSelection> defaultPrinter()
{
    const DestinationHandle destination(cupsCalls().getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!destination || !destination->name)
        return std::nullopt;
    return PrinterSelection { destination->name, destination->instance ? destination->instance : "", {} };
}

std::optional<PrinterPage> printerPage(const PrinterSelection& printer)
{
    const DestinationHandle destination(
        cupsCalls().getNamedDest(CUPS_HTTP_DEFAULT, printer.destination.c_str(), instanceOrNull(printer)));
    if (!destination)
        return std::nullopt;
    const DestinationInfoHandle info(cupsCalls().copyDestInfo(CUPS_HTTP_DEFAULT, destination.get()));
    if (!info)
        return std::nullopt;

    const char* media = nullptr;
    for (const auto& [name, value] : printer.options) {
        if (name == "media")
            media = value.c_str();
    }
    cups_size_t size {};
    const int found = media ? cupsCalls().getDestMediaByName(CUPS_HTTP_DEFAULT, destination.get(), info.get(), media,
                                                             CUPS_MEDIA_FLAGS_DEFAULT, &size)
                            : cupsCalls().getDestMediaDefault(CUPS_HTTP_DEFAULT, destination.get(), info.get(),
                                                              CUPS_MEDIA_FLAGS_DEFAULT, &size);
    if (!found || size.width <= 0 || size.length <= 0)
        return std::nullopt;

    const auto [dpiX, dpiY] = defaultResolution(destination.get(), info.get());
    PrinterPage page;
    page.media = size.media;
    page.sheetWidth = size.width;
    page.sheetLength = size.length;
    page.marginLeft = size.left;
    page.marginTop = size.top;
    page.marginRight = size.right;
    page.marginBottom = size.bottom;
    page.caps.width = toPixels(size.width - size.left - size.right, dpiX);
    page.caps.height = toPixels(size.length - size.top - size.bottom, dpiY);
    page.caps.dpiX = dpiX;
    page.caps.dpiY = dpiY;
    return page;
}

} // namespace vantolex
