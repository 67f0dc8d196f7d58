#include "spool/PpdPaper.h"

// The PPD functions are the only description of a queue's paper that a filter receives (the PPD environment
// variable names the file); libcups marks them deprecated for clients, not for filters.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>
#include <cups/pwg.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include "base/HandleDeleter.h"
#include "spool/CupsHandles.h"

namespace vantolex {

namespace {

// Kept here rather than in CupsHandles.h so that the deprecated header reaches no other file.
using PpdFile = std::unique_ptr<ppd_file_t, handles::Deleter<ppdClose>>;

constexpr double hundredthsOfMillimetrePerPoint = 2540.0 / 72.0;

int hundredthsOfMillimetre(double points)
{
    return static_cast<int>(std::lround(points * hundredthsOfMillimetrePerPoint));
}

int toPixels(int hundredths, int dpi)
{
    return static_cast<int>(std::int64_t { hundredths } * dpi / 2540);
}

// "600dpi", "300x600dpi": {x, y}; {0, 0} for anything else.
std::pair<int, int> parseResolution(const char* text)
{
    int x = 0;
    int y = 0;
    char unit[8] = {};
    if (std::sscanf(text, "%dx%d%7s", &x, &y, unit) != 3) {
        if (std::sscanf(text, "%d%7s", &x, unit) != 2)
            return { 0, 0 };
        y = x;
    }
    if (std::string_view(unit) != "dpi" || x <= 0 || y <= 0)
        return { 0, 0 };
    return { x, y };
}

std::pair<int, int> ppdResolution(ppd_file_t* ppd)
{
    if (const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, "Resolution")) {
        const auto resolution = parseResolution(marked->choice);
        if (resolution.first > 0)
            return resolution;
    }
    if (const ppd_attr_t* fallback = ppdFindAttr(ppd, "DefaultResolution", nullptr); fallback && fallback->value) {
        const auto resolution = parseResolution(fallback->value);
        if (resolution.first > 0)
            return resolution;
    }
    return { defaultPrinterDpi, defaultPrinterDpi };
}

} // namespace

std::optional<PrinterPage> ppdPaper(const std::filesystem::path& ppdPath,
                                    const std::vector<std::pair<std::string, std::string>>& jobOptions)
{
    const PpdFile ppd(ppdOpenFile(ppdPath.c_str()));
    if (!ppd)
        return std::nullopt;
    ppdMarkDefaults(ppd.get());
    const CupsOptionList options(jobOptions);
    cupsMarkOptions(ppd.get(), options.count(), options.data());
    const ppd_size_t* size = ppdPageSize(ppd.get(), nullptr);
    if (!size || size->width <= 0 || size->length <= 0 || size->right <= size->left || size->top <= size->bottom)
        return std::nullopt;

    const auto [dpiX, dpiY] = ppdResolution(ppd.get());
    PrinterPage page;
    const pwg_media_t* known = pwgMediaForPPD(size->name);
    page.media = known && known->pwg ? known->pwg : size->name;
    page.sheetWidth = hundredthsOfMillimetre(size->width);
    page.sheetLength = hundredthsOfMillimetre(size->length);
    page.marginLeft = hundredthsOfMillimetre(size->left);
    page.marginBottom = hundredthsOfMillimetre(size->bottom);
    page.marginRight = hundredthsOfMillimetre(size->width - size->right);
    page.marginTop = hundredthsOfMillimetre(size->length - size->top);
    page.caps.width = toPixels(page.sheetWidth - page.marginLeft - page.marginRight, dpiX);
    page.caps.height = toPixels(page.sheetLength - page.marginTop - page.marginBottom, dpiY);
    page.caps.dpiX = dpiX;
    page.caps.dpiY = dpiY;
    return page;
}

} // namespace vantolex

#pragma GCC diagnostic pop
