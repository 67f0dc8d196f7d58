#include "PdfText.h"

#include <cstdio>
#include <memory>
#include <regex>

#include <unistd.h>

namespace vantolex::testing {

namespace {

struct PipeCloser
{
    void operator()(std::FILE* pipe) const noexcept { pclose(pipe); }
};

std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (char c : text) {
        if (c == '\'') {
            result += "'\\''";
        } else {
            result += c;
        }
    }
    return result + "'";
}

bool available(const std::string& program)
{
    return !program.empty() && !program.ends_with("NOTFOUND");
}

} // namespace

std::optional<std::string> runTool(const std::string& program, const std::string& arguments,
                                   const std::filesystem::path& file, const std::string& trailing)
{
    if (!available(program)) {
        return std::nullopt;
    }
    const std::string command = quoted(program) + " " + arguments + " " + quoted(file.string()) + " " + trailing + " 2>/dev/null";
    std::unique_ptr<std::FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    if (!pipe) {
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        output.append(buffer, n);
    }
    return output;
}

std::optional<std::string> pdfText(const std::filesystem::path& pdf)
{
    return runTool(VANTOLEX_PDFTOTEXT, "-enc UTF-8", pdf, "-");
}

std::optional<std::vector<PdfWord>> pdfWords(const std::filesystem::path& pdf)
{
    const auto html = runTool(VANTOLEX_PDFTOTEXT, "-enc UTF-8 -bbox", pdf, "-");
    if (!html) {
        return std::nullopt;
    }
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = std::sregex_iterator(html->begin(), html->end(), word); it != std::sregex_iterator(); ++it) {
        const auto& match = *it;
        std::string text = match[5].str();
        for (std::size_t at; (at = text.find("&amp;")) != std::string::npos;) {
            text.replace(at, 5, "&");
        }
        words.push_back({std::stod(match[1].str()), std::stod(match[2].str()), std::stod(match[3].str()),
                         std::stod(match[4].str()), text});
    }
    return words;
}

std::filesystem::path scratchFolder(const std::string& name)
{
    const auto folder = std::filesystem::temp_directory_path() / ("vantolex-test-" + name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace vantolex::testing
