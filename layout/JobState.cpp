#include "layout/JobState.h"

#include "base/Errors.h"
#include "base/Interruption.h"
#include "layout/Device.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

std::u16string printerErrorText(int result)
{
    switch (result) {
    case SpoolResult::OutOfMemory:
        return std::u16string(layoutText::spoolOutOfMemory);
    case SpoolResult::OutOfDisk:
        return std::u16string(layoutText::spoolOutOfDisk);
    case SpoolResult::UserAbort:
    case SpoolResult::AppAbort:
        return std::u16string(layoutText::printAborted);
    default:
        return std::u16string(layoutText::printerError);
    }
}

void throwPrinterError(int result, std::u16string detail)
{
    throwIfInterrupted();
    throw PrinterError(detail.empty() ? printerErrorText(result) : std::move(detail));
}

} // namespace vantolex
