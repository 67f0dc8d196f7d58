// The paper of a queue as its PPD file describes it, for a filter that the spooler runs for that queue.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "spool/CupsDestination.h"

namespace vantolex {

// The page of the PPD file at `ppdPath` for a job with `jobOptions`: the page size that the job's "media",
// "PageSize" or "PageRegion" option chooses among the PPD's sizes, else its *DefaultPageSize; the sheet from
// its *PaperDimension, the printable area from its *ImageableArea, at the resolution the job or the PPD's
// *DefaultResolution chooses (defaultPrinterDpi when it names none). None when the file cannot be read as a
// PPD or gives no usable size.
std::optional<PrinterPage> ppdPaper(const std::filesystem::path& ppdPath,
                                    const std::vector<std::pair<std::string, std::string>>& jobOptions);

} // namespace vantolex
