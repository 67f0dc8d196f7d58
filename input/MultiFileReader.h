// The reader of a list of files printed one after another as one document.
#pragma once

#include <vector>

#include "input/FileEntry.h"
#include "input/MultiReader.h"

namespace vantolex {

class MultiFileReader : public MultiReader
{
public:
    // Reads `files` (which must outlive the reader) lazily, one file at a time, each with its own encoding.
    MultiFileReader(int separatorMethod, const std::vector<FileEntry>& files, int separatorLines);

    // "%d 個のファイル" with the number of entries.
    std::u16string title() const override;

    // Starts again at the first file, opened anew.
    void rewind() override;

protected:
    // The next entry's file reader; none after the last entry or for an entry whose encoding names no
    // decoder, which ends the text there.
    std::unique_ptr<TextReader> openNextReader() override;

private:
    const std::vector<FileEntry>& m_files;
    std::size_t m_nextIndex = 0;
};

} // namespace vantolex
