// Reading produced PDF files back with poppler's pdftotext, and the fonts the tests draw with.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantolex::testing {

// The standard output of `program arguments file trailing`, or nothing when it could not be run.
std::optional<std::string> runTool(const std::string& program, const std::string& arguments,
                                   const std::filesystem::path& file, const std::string& trailing = "");

// The plain text of a PDF (pdftotext -layout), or nothing without pdftotext.
std::optional<std::string> pdfText(const std::filesystem::path& pdf);

// One word of pdftotext -bbox, in points from the top-left corner of the sheet.
struct PdfWord
{
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;
};

// The words of a PDF with their boxes, or nothing without pdftotext.
std::optional<std::vector<PdfWord>> pdfWords(const std::filesystem::path& pdf);

// The em box of a word of upright glyphs in a vertical (Identity-V) font, of `em` points. pdftotext boxes
// such a glyph as a horizontal one hung from the glyph's vertical origin (the middle of the top of its em
// box): half an em further right and one em higher than the em box the glyph is drawn in.
inline PdfWord uprightEmBox(PdfWord word, double em)
{
    word.xMin -= em / 2;
    word.xMax -= em / 2;
    word.yMin += em;
    word.yMax += em;
    return word;
}

// A fresh, empty folder for one test's files.
std::filesystem::path scratchFolder(const std::string& name);

} // namespace vantolex::testing

// Skips the test when the packaged face is not installed.
#define SKIP_WITHOUT_FAMILY(family)                                                                                    \
    do {                                                                                                               \
        if (!vantolex::isFamilyInstalled(family)) {                                                                    \
            GTEST_SKIP() << "the packaged font is not installed";                                                      \
        }                                                                                                              \
    } while (false)

#define SKIP_WITHOUT_PDFTOTEXT()                                                                                       \
    do {                                                                                                               \
        if (std::string(VANTOLEX_PDFTOTEXT).empty() || std::string(VANTOLEX_PDFTOTEXT).ends_with("NOTFOUND")) {        \
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";                                              \
        }                                                                                                              \
    } while (false)
