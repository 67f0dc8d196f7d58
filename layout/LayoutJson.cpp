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

nlohmann::json pageObject(const PageLayout& layout, int index, const std::vector<LineRecord>& records)
{
    const PageNumbers numbers { index + 1, layout.totalPages };
    nlohmann::json lines = nlohmann::json::array();
    for (const LineRecord& record : records)
        lines.push_back(
            { { "column", record.column }, { "line", record.lineInColumn }, { "text", toUtf8(record.text) } });
    return { { "footer", renderedLine(layout, TermListIndex::FooterLeft, numbers) },
             { "header", renderedLine(layout, TermListIndex::HeaderLeft, numbers) },
             { "lines", std::move(lines) },
             { "number", index + 1 } };
}

} // namespace

LayoutJsonWriter::LayoutJsonWriter(const PageLayout& layout, std::function<void(std::string_view)> write)
    : m_layout(layout)
    , m_write(std::move(write))
{
}

void LayoutJsonWriter::begin()
{
    // The shape nlohmann::json::dump(1) gives the whole document, built one page at a time.
    m_write("{\n \"layout\": " + nested(layoutObject(m_layout), 1) + ",\n \"pages\": ");
}

void LayoutJsonWriter::page(int index, const std::vector<LineRecord>& lines)
{
    const std::string page = nested(pageObject(m_layout, index, lines), 2);
    m_write((m_pages == 0 ? "[\n  " : ",\n  ") + page);
    ++m_pages;
}

void LayoutJsonWriter::end()
{
    m_write(m_pages == 0 ? "[]" : "\n ]");
    m_write("\n}\n");
}

void writeLayoutJson(const PageLayout& layout, const PageStore& store,
                     const std::function<void(std::string_view)>& write)
{
    LayoutJsonWriter writer(layout, write);
    writer.begin();
    for (int index = 0; index < store.pageCount(); ++index) {
        const LineRange range = store.pageLines(index);
        writer.page(index, std::vector<LineRecord>(range.begin(), range.end()));
    }
    writer.end();
}

void writeLayoutJson(std::ostream& out, const PageLayout& layout, const PageStore& store)
{
    writeLayoutJson(layout, store, [&out](std::string_view text) { out << text; });
}

} // namespace vantolex
