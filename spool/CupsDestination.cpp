#include "spool/CupsDestination.h"

#include <cups/cups.h>
#include <cups/pwg.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>

#include "spool/CupsCalls.h"
#include "spool/CupsHandles.h"

namespace vantolex {

namespace {

constexpr int hundredthsOfMillimetrePerInch = 2540;
constexpr const char* fallbackPaper = "iso_a4_210x297mm";

// Hundredths of a millimetre as device pixels at `dpi`, truncated toward zero.
int toPixels(int hundredths, int dpi)
{
    return static_cast<int>(std::int64_t { hundredths } * dpi / hundredthsOfMillimetrePerInch);
}

// A destination with the spooler's information about it, both open.
struct OpenedDestination
{
    DestinationHandle destination;
    DestinationInfoHandle info;
};

std::optional<OpenedDestination> openDestination(const PrinterSelection& printer)
{
    const char* instance = printer.instance.empty() ? nullptr : printer.instance.c_str();
    DestinationHandle destination(cupsCalls().getNamedDest(CUPS_HTTP_DEFAULT, printer.destination.c_str(), instance));
    if (!destination)
        return std::nullopt;
    DestinationInfoHandle info(cupsCalls().copyDestInfo(CUPS_HTTP_DEFAULT, destination.get()));
    if (!info)
        return std::nullopt;
    return OpenedDestination { std::move(destination), std::move(info) };
}

// The paper's name as the spooler shows it to people; where it has no translation for the language in use
// (it then answers the PWG name itself, "iso_a4_210x297mm"), the short name printers use ("A4").
std::string mediaDisplayName(cups_dest_t* destination, cups_dinfo_t* info, cups_size_t& size)
{
    const char* shown = cupsLocalizeDestMedia(CUPS_HTTP_DEFAULT, destination, info, CUPS_MEDIA_FLAGS_DEFAULT, &size);
    if (shown && std::string_view(shown) != size.media)
        return shown;
    const pwg_media_t* known = pwgMediaForPWG(size.media);
    return known && known->ppd ? known->ppd : size.media;
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

// The paper of `printer` (see printerPaper) on its opened destination.
std::string paperOf(const PrinterSelection& printer, cups_dest_t* destination, cups_dinfo_t* info)
{
    for (auto option = printer.options.rbegin(); option != printer.options.rend(); ++option) {
        if (option->first == "media" && !option->second.empty())
            return option->second;
    }
    // The user's own default options for the destination (lpoptions) come with it.
    if (const char* media = cupsGetOption("media", destination->num_options, destination->options); media && *media)
        return media;
    // The destination's own default; for a queue with a PPD, the spooler reports its default page size.
    ipp_attribute_t* attribute = cupsCalls().findDestDefault(CUPS_HTTP_DEFAULT, destination, info, "media");
    const char* media = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    if (media && *media)
        return media;
    return fallbackPaper;
}

} // namespace

std::optional<PrinterSelection> defaultPrinter()
{
    const DestinationHandle destination(cupsCalls().getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!destination || !destination->name)
        return std::nullopt;
    return PrinterSelection { destination->name, destination->instance ? destination->instance : "", {} };
}

std::string printerPaper(const PrinterSelection& printer)
{
    const std::optional<OpenedDestination> opened = openDestination(printer);
    if (!opened)
        return fallbackPaper;
    return paperOf(printer, opened->destination.get(), opened->info.get());
}

std::optional<PrinterPage> printerPage(const PrinterSelection& printer)
{
    const std::optional<OpenedDestination> opened = openDestination(printer);
    if (!opened)
        return std::nullopt;
    const auto& [destination, info] = *opened;

    const std::string media = paperOf(printer, destination.get(), info.get());
    cups_size_t size {};
    if (!cupsCalls().getDestMediaByName(CUPS_HTTP_DEFAULT, destination.get(), info.get(), media.c_str(),
                                        CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
        // A paper the destination does not list (A4 where it tells no default): the whole sheet.
        const pwg_media_t* known = pwgMediaForPWG(media.c_str());
        if (!known)
            known = pwgMediaForPPD(media.c_str());
        if (!known || !known->pwg)
            return std::nullopt;
        size = cups_size_t {};
        std::snprintf(size.media, sizeof size.media, "%s", known->pwg);
        size.width = known->width;
        size.length = known->length;
    }
    if (size.width <= 0 || size.length <= 0)
        return std::nullopt;

    auto [dpiX, dpiY] = defaultResolution(destination.get(), info.get());
    if (printer.landscape) {
        // The top of the page runs along the sheet's left edge.
        const cups_size_t portrait = size;
        size.width = portrait.length;
        size.length = portrait.width;
        size.top = portrait.left;
        size.left = portrait.bottom;
        size.bottom = portrait.right;
        size.right = portrait.top;
        std::swap(dpiX, dpiY);
    }
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

std::vector<PrinterSelection> printerDestinations()
{
    const CupsDestinationList list(CUPS_HTTP_DEFAULT);
    std::vector<PrinterSelection> destinations;
    for (const cups_dest_t& destination : list) {
        if (destination.name)
            destinations.push_back({ destination.name, destination.instance ? destination.instance : "", {} });
    }
    return destinations;
}

std::vector<PrinterMedia> printerMediaList(const PrinterSelection& printer)
{
    std::vector<PrinterMedia> media;
    const std::optional<OpenedDestination> opened = openDestination(printer);
    if (!opened)
        return media;
    const auto& [destination, info] = *opened;
    const int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, destination.get(), info.get(), CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
        cups_size_t size {};
        if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, destination.get(), info.get(), i, CUPS_MEDIA_FLAGS_DEFAULT,
                                     &size)
            || size.width <= 0 || size.length <= 0)
            continue;
        const bool listed = std::any_of(media.begin(), media.end(),
                                        [&](const PrinterMedia& known) { return known.name == size.media; });
        if (listed)
            continue;
        media.push_back({ size.media, mediaDisplayName(destination.get(), info.get(), size), size.width, size.length });
    }
    return media;
}

std::string mediaNameForSize(int width, int length)
{
    const auto [shorter, longer] = std::minmax(width, length);
    const pwg_media_t* media = pwgMediaForSize(shorter, longer);
    if (media && media->pwg)
        return media->pwg;
    const std::string size = std::to_string(shorter / 100) + "x" + std::to_string(longer / 100) + "mm";
    return "custom_" + size + "_" + size;
}

std::optional<std::pair<int, int>> mediaSizeForName(const std::string& media)
{
    const pwg_media_t* found = pwgMediaForPWG(media.c_str());
    if (!found)
        found = pwgMediaForPPD(media.c_str());
    if (!found || found->width <= 0 || found->length <= 0)
        return std::nullopt;
    return std::pair { found->width, found->length };
}

} // namespace vantolex
