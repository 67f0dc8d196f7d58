#include <gtest/gtest.h>

#include <string>

#include "render/fonts/CffCharset.h"

namespace vantolex {
namespace {

// A CFF table of three glyphs (empty charstrings) whose top dictionary names `charset` (the bytes of the
// charset, its format first) and, when `cidKeyed`, a registry-ordering-supplement.
std::string cffTable(bool cidKeyed, const std::string& charset)
{
    std::string top;
    if (cidKeyed) {
        top += std::string("\x1c\x00\x00\x1c\x00\x01\x1c\x00\x00\x0c\x1e", 11);
    }
    const int charsetOffset = 4 + 6 + (5 + static_cast<int>(top.size()) + 8) + 2 + 2;
    const int charStringsOffset = charsetOffset + static_cast<int>(charset.size());
    top += std::string { '\x1c', static_cast<char>(charsetOffset >> 8), static_cast<char>(charsetOffset), '\x0f' };
    top += std::string { '\x1c', static_cast<char>(charStringsOffset >> 8), static_cast<char>(charStringsOffset),
                         '\x11' };
    std::string table("\x01\x00\x04\x04", 4); // header
    table += std::string("\x00\x01\x01\x01\x02"
                         "A",
                         6); // name INDEX
    table += std::string("\x00\x01\x01\x01", 4) + static_cast<char>(1 + top.size()) + top; // top DICT INDEX
    table += std::string("\x00\x00\x00\x00", 4); // string INDEX, global subroutine INDEX
    table += charset;
    table += std::string("\x00\x03\x01\x01\x02\x03\x04\x0e\x0e\x0e", 10); // charstrings INDEX
    return table;
}

TEST(CffCharset, GivesTheCidOfEachGlyphOfACidKeyedProgram)
{
    struct Row
    {
        const char* name;
        bool cidKeyed;
        std::string charset;
        bool readsAsCidKeyed;
        std::vector<std::uint16_t> cids;
    };
    const Row rows[] = {
        { "format 0", true, std::string("\x00\x00\x05\x00\x07", 5), true, { 0, 5, 7 } },
        { "format 1", true, std::string("\x01\x00\x05\x01", 4), true, { 0, 5, 6 } },
        { "format 2", true, std::string("\x02\x00\x05\x00\x01", 5), true, { 0, 5, 6 } },
        { "CIDs are the glyph ids", true, std::string("\x00\x00\x01\x00\x02", 5), true, {} },
        { "not CID-keyed", false, std::string("\x00\x00\x05\x00\x07", 5), false, {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto charset = readCffCharset(cffTable(row.cidKeyed, row.charset));
        ASSERT_TRUE(charset);
        EXPECT_EQ(charset->cidKeyed, row.readsAsCidKeyed);
        EXPECT_EQ(charset->cids, row.cids);
    }
    EXPECT_FALSE(readCffCharset(cffTable(true, std::string("\x00\x00\x05\x00\x07", 5)).substr(0, 40)));
    EXPECT_FALSE(readCffCharset(""));
}

} // namespace
} // namespace vantolex
