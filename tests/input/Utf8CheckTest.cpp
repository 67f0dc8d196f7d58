#include <gtest/gtest.h>

#include <string>

#include "input/Utf8Check.h"

namespace vantolex {
namespace {

TEST(Utf8Check, TellsNonAsciiUtf8AtTheBoundariesOfEachForm)
{
    const struct
    {
        const char* name;
        std::string bytes;
        bool cutShort;
        bool expected;
    } rows[] = {
        { "empty", "", false, false },
        { "ASCII only", "plain text\r\n", false, false },
        { "two bytes, lowest", "a\xC2\x80", false, true },
        { "two bytes, highest", "\xDF\xBF", false, true },
        { "three bytes, lowest", "\xE0\xA0\x80", false, true },
        { "three bytes, last before the surrogates", "\xED\x9F\xBF", false, true },
        { "four bytes, lowest and highest", "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", false, true },
        { "Japanese", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", false, true },
        { "a byte-order mark",
          "\xEF\xBB\xBF"
          "abc",
          false, true },
        { "overlong two bytes", "\xC1\xBF", false, false },
        { "overlong three bytes", "\xE0\x9F\xBF", false, false },
        { "overlong four bytes", "\xF0\x8F\xBF\xBF", false, false },
        { "a surrogate", "\xED\xA0\x80", false, false },
        { "beyond U+10FFFF", "\xF4\x90\x80\x80", false, false },
        { "a lone continuation byte", "a\x80", false, false },
        { "a lead byte before ASCII",
          "\xE6\x97"
          "a",
          false, false },
        { "Shift JIS", "\x93\xFA\x96\x7B\x8C\xEA", false, false },
        { "half-width katakana in Shift JIS", "\xB6\xC0\xB6\xC5", false, false },
        { "cut at the end of the whole text", "\xE6\x97\xA5\xE6\x9C", false, false },
        { "cut at the end of a sample", "\xE6\x97\xA5\xE6\x9C", true, true },
        { "cut after a bad byte of a sample", "\xE6\x41", true, false },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::span bytes(reinterpret_cast<const unsigned char*>(row.bytes.data()), row.bytes.size());
        EXPECT_EQ(isNonAsciiUtf8(bytes, row.cutShort), row.expected);
    }
}

} // namespace
} // namespace vantolex
