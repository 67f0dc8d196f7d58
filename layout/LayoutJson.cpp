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

// The JSON of `value` as it stands `depth` levels deep in the document: the lines after the first indented by
// one space per level. Strings hold no raw line feed, so every line feed of the text is a line break.
std::string nested(const nlohmann::json& value, int depth)
{
    std::string text = value.dump(1);
    const std::string indent = "\n" + std::string(static_cast<std::size_t>(depth), ' ');
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == '\n')
            result += indent;
        else
            result += c;
    }
    return result;
}

nlohmann::json pageObject(const PageLayout& layout, const PageStore& store, int index)
{
    const PageNumbers numbers { index + 1, layout.totalPages };
    nlohmann::json lines = nlohmann::json::array();
    for (const LineRecord& record : store.pageLines(index))
        lines.push_back(
            { { "column", record.column }, { "line", record.lineInColumn }, { "text", toUtf8(record.text) } });
    return { { "footer", renderedLine(layout, TermListIndex::FooterLeft, numbers) },
             { "header", renderedLine(layout, TermListIndex::HeaderLeft, numbers) },
             { "lines", std::move(lines) },
             { "number", index + 1 } };
}

} // namespace

void writeLayoutJson(const PageLayout& layout, const PageStore& store,
                     const std::function<void(std::string_view)>& write)
{
    // The shape nlohmann::json::dump(1) gives the whole document, built one page at a time.
    write("{\n \"layout\": " + nested(layoutObject(layout), 1) + ",\n \"pages\": ");
    const int pages = store.pageCount();
    if (pages == 0)
        write("[]");
    for (int index = 0; index < pages; ++index) {
        const std::string page = nested(pageObject(layout, store, index), 2);
        write((index == 0 ? "[\n  " : ",\n  ") + page);
    }
    if (pages > 0)
        write("\n ]");
    write("\n}\n");
}

void writeLayoutJson(std::ostream& out, const PageLayout& layout, const PageStore& store)
{
    writeLayoutJson(layout, store, [&out](std::string_view text) { out << text; });
}

} // namespace vantolex
