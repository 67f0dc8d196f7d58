#include "tools/CodePage932TableGenerator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace vantolex::tools {
namespace {

constexpr int trailFirst = 0x40;
constexpr int trailLast = 0xFC;
constexpr int trailCount = trailLast - trailFirst + 1;

bool isTrailByte(int byte)
{
    return byte >= trailFirst && byte <= trailLast && byte != 0x7F;
}

// The data fields of the table's lines, comments (after ';') and blank lines dropped, with line numbers.
class TableLines
{
public:
    explicit TableLines(std::istream& input)
    {
        std::string line;
        int number = 0;
        while (std::getline(input, line)) {
            ++number;
            if (const auto comment = line.find(';'); comment != std::string::npos)
                line.erase(comment);
            std::vector<std::string> fields;
            std::istringstream words(line);
            for (std::string word; words >> word;)
                fields.push_back(word);
            if (!fields.empty())
                m_lines.push_back({ number, std::move(fields) });
        }
    }

    bool atEnd() const { return m_next == m_lines.size(); }

    // The next line's fields, which must be `count` in number.
    const std::vector<std::string>& next(std::size_t count)
    {
        if (atEnd())
            throw std::runtime_error("unexpected end of the table");
        const Line& line = m_lines[m_next++];
        m_number = line.number;
        if (line.fields.size() != count)
            fail("expected " + std::to_string(count) + " fields");
        return line.fields;
    }

    const std::string& peekKeyword() const
    {
        if (atEnd())
            throw std::runtime_error("unexpected end of the table");
        return m_lines[m_next].fields.front();
    }

    [[noreturn]] void fail(const std::string& what) const
    {
        throw std::runtime_error("line " + std::to_string(m_number) + ": " + what);
    }

    int number(const std::string& field, int limit) const
    {
        std::size_t used = 0;
        long value = -1;
        try {
            value = std::stol(field, &used, 0);
        } catch (const std::exception&) {
            fail("not a number: " + field);
        }
        if (used != field.size() || value < 0 || value > limit)
            fail("number out of range: " + field);
        return static_cast<int>(value);
    }

    void expectKeyword(const std::vector<std::string>& fields, std::string_view keyword) const
    {
        if (fields.front() != keyword)
            fail("expected " + std::string(keyword));
    }

private:
    struct Line
    {
        int number;
        std::vector<std::string> fields;
    };
    std::vector<Line> m_lines;
    std::size_t m_next = 0;
    int m_number = 0;
};

struct Table
{
    int defaultUnit = 0;
    std::array<std::optional<int>, 256> singleBytes {};
    std::vector<int> leadBytes; // in row order
    std::vector<std::array<std::optional<int>, 256>> doubleBytes; // per row, indexed by trail
    std::vector<std::pair<int, int>> wideChars; // unit, code in table order
};

Table readTable(std::istream& input)
{
    TableLines lines(input);
    Table table;

    auto fields = lines.next(2);
    lines.expectKeyword(fields, "CODEPAGE");
    if (lines.number(fields[1], 0xFFFF) != 932)
        lines.fail("not code page 932");

    fields = lines.next(4);
    lines.expectKeyword(fields, "CPINFO");
    if (lines.number(fields[1], 2) != 2)
        lines.fail("not a double-byte code page");
    table.defaultUnit = lines.number(fields[3], 0xFFFF);

    fields = lines.next(2);
    lines.expectKeyword(fields, "MBTABLE");
    const int singleCount = lines.number(fields[1], 256);
    for (int i = 0; i < singleCount; ++i) {
        const auto& record = lines.next(2);
        const int byte = lines.number(record[0], 0xFF);
        if (table.singleBytes[byte])
            lines.fail("byte mapped twice");
        table.singleBytes[byte] = lines.number(record[1], 0xFFFF);
    }

    fields = lines.next(2);
    lines.expectKeyword(fields, "DBCSRANGE");
    const int rangeCount = lines.number(fields[1], 256);
    for (int range = 0; range < rangeCount; ++range) {
        const auto& bounds = lines.next(2);
        const int first = lines.number(bounds[0], 0xFF);
        const int last = lines.number(bounds[1], 0xFF);
        if (first > last || first < 0x80)
            lines.fail("bad lead byte range");
        for (int lead = first; lead <= last; ++lead) {
            if (table.singleBytes[lead])
                lines.fail("lead byte also mapped as a single byte");
            const auto& header = lines.next(2);
            lines.expectKeyword(header, "DBCSTABLE");
            const int pairCount = lines.number(header[1], 256);
            table.leadBytes.push_back(lead);
            auto& row = table.doubleBytes.emplace_back();
            for (int i = 0; i < pairCount; ++i) {
                const auto& record = lines.next(2);
                const int trail = lines.number(record[0], 0xFF);
                if (!isTrailByte(trail))
                    lines.fail("trail byte outside 0x40-0x7E and 0x80-0xFC");
                if (row[trail])
                    lines.fail("pair mapped twice");
                row[trail] = lines.number(record[1], 0xFFFF);
            }
        }
    }

    fields = lines.next(2);
    lines.expectKeyword(fields, "WCTABLE");
    const int wideCount = lines.number(fields[1], 0x10000);
    for (int i = 0; i < wideCount; ++i) {
        const auto& record = lines.next(2);
        table.wideChars.emplace_back(lines.number(record[0], 0xFFFF), lines.number(record[1], 0xFFFF));
    }
    lines.expectKeyword(lines.next(1), "ENDCODEPAGE");
    if (!lines.atEnd())
        lines.fail("data after ENDCODEPAGE");
    return table;
}

// The unit that `code` decodes to, when the table maps it.
std::optional<int> decodeCode(const Table& table, int code)
{
    if (code < 0x100)
        return table.singleBytes[code];
    for (std::size_t row = 0; row < table.leadBytes.size(); ++row) {
        if (table.leadBytes[row] == code >> 8)
            return table.doubleBytes[row][code & 0xFF];
    }
    return std::nullopt;
}

class Writer
{
public:
    void text(std::string_view value) { m_out += value; }

    void hexList(const std::vector<int>& values, int digits)
    {
        char item[16];
        for (std::size_t i = 0; i < values.size(); ++i) {
            text(i % 12 == 0 ? "\n    " : " ");
            std::snprintf(item, sizeof item, "0x%0*X,", digits, values[i]);
            text(item);
        }
        text("\n");
    }

    std::string take() { return std::move(m_out); }

private:
    std::string m_out;
};

} // namespace

std::string generateCodePage932Table(std::istream& bestFitTable)
{
    const Table table = readTable(bestFitTable);
    const int rows = static_cast<int>(table.leadBytes.size());

    std::vector<int> singles;
    std::vector<int> leadRows(256, 0);
    for (int byte = 0; byte < 256; ++byte)
        singles.push_back(table.singleBytes[byte].value_or(table.defaultUnit));
    for (int row = 0; row < rows; ++row)
        leadRows[table.leadBytes[row]] = row + 1;

    std::vector<int> pairs;
    for (int row = 0; row < rows; ++row) {
        for (int trail = trailFirst; trail <= trailLast; ++trail)
            pairs.push_back(table.doubleBytes[row][trail].value_or(table.defaultUnit));
    }

    // Only the mappings that decode back to their unit, so that encoding never changes a character. The
    // table has one entry per unit, which settles units that several codes decode to (U+FFE2 is 0x81CA).
    std::vector<std::pair<int, int>> encodings;
    for (const auto& [unit, code] : table.wideChars) {
        if (decodeCode(table, code) == unit)
            encodings.emplace_back(unit, code);
    }
    std::sort(encodings.begin(), encodings.end());
    for (std::size_t i = 1; i < encodings.size(); ++i) {
        if (encodings[i].first == encodings[i - 1].first)
            throw std::runtime_error("WCTABLE maps a unit twice");
    }

    Writer out;
    out.text("// Generated by tools/GenerateCodePage932Table from data/cp932/bestfit932.txt. Do not edit:\n"
             "// build the target regenerate_cp932_table instead.\n"
             "// clang-format off\n"
             "#include \"input/CodePage932Table.h\"\n\n"
             "namespace vantolex::cp932::table {\n\n");
    char line[128];
    std::snprintf(line, sizeof line, "const char16_t defaultUnit = 0x%04X;\n\n", table.defaultUnit);
    out.text(line);
    out.text("const char16_t singleByteUnits[256] = {");
    out.hexList(singles, 4);
    out.text("};\n\nconst std::uint8_t leadRows[256] = {");
    out.hexList(leadRows, 2);
    out.text("};\n\n");
    std::snprintf(line, sizeof line, "static_assert(leadRowCount == %d && trailCount == %d);\n\n", rows, trailCount);
    out.text(line);
    out.text("const char16_t doubleByteUnits[leadRowCount * trailCount] = {");
    out.hexList(pairs, 4);
    out.text("};\n\nconst EncodeEntry encodeEntries[] = {");
    for (std::size_t i = 0; i < encodings.size(); ++i) {
        std::snprintf(line, sizeof line, "%s{0x%04X, 0x%04X},", i % 6 == 0 ? "\n    " : " ", encodings[i].first,
                      encodings[i].second);
        out.text(line);
    }
    out.text("\n};\n\nconst std::size_t encodeEntryCount = sizeof encodeEntries / sizeof encodeEntries[0];\n\n"
             "} // namespace vantolex::cp932::table\n");
    return out.take();
}

} // namespace vantolex::tools
