#include "app/FileDevices.h"

#include "render/cairo/CairoFileDevices.h"
#include "render/pdf/PdfFileDevice.h"

namespace vantolex {

std::unique_ptr<Device> createFileDevice(FileFormat format, const std::filesystem::path& path, const SheetFormat& sheet,
                                         const Clock& clock)
{
    switch (format) {
    case FileFormat::PostScript:
        return createPostScriptFileDevice(path, sheet, clock);
    case FileFormat::Svg:
        return createSvgFileDevice(path, sheet);
    case FileFormat::Png:
        return createPngFileDevice(path, sheet);
    case FileFormat::Pdf:
        break;
    }
    return createPdfFileDevice(path, sheet, clock);
}

} // namespace vantolex
