#include "layout/OutputFileFailure.h"

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "layout/LayoutMessages.h"

namespace vantolex {

std::u16string outputFileFailureText(OutputFileStage stage, const std::filesystem::path& path,
                                     std::u16string_view reason)
{
    const std::u16string name = fromUtf8(path.string());
    return formatText(stage == OutputFileStage::Create ? layoutText::outputFileNotCreated
                                                       : layoutText::outputFileNotWritten,
                      { std::u16string_view(name), reason });
}

} // namespace vantolex
