#include "base/WriteFailureReason.h"

#include <cerrno>
#include <cstring>

#include "base/BaseMessages.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"

namespace vantolex {

std::u16string writeFailureReason(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return std::u16string(baseText::reasonNoPermission);
    case EISDIR:
        return std::u16string(baseText::reasonIsFolder);
    case ENOENT:
    case ENOTDIR:
        return std::u16string(baseText::reasonNoFolder);
    case ENAMETOOLONG:
        return std::u16string(baseText::reasonNameTooLong);
    case EROFS:
        return std::u16string(baseText::reasonReadOnly);
    case ENOSPC:
        return std::u16string(baseText::reasonDiskFull);
    case EDQUOT:
        return std::u16string(baseText::reasonQuota);
    case EFBIG:
        return std::u16string(baseText::reasonFileTooLarge);
    case ENOMEM:
        return std::u16string(baseText::reasonNoMemory);
    case EIO:
        return std::u16string(baseText::reasonInputOutput);
    case EEXIST:
        return std::u16string(baseText::reasonExists);
    default:
        break;
    }
    const std::u16string systemText = fromUtf8(std::strerror(errorNumber));
    return formatText(baseText::reasonSystem, { errorNumber, std::u16string_view(systemText) });
}

} // namespace vantolex
