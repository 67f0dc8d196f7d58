// The laid-out document as JSON: the page layout and, page by page, the rendered header and footer and the
// display lines at their grid positions.
#pragma once

#include <functional>
#include <ostream>
#include <string_view>
#include <vector>

#include "layout/PageLayout.h"
#include "layout/PageStore.h"

namespace vantolex {

// Writes the document of writeLayoutJson a page at a time, for an output that holds one page only: begin(),
// then page() for every page in order, then end().
class LayoutJsonWriter
{
public:
    // `layout` (with its totalPages) must outlive the writer.
    LayoutJsonWriter(const PageLayout& layout, std::function<void(std::string_view)> write);

    void begin();
    // The page numbered `index` + 1 with `lines`.
    void page(int index, const std::vector<LineRecord>& lines);
    void end();

private:
    const PageLayout& m_layout;
    std::function<void(std::string_view)> m_write;
    int m_pages = 0; // written so far
};

// Writes { "layout": {...}, "pages": [ { "number", "header", "footer", "lines": [...] } ] } in UTF-8, keys in
// alphabetical order and one space of indentation per level. Every page of the store is listed, empty ones
// included; the templates are rendered with layout.totalPages. The text is handed to `write` in pieces, one
// page at a time, so that the document is never held whole.
void writeLayoutJson(const PageLayout& layout, const PageStore& store,
                     const std::function<void(std::string_view)>& write);

// The same into `out`.
void writeLayoutJson(std::ostream& out, const PageLayout& layout, const PageStore& store);

} // namespace vantolex
