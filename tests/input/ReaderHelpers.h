// Test helpers for readers: a temporary folder and the items of a reader written out as strings; the
// clipboard source with a fixed text comes from support/FixedClipboard.h.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/Utf16.h"
#include "input/TextReader.h"
#include "support/FixedClipboard.h"

namespace vantolex {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantolex-input-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes `bytes` to the file `name` in the folder and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const
    {
        const auto file = m_path / name;
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        return file;
    }

private:
    std::filesystem::path m_path;
};

// The items of a reader, to its end: text lines in UTF-8, breaks as "<column>" and "<page>".
inline std::vector<std::string> readAllItems(TextReader& reader)
{
    std::vector<std::string> items;
    while (reader.nextLine()) {
        const TextLine line = reader.currentLine();
        switch (line.kind) {
        case LineKind::Text:
            EXPECT_NE(line.text, nullptr);
            items.push_back(toUtf8(line.text));
            break;
        case LineKind::ColumnBreak:
            EXPECT_EQ(line.text, nullptr);
            items.push_back("<column>");
            break;
        case LineKind::PageBreak:
            EXPECT_EQ(line.text, nullptr);
            items.push_back("<page>");
            break;
        }
        if (items.size() > 10000) {
            ADD_FAILURE() << "the reader does not end";
            break;
        }
    }
    return items;
}

using Items = std::vector<std::string>;

} // namespace vantolex
