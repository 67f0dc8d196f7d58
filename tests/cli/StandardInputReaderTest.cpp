#include <gtest/gtest.h>

#include <istream>
#include <sstream>
#include <streambuf>

#include "base/Errors.h"
#include "cli/StandardInputReader.h"
#include "input/EncodingIndex.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

using namespace std::string_literals;

// A stream of letters without end, like /dev/zero.
class EndlessLetters : public std::streambuf
{
protected:
    int_type underflow() override
    {
        std::fill(std::begin(m_chunk), std::end(m_chunk), 'a');
        setg(m_chunk, m_chunk, m_chunk + sizeof m_chunk);
        return traits_type::to_int_type('a');
    }

private:
    char m_chunk[4096];
};

TEST(StandardInputReader, AnEndlessInputIsRefusedOnceItPassesTheLimitOfAFile)
{
    EndlessLetters letters;
    std::istream in(&letters);
    const auto decoder = createEncoding(3);
    EXPECT_THROW_MESSAGE(StandardInputReader(in, *decoder, 100000), Error, u"ファイルが大きすぎます。");
}

// Standard input is spooled to a file without a name: a second pass reads the same text, and nothing is left in
// the temporary folder.
TEST(StandardInputReader, ReadsTheSpooledInputAgainAfterRewind)
{
    std::istringstream in("\xFF\xFE"
                          "a\0\r\0\n\0b\0"s);
    const auto decoder = createEncoding(1);
    StandardInputReader reader(in, *decoder);
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(reader.nextLine());
        EXPECT_EQ(std::u16string(reader.currentLine().text), u"a");
        ASSERT_TRUE(reader.nextLine());
        EXPECT_EQ(std::u16string(reader.currentLine().text), u"b");
        EXPECT_FALSE(reader.nextLine());
        reader.rewind();
    }
}

TEST(StandardInputReader, OddLengthUnderUtf16IsRefusedWhenTheInputIsRead)
{
    std::istringstream in("abc");
    const auto decoder = createEncoding(2);
    EXPECT_THROW_MESSAGE(StandardInputReader(in, *decoder), Error, u"入力データがUTF-16ではない。");
}

} // namespace
} // namespace vantolex
