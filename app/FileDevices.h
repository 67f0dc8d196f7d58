// File devices by format: a PDF file (our own writer), a PostScript or SVG file, or PNG images, one per page
// (Cairo). Each writes its file whole or not at all, as render/cairo/CairoFileDevices.h and
// render/pdf/PdfFileDevice.h say.
#pragma once

#include <filesystem>
#include <memory>

#include "layout/Clock.h"
#include "layout/Device.h"
#include "layout/SheetFormat.h"

namespace vantolex {

enum class FileFormat
{
    Pdf,
    PostScript,
    Svg,
    Png,
};

// The device writing `path` in `format`; a PDF document is dated by `clock`, which must outlive the device.
// For PNG, page n goes to `<stem>-<n>.png` beside `path` (pngPagePath).
std::unique_ptr<Device> createFileDevice(FileFormat format, const std::filesystem::path& path, const SheetFormat& sheet,
                                         const Clock& clock);

} // namespace vantolex
