#include "base/WriteFailureReason.h"

#include <cerrno>

#include "base/BaseMessages.h"
#include "base/TextFormat.h"

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
    case ELOOP:
        return std::u16string(baseText::reasonTooManyLinks);
    case EMFILE:
    case ENFILE:
        return std::u16string(baseText::reasonTooManyOpenFiles);
    case EBUSY:
    case ETXTBSY:
        return std::u16string(baseText::reasonBusy);
    case EXDEV:
        return std::u16string(baseText::reasonOtherFileSystem);
    default:
        return formatText(baseText::reasonSystem, { errorNumber });
    }
}

} // namespace vantolex
