// What the end-to-end tests share: a fresh folder for the files of each test, removed afterwards, and a text
// to print.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vantolex {

class EndToEndTest : public ::testing::Test
{
protected:
    EndToEndTest()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path()
            / ("vantolex-e2e-" + std::to_string(::getpid()) + "-" + test->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~EndToEndTest() override { std::filesystem::remove_all(folder); }

    // Writes `bytes` to `name` in the folder; returns its path.
    std::string write(const std::filesystem::path& name, const std::string& bytes)
    {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    std::filesystem::path folder;
};

// A document of `count` numbered lines of kana and kanji, in UTF-8.
inline std::string numberedLines(int count)
{
    std::string text;
    for (int line = 1; line <= count; ++line)
        text += "第" + std::to_string(line) + "行：かなと漢字の行です。\n";
    return text;
}

} // namespace vantolex
