// Small PDF documents made with Cairo directly, for spooler tests that need a real PDF to send.
#pragma once

#include <string>
#include <vector>

namespace vantolex::test {

// A PDF with one A4 page per entry of `pageTexts`, each showing its text (ASCII) near the top.
std::string makeTestPdf(const std::vector<std::string>& pageTexts);

// The number of pages pdfinfo reports for `pdf`, -1 when it cannot tell.
int pdfPageCount(const std::string& pdf);

// The text pdftotext extracts from `pdf`.
std::string pdfText(const std::string& pdf);

// The words of `pdf` with their boxes in points from the sheet's top-left corner, as pdftotext -bbox writes
// them (XHTML).
std::string pdfBoundingBoxes(const std::string& pdf);

} // namespace vantolex::test
