#include "layout/LayoutJson.h"

#include <nlohmann/json.hpp>

#include "base/Utf16.h"
#include "layout/Term.h"

namespace vantolex {

namespace {

nlohmann::json layoutObject(const PageLayout& layout)
{
    return {
        { "pageWidth", layout.pageWidth },
        { "pageHeight", layout.pageHeight },
        { "areaWidth", layout.areaWidth },
        { "areaHeight", layout.areaHeight },
        { "dpiX", layout.dpiX },
        { "dpiY", layout.dpiY },
        { "originX", layout.originX },
        { "originY", layout.originY },
        { "columnLength", layout.columnLength },
        { "columnGap", layout.columnGap },
        { "halfCell", layout.halfCell },
        { "charHeight", layout.charHeight },
        { "pointSize", layout.pointSize },
        { "lineGap", layout.lineGap },
        { "cellsPerLine", layout.cellsPerLine },
        { "columnLines", layout.columnLines },
        { "lastLine", layout.lastLine },
        { "hasHeader", layout.hasHeader },
        { "hasFooter", layout.hasFooter },
        { "fileName", toUtf8(layout.fileName) },
        { "totalPages", layout.totalPages },
    };
}

nlohmann::json renderedLine(const PageLayout& layout, int first, const PageNumbers& numbers)
{
    nlohmann::json texts = nlohmann::json::array();
    for (int part = 0; part < 3; ++part)
        texts.push_back(toUtf8(renderTerms(layout.termLists[first + part], numbers)));
    return texts;
}

} // namespace

void writeLayoutJson(std::ostream& out, const PageLayout& layout, const PageStore& store)
{
    nlohmann::json pages = nlohmann::json::array();
    for (int index = 0; index < store.pageCount(); ++index) {
        const PageNumbers numbers { index + 1, layout.totalPages };
        nlohmann::json lines = nlohmann::json::array();
        for (const LineRecord& record : store.pageLines(index))
            lines.push_back(
                { { "column", record.column }, { "line", record.lineInColumn }, { "text", toUtf8(record.text) } });
        pages.push_back({ { "number", index + 1 },
                          { "header", renderedLine(layout, TermListIndex::HeaderLeft, numbers) },
                          { "footer", renderedLine(layout, TermListIndex::FooterLeft, numbers) },
                          { "lines", std::move(lines) } });
    }
    const nlohmann::json document = { { "layout", layoutObject(layout) }, { "pages", std::move(pages) } };
    out << document.dump(1) << '\n';
}

} // namespace vantolex
