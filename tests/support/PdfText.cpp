#include "support/PdfText.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

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
    const std::string command
        = quoted(program) + " " + arguments + " " + quoted(file.string()) + " " + trailing + " 2>/dev/null";
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
    // Lines of the form <word xMin="1.5" yMin="2" xMax="3" yMax="4">text</word>.
    std::vector<PdfWord> words;
    const std::string open = "<word ";
    for (std::size_t at = html->find(open); at != std::string::npos; at = html->find(open, at + 1)) {
        PdfWord word;
        double* fields[] = { &word.xMin, &word.yMin, &word.xMax, &word.yMax };
        const char* names[] = { "xMin=\"", "yMin=\"", "xMax=\"", "yMax=\"" };
        for (int i = 0; i < 4; ++i) {
            const std::size_t value = html->find(names[i], at);
            if (value == std::string::npos) {
                return std::nullopt;
            }
            *fields[i] = std::strtod(html->c_str() + value + 6, nullptr);
        }
        const std::size_t textStart = html->find('>', at) + 1;
        const std::size_t textEnd = html->find("</word>", textStart);
        if (textStart == 0 || textEnd == std::string::npos) {
            return std::nullopt;
        }
        word.text = html->substr(textStart, textEnd - textStart);
        for (std::size_t amp; (amp = word.text.find("&amp;")) != std::string::npos;) {
            word.text.replace(amp, 5, "&");
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::filesystem::path scratchFolder(const std::string& name)
{
    const auto folder
        = std::filesystem::temp_directory_path() / ("vantolex-test-" + name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace vantolex::testing
