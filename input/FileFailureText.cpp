#include "input/FileFailureText.h"

#include <cerrno>

#include "base/Utf16.h"
#include "input/InputMessages.h"

namespace vantolex {

std::u16string fileFailureText(std::u16string_view sentence, const std::filesystem::path& path)
{
    return std::u16string(sentence) + u'\n' + fromUtf8(path.string());
}

std::u16string fileFailureText(int errorNumber, FileStage stage, const std::filesystem::path& path)
{
    std::u16string_view pattern = stage == FileStage::Open ? inputText::fileOpenFailed : inputText::fileReadError;
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        pattern = inputText::fileNotFound;
        break;
    case EACCES:
    case EPERM:
        pattern = inputText::fileAccessDenied;
        break;
    case EISDIR:
        pattern = inputText::fileIsDirectory;
        break;
    case EBUSY:
    case ETXTBSY:
    case EWOULDBLOCK:
        pattern = inputText::fileBusy;
        break;
    case ENAMETOOLONG:
        pattern = inputText::fileNameTooLong;
        break;
    case EMFILE:
    case ENFILE:
        pattern = inputText::fileTooManyOpen;
        break;
    case ENOMEM:
        pattern = inputText::fileOutOfMemory;
        break;
    default:
        break;
    }
    return fileFailureText(pattern, path);
}

} // namespace vantolex
