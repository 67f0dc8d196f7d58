#include "layout/device/OutputFileFailure.h"

#include <cerrno>
#include <cstring>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

std::u16string outputFileReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return std::u16string(layoutText::reasonNoPermission);
    case EISDIR:
        return std::u16string(layoutText::reasonIsFolder);
    case ENOENT:
    case ENOTDIR:
        return std::u16string(layoutText::reasonNoFolder);
    case ENAMETOOLONG:
        return std::u16string(layoutText::reasonNameTooLong);
    case EROFS:
        return std::u16string(layoutText::reasonReadOnly);
    case ENOSPC:
        return std::u16string(layoutText::reasonDiskFull);
    case EDQUOT:
        return std::u16string(layoutText::reasonQuota);
    case EFBIG:
        return std::u16string(layoutText::reasonFileTooLarge);
    case ENOMEM:
        return std::u16string(layoutText::reasonNoMemory);
    case EIO:
        return std::u16string(layoutText::reasonInputOutput);
    default:
        break;
    }
    const std::u16string systemText = fromUtf8(std::strerror(errorNumber));
    return formatText(layoutText::reasonOther, { errorNumber, std::u16string_view(systemText) });
}

std::u16string outputFileFailureText(OutputFileStage stage, const std::filesystem::path& path,
                                     std::u16string_view reason)
{
    const std::u16string name = fromUtf8(path.string());
    return formatText(stage == OutputFileStage::Create ? layoutText::outputFileNotCreated
                                                       : layoutText::outputFileNotWritten,
                      { std::u16string_view(name), reason });
}

} // namespace vantolex
