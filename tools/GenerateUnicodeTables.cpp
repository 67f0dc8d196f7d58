// Builds PrintableSet and DoubleWidthSet, and the supplementary ranges SupplementaryPrintable and
// SupplementaryWide (base/UnicodeTablesData.cpp), from the Unicode 5.2 character database.
//
//     vantolex_generate_unicode_tables UnicodeData.txt EastAsianWidth.txt OUTPUT.cpp
//
// A 16-bit code unit is printable when UnicodeData.txt assigns it a general category other than Cc, Cf, Cs
// and Co (unlisted units are unassigned, Cn, and not printable); it is double-width when it is printable and
// its East_Asian_Width is W, F or A (unlisted units are N). Ranges written as "<..., First>" / "<..., Last>"
// line pairs in UnicodeData.txt and as "XXXX..YYYY" in EastAsianWidth.txt cover every unit between their
// ends. Above U+FFFF the same printable rule gives SupplementaryPrintable, and SupplementaryWide holds the
// printable code points whose East_Asian_Width is W or F (not A: the ambiguous ones up there are private use
// and variation selectors). A malformed line stops the program with its number.
#include <bitset>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr long unitCount = 0x10000;
constexpr long lastCodePoint = 0x10FFFF;

// Every code point, so that the supplementary planes are read along with the 16-bit units.
using UnitSet = std::bitset<lastCodePoint + 1>;

struct InputError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const auto separator = line.find(';');
        fields.push_back(trimmed(line.substr(0, separator)));
        if (separator == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(separator + 1);
    }
}

// A code point written as 4 to 6 hexadecimal digits, at most U+10FFFF; nothing for anything else.
std::optional<long> parseCodePoint(std::string_view text)
{
    if (text.size() < 4 || text.size() > 6) {
        return std::nullopt;
    }
    long value = 0;
    for (const char digit : text) {
        int digitValue = 0;
        if (digit >= '0' && digit <= '9') {
            digitValue = digit - '0';
        } else if (digit >= 'A' && digit <= 'F') {
            digitValue = digit - 'A' + 10;
        } else if (digit >= 'a' && digit <= 'f') {
            digitValue = digit - 'a' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + digitValue;
    }
    if (value > lastCodePoint) {
        return std::nullopt;
    }
    return value;
}

[[noreturn]] void fail(const std::string& fileName, long lineNumber, const std::string& what)
{
    throw InputError(fileName + ":" + std::to_string(lineNumber) + ": " + what);
}

void setRange(UnitSet& set, long first, long last)
{
    for (long code = first; code <= last; ++code) {
        set.set(static_cast<std::size_t>(code));
    }
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The units whose general category is neither Cn (unlisted) nor Cc, Cf, Cs, Co.
UnitSet readPrintable(const std::string& fileName)
{
    std::ifstream input(fileName, std::ios::binary);
    if (!input) {
        throw InputError(fileName + ": cannot be opened");
    }
    UnitSet printable;
    long rangeStart = -1; // code point of a pending "<..., First>" line; -1 when none
    std::string rangeCategory;
    long previous = -1;
    long lineNumber = 0;
    std::string line;
    while (std::getline(input, line)) {
        ++lineNumber;
        if (trimmed(line).empty()) {
            continue;
        }
        const auto fields = splitFields(line);
        if (fields.size() != 15) {
            fail(fileName, lineNumber, "expected 15 fields");
        }
        const auto code = parseCodePoint(fields[0]);
        if (!code) {
            fail(fileName, lineNumber, "bad code point");
        }
        if (*code <= previous) {
            fail(fileName, lineNumber, "code points out of order");
        }
        previous = *code;
        const std::string_view name = fields[1];
        const std::string_view category = fields[2];
        if (category.size() != 2) {
            fail(fileName, lineNumber, "bad general category");
        }
        const bool isPrintableCategory = category != "Cc" && category != "Cf" && category != "Cs" && category != "Co";
        if (endsWith(name, ", First>")) {
            if (rangeStart >= 0) {
                fail(fileName, lineNumber, "range start inside a range");
            }
            rangeStart = *code;
            rangeCategory = category;
            continue;
        }
        if (endsWith(name, ", Last>")) {
            if (rangeStart < 0 || rangeCategory != category) {
                fail(fileName, lineNumber, "range end without a matching start");
            }
            if (isPrintableCategory) {
                setRange(printable, rangeStart, *code);
            }
            rangeStart = -1;
            continue;
        }
        if (rangeStart >= 0) {
            fail(fileName, lineNumber, "range start without an end");
        }
        if (isPrintableCategory) {
            setRange(printable, *code, *code);
        }
    }
    if (rangeStart >= 0) {
        fail(fileName, lineNumber, "range start without an end");
    }
    if (lineNumber == 0) {
        throw InputError(fileName + ": empty");
    }
    return printable;
}

struct WidthSets
{
    UnitSet wideOrAmbiguous; // W, F or A
    UnitSet wide; // W or F
};

// The code points whose East_Asian_Width is W, F or A, and those whose width is W or F.
WidthSets readWidths(const std::string& fileName)
{
    std::ifstream input(fileName, std::ios::binary);
    if (!input) {
        throw InputError(fileName + ": cannot be opened");
    }
    WidthSets widths;
    long lineNumber = 0;
    long entries = 0;
    std::string line;
    while (std::getline(input, line)) {
        ++lineNumber;
        std::string_view content = line;
        content = trimmed(content.substr(0, content.find('#')));
        if (content.empty()) {
            continue;
        }
        const auto fields = splitFields(content);
        if (fields.size() != 2) {
            fail(fileName, lineNumber, "expected 2 fields");
        }
        std::string_view range = fields[0];
        const auto dots = range.find("..");
        const auto first = parseCodePoint(range.substr(0, dots));
        const auto last = dots == std::string_view::npos ? first : parseCodePoint(range.substr(dots + 2));
        if (!first || !last || *last < *first) {
            fail(fileName, lineNumber, "bad code point range");
        }
        const std::string_view width = fields[1];
        if (width == "W" || width == "F") {
            setRange(widths.wide, *first, *last);
            setRange(widths.wideOrAmbiguous, *first, *last);
        } else if (width == "A") {
            setRange(widths.wideOrAmbiguous, *first, *last);
        } else if (width != "N" && width != "Na" && width != "H") {
            fail(fileName, lineNumber, "bad East_Asian_Width value");
        }
        ++entries;
    }
    if (entries == 0) {
        throw InputError(fileName + ": no entries");
    }
    return widths;
}

void writeTable(std::ostream& output, const char* name, const UnitSet& set)
{
    output << "const std::uint8_t " << name << "[8192] = {\n";
    for (long byteIndex = 0; byteIndex < unitCount / 8; ++byteIndex) {
        unsigned value = 0;
        for (int bit = 0; bit < 8; ++bit) {
            if (set.test(static_cast<std::size_t>(byteIndex * 8 + bit))) {
                value |= 1U << bit;
            }
        }
        char text[8];
        std::snprintf(text, sizeof text, "0x%02x,", value);
        output << (byteIndex % 16 == 0 ? "    " : " ") << text;
        if (byteIndex % 16 == 15) {
            output << " // U+" << std::uppercase << std::hex;
            output.width(4);
            output.fill('0');
            output << (byteIndex - 15) * 8 << std::dec << '\n';
        }
    }
    output << "};\n";
}

// The supplementary code points of `set` as a sorted list of closed ranges.
void writeRanges(std::ostream& output, const char* name, const UnitSet& set)
{
    std::vector<std::pair<long, long>> ranges;
    for (long code = unitCount; code <= lastCodePoint; ++code) {
        if (!set.test(static_cast<std::size_t>(code))) {
            continue;
        }
        if (!ranges.empty() && ranges.back().second == code - 1) {
            ranges.back().second = code;
        } else {
            ranges.emplace_back(code, code);
        }
    }
    output << "const CodePointRange " << name << "[] = {\n";
    for (const auto& [first, last] : ranges) {
        // The count in a trailing comment keeps one range a line, as clang-format leaves the tables above.
        char text[64];
        std::snprintf(text, sizeof text, "    { 0x%05lX, 0x%05lX }, // %ld\n", first, last, last - first + 1);
        output << text;
    }
    output << "};\nconst int " << name << "Count = " << ranges.size() << ";\n";
}

long supplementaryCount(const UnitSet& set)
{
    long count = 0;
    for (long code = unitCount; code <= lastCodePoint; ++code) {
        count += set.test(static_cast<std::size_t>(code)) ? 1 : 0;
    }
    return count;
}

std::string generatedSource(const UnitSet& printable, const UnitSet& doubleWidth, const UnitSet& wide)
{
    const long printableUnits = static_cast<long>(printable.count()) - supplementaryCount(printable);
    const long doubleWidthUnits = static_cast<long>(doubleWidth.count()) - supplementaryCount(doubleWidth);
    std::ostringstream output;
    output << "// Generated by tools/GenerateUnicodeTables.cpp from data/unicode-5.2/UnicodeData.txt and\n"
              "// data/unicode-5.2/EastAsianWidth.txt. Do not edit: rebuild with the target\n"
              "// vantolex_regenerate_unicode_tables. Bit (c % 8) of byte (c / 8) belongs to code unit c.\n"
              "//\n"
              "// PrintableSet: units assigned in Unicode 5.2 whose general category is none of Cc, Cf, Cs, Co ("
           << printableUnits
           << " units).\n"
              "// DoubleWidthSet: printable units whose East_Asian_Width is W, F or A ("
           << doubleWidthUnits
           << " units).\n"
              "// SupplementaryPrintable: code points above U+FFFF by the same rule ("
           << supplementaryCount(printable)
           << ").\n"
              "// SupplementaryWide: printable code points above U+FFFF whose East_Asian_Width is W or F ("
           << supplementaryCount(printable & wide)
           << ").\n"
              "#include \"base/UnicodeTables.h\"\n"
              "\n"
              "namespace vantolex {\n"
              "\n";
    writeTable(output, "PrintableSet", printable);
    output << '\n';
    writeTable(output, "DoubleWidthSet", doubleWidth);
    output << '\n';
    writeRanges(output, "SupplementaryPrintable", printable);
    output << '\n';
    writeRanges(output, "SupplementaryWide", printable & wide);
    output << "\n} // namespace vantolex\n";
    return output.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: " << argv[0] << " UnicodeData.txt EastAsianWidth.txt OUTPUT.cpp\n";
        return 64;
    }
    try {
        const auto printable = std::make_unique<UnitSet>(readPrintable(argv[1]));
        const auto widths = std::make_unique<WidthSets>(readWidths(argv[2]));
        const auto doubleWidth = std::make_unique<UnitSet>(*printable & widths->wideOrAmbiguous);
        const std::string source = generatedSource(*printable, *doubleWidth, widths->wide);
        std::ofstream output(argv[3], std::ios::binary | std::ios::trunc);
        output << source;
        output.close();
        if (!output) {
            std::cerr << argv[3] << ": cannot be written\n";
            return 1;
        }
    } catch (const InputError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
