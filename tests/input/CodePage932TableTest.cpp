// The committed code page 932 data is exactly what the generator makes of the committed best-fit table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/CodePage932TableGenerator.h"

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot open " << path;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

TEST(CodePage932Table, CommittedDataEqualsRegeneration)
{
    std::ifstream table(VANTOLEX_SOURCE_DIR "/data/cp932/bestfit932.txt", std::ios::binary);
    ASSERT_TRUE(table);
    const std::string generated = vantolex::tools::generateCodePage932Table(table);
    const std::string regenerated = VANTOLEX_BINARY_DIR "/CodePage932Table.cpp";
    std::ofstream(regenerated, std::ios::binary | std::ios::trunc) << generated;
    const std::string committed = readFile(VANTOLEX_SOURCE_DIR "/input/CodePage932Table.cpp");
    EXPECT_TRUE(generated == committed) << "input/CodePage932Table.cpp differs from " << regenerated
                                        << "; build the target regenerate_cp932_table";
    EXPECT_EQ(readFile(regenerated), committed);
}

TEST(CodePage932Table, GeneratorRejectsCountThatDisagreesWithRecords)
{
    std::istringstream table("CODEPAGE 932\nCPINFO 2 0x3f 0x30fb\nMBTABLE 2\n0x00 0x0000\nDBCSRANGE 0\n"
                             "WCTABLE 0\nENDCODEPAGE\n");
    EXPECT_THROW(vantolex::tools::generateCodePage932Table(table), std::runtime_error);
}

TEST(CodePage932Table, GeneratorRejectsTrailByteOutsideTheTrailRanges)
{
    std::istringstream table("CODEPAGE 932\nCPINFO 2 0x3f 0x30fb\nMBTABLE 0\nDBCSRANGE 1\n0x81 0x81\n"
                             "DBCSTABLE 1\n0x7f 0x3000\nWCTABLE 0\nENDCODEPAGE\n");
    EXPECT_THROW(vantolex::tools::generateCodePage932Table(table), std::runtime_error);
}

TEST(CodePage932Table, GeneratorKeepsOnlyRoundTripEncodings)
{
    std::istringstream table("CODEPAGE 932\nCPINFO 2 0x3f 0x30fb\nMBTABLE 2\n0x41 0x0041 ;A\n0x5c 0x005c\n"
                             "DBCSRANGE 1\n0x81 0x81 ;Lead Byte Range\nDBCSTABLE 1 ;LeadByte = 0x81\n0x40 0x3000\n"
                             "WCTABLE 4\n0x0041 0x41\n0x00a5 0x5c\n0x3000 0x8140\n0x3001 0x8140\nENDCODEPAGE\n");
    const std::string generated = vantolex::tools::generateCodePage932Table(table);
    EXPECT_NE(generated.find("{0x0041, 0x0041}, {0x3000, 0x8140},\n};"), std::string::npos) << generated;
    EXPECT_EQ(generated.find("0x00A5, 0x005C"), std::string::npos);
}

} // namespace
