// Real Japanese text in all six encodings, decoded by our decoders and by glibc's iconv from the same bytes.
#include <gtest/gtest.h>

#include "input/DecodeHelpers.h"
#include "input/EncodingEUC.h"
#include "input/EncodingJIS.h"
#include "input/EncodingUTF16.h"
#include "input/IconvOracle.h"
#include "input/JapaneseSample.h"

namespace vantolex {
namespace {

const std::u16string allCharacters = std::u16string(japaneseCommonSample) + japaneseIbmSample;

// Bytes made by iconv, decoded by ours and by iconv.
void expectAgreement(const Encoding& ours, const char* iconvName, const std::u16string& text)
{
    SCOPED_TRACE(iconvName);
    const auto bytes = iconvEncode(iconvName, text);
    ASSERT_TRUE(bytes.has_value());
    const auto expected = IconvOracle(iconvName).convert(*bytes);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(decodeWith(ours, *bytes), *expected);
}

TEST(DecodeAgainstIconv, Utf8AndBothUtf16ByteOrders)
{
    expectAgreement(EncodingUTF8(), "UTF-8", allCharacters);
    expectAgreement(EncodingUTF16(true), "UTF-16LE", allCharacters);
    expectAgreement(EncodingUTF16(false), "UTF-16BE", allCharacters);
    // The decoders keep their text's characters exactly.
    EXPECT_EQ(decodeWith(EncodingUTF8(), *iconvEncode("UTF-8", allCharacters)), allCharacters);
}

TEST(DecodeAgainstIconv, ShiftJisAsCodePage932)
{
    expectAgreement(EncodingSJIS(), "CP932", allCharacters);
    // Code page 932 decodes 0x817C as U+FF0D; the text had U+2212, which iconv writes as 0x817C.
    const auto decoded = decodeWith(EncodingSJIS(), *iconvEncode("CP932", u"−～￢∥①㈱∑髙﨑"));
    EXPECT_EQ(decoded, u"－～￢∥①㈱∑髙﨑");
}

TEST(DecodeAgainstIconv, EucJpAgainstTheMicrosoftFlavourOfEucJp)
{
    // Through code page 932, EUC-JP decodes as glibc's EUC-JP-MS does (～ is U+FF5E, not U+301C).
    expectAgreement(EncodingEUC(), "EUC-JP-MS", japaneseCommonSample);
}

// ISO-2022-JP bytes of EUC-JP bytes: two-byte codes in Kanji mode, single-shift katakana in Kana mode.
std::string jisOfEuc(const std::string& euc)
{
    enum class Mode
    {
        Roman,
        Kanji,
        Kana
    } mode
        = Mode::Roman;
    std::string jis;
    auto select = [&](Mode wanted, const char* sequence) {
        if (mode != wanted)
            jis += sequence;
        mode = wanted;
    };
    for (std::size_t i = 0; i < euc.size(); ++i) {
        const auto byte = static_cast<unsigned char>(euc[i]);
        if (byte < 0x80) {
            select(Mode::Roman, "\x1B(B");
            jis.push_back(static_cast<char>(byte));
        } else if (byte == 0x8E) {
            select(Mode::Kana, "\x1B(I");
            jis.push_back(static_cast<char>(euc[++i] & 0x7F));
        } else {
            select(Mode::Kanji, "\x1B$B");
            jis.push_back(static_cast<char>(byte & 0x7F));
            jis.push_back(static_cast<char>(euc[++i] & 0x7F));
        }
    }
    select(Mode::Roman, "\x1B(B");
    return jis;
}

TEST(DecodeAgainstIconv, Iso2022JpWithKanaAndExtensions)
{
    const auto euc = iconvEncode("EUC-JP-MS", japaneseCommonSample);
    ASSERT_TRUE(euc.has_value());
    EXPECT_EQ(decodeWith(EncodingJIS(), jisOfEuc(*euc)), IconvOracle("EUC-JP-MS").convert(*euc));
}

TEST(DecodeAgainstIconv, Iso2022JpOfPlainJisGivesTheCodePage932Characters)
{
    // iconv's own ISO-2022-JP, JIS X 0208 only. Its table maps four codes differently from code page 932,
    // which our decoder follows: 0x2141, 0x2142, 0x215D and 0x224C.
    std::u16string text;
    for (const char16_t unit : std::u16string_view(japaneseCommonSample)) {
        if (unit < 0xFF61 || unit > 0xFF9F) // no half-width katakana in plain ISO-2022-JP
            text.push_back(unit);
    }
    text += u"〜‖−¬";
    std::u16string expected = text;
    for (char16_t& unit : expected) {
        switch (unit) {
        case u'〜':
            unit = u'～';
            break;
        case u'‖':
            unit = u'∥';
            break;
        case u'−':
            unit = u'－';
            break;
        case u'¬':
            unit = u'￢';
            break;
        default:
            break;
        }
    }
    // Characters outside JIS X 0208 (the NEC row 13, ～ itself) are not in iconv's table: drop them.
    std::u16string encodable;
    std::u16string encodableExpected;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (iconvEncode("ISO-2022-JP", text.substr(i, 1))) {
            encodable.push_back(text[i]);
            encodableExpected.push_back(expected[i]);
        }
    }
    const auto bytes = iconvEncode("ISO-2022-JP", encodable);
    ASSERT_TRUE(bytes.has_value());
    const auto theirs = IconvOracle("ISO-2022-JP").convert(*bytes);
    ASSERT_EQ(theirs, encodable);
    EXPECT_EQ(decodeWith(EncodingJIS(), *bytes), encodableExpected);
    EXPECT_GT(encodable.size(), 150u);
}

} // namespace
} // namespace vantolex
