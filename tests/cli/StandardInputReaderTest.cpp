#include <gtest/gtest.h>

#include <istream>
#include <streambuf>

#include "base/Errors.h"
#include "cli/StandardInputReader.h"
#include "input/EncodingIndex.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

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

} // namespace
} // namespace vantolex
