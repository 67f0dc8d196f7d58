#include "render/pdf/PdfFileDevice.h"

#include "layout/FileByteSink.h"
#include "render/pdf/PdfDevice.h"

namespace vantolex {

namespace {

class PdfFileDevice final : private FileSinkHolder, public PdfDevice
{
public:
    PdfFileDevice(const std::filesystem::path& path, const SheetFormat& sheet, const Clock& clock)
        : FileSinkHolder(path)
        , PdfDevice(sheetCapabilities(sheet), pdfSheetOf(sheet), fileSink, clock)
    {
    }
};

} // namespace

std::unique_ptr<Device> createPdfFileDevice(const std::filesystem::path& path, const SheetFormat& sheet,
                                            const Clock& clock)
{
    return std::make_unique<PdfFileDevice>(path, sheet, clock);
}

} // namespace vantolex
