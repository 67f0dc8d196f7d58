// The laid-out document as JSON: the page layout and, page by page, the rendered header and footer and the
// display lines at their grid positions.
#pragma once

#include <ostream>

#include "layout/PageLayout.h"
#include "layout/PageStore.h"

namespace vantolex {

// Writes { "layout": {...}, "pages": [ { "number", "header", "footer", "lines": [...] } ] } in UTF-8. Every
// page of the store is listed, empty ones included; the templates are rendered with layout.totalPages.
void writeLayoutJson(std::ostream& out, const PageLayout& layout, const PageStore& store);

} // namespace vantolex
