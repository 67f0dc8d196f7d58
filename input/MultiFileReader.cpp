#include "input/MultiFileReader.h"

#include "base/TextFormat.h"
#include "input/FileReader.h"
#include "input/InputMessages.h"

namespace vantolex {

MultiFileReader::MultiFileReader(int separatorMethod, const std::vector<FileEntry>& files, int separatorLines)
    : MultiReader(separatorMethod, separatorLines)
    , m_files(files)
{
}

std::u16string MultiFileReader::title() const
{
    return formatText(inputText::fileCountTitle, { static_cast<int>(m_files.size()) });
}

void MultiFileReader::rewind()
{
    MultiReader::rewind();
    m_nextIndex = 0;
}

std::unique_ptr<TextReader> MultiFileReader::openNextReader()
{
    if (m_nextIndex >= m_files.size())
        return nullptr;
    const FileEntry& entry = m_files[m_nextIndex++];
    return createFileReader(entry.path, entry.encodingIndex);
}

} // namespace vantolex
