#include "e2e/SampleEncodings.h"

#include <stdexcept>

#include "input/IconvOracle.h"

namespace vantolex {

namespace {

std::string encodeWith(const char* encoding, std::u16string_view text)
{
    auto bytes = iconvEncode(encoding, text);
    if (!bytes)
        throw std::runtime_error(std::string("iconv cannot write the sample in ") + encoding);
    return *bytes;
}

// The code page 932 pair of `unit` in rows 89-92 (lead bytes ED and EE): the NEC-selected duplicate of an IBM
// extension character, which iconv writes in the IBM rows (lead bytes FA-FC) that have no JIS row or cell.
std::string necSelectedDuplicate(char16_t unit)
{
    IconvOracle codePage932("CP932");
    for (int lead = 0xED; lead <= 0xEE; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string pair { static_cast<char>(lead), static_cast<char>(trail) };
            if (codePage932.convert(pair) == std::u16string(1, unit))
                return pair;
        }
    }
    throw std::runtime_error("no NEC-selected duplicate for an IBM extension character of the sample");
}

// EUC-JP as the system reads it (through code page 932): each Shift JIS pair moved to its JIS row and cell
// with the high bits set, half-width katakana after the single shift 8E.
std::string eucOf(std::u16string_view text)
{
    std::string euc;
    for (const char16_t unit : text) {
        std::string sjis = encodeWith("CP932", std::u16string_view(&unit, 1));
        const auto lead = static_cast<unsigned char>(sjis[0]);
        if (sjis.size() == 1) {
            if (lead >= 0xA1 && lead <= 0xDF)
                euc.push_back('\x8E');
            euc.push_back(static_cast<char>(lead));
            continue;
        }
        if (lead >= 0xFA)
            sjis = necSelectedDuplicate(unit);
        const auto first = static_cast<unsigned char>(sjis[0]);
        const auto second = static_cast<unsigned char>(sjis[1]);
        int row = (first <= 0x9F ? first - 0x81 : first - 0xC1) * 2 + 1;
        int cell = 0;
        if (second >= 0x9F) {
            ++row;
            cell = second - 0x9E;
        } else {
            cell = second - (second >= 0x80 ? 0x40 : 0x3F);
        }
        euc.push_back(static_cast<char>(0xA0 + row));
        euc.push_back(static_cast<char>(0xA0 + cell));
    }
    return euc;
}

// ISO-2022-JP of EUC-JP bytes: ASCII in Roman mode, two-byte codes in Kanji mode, katakana in Kana mode.
std::string jisOfEuc(const std::string& euc)
{
    std::string jis;
    std::string_view mode = "\x1B(B";
    auto select = [&](std::string_view wanted) {
        if (mode != wanted)
            jis += wanted;
        mode = wanted;
    };
    for (std::size_t i = 0; i < euc.size(); ++i) {
        const auto byte = static_cast<unsigned char>(euc[i]);
        if (byte < 0x80) {
            select("\x1B(B");
            jis.push_back(static_cast<char>(byte));
        } else if (byte == 0x8E) {
            select("\x1B(I");
            jis.push_back(static_cast<char>(euc[++i] & 0x7F));
        } else {
            select("\x1B$B");
            jis.push_back(static_cast<char>(byte & 0x7F));
            jis.push_back(static_cast<char>(euc[++i] & 0x7F));
        }
    }
    select("\x1B(B");
    return jis;
}

} // namespace

std::vector<EncodedSample> encodeInEverySourceEncoding(std::u16string_view text)
{
    const std::string euc = eucOf(text);
    return {
        { "sjis", "sjis", encodeWith("CP932", text) },
        { "utf16le-bom", "utf16le", "\xFF\xFE" + encodeWith("UTF-16LE", text) },
        { "utf16le", "utf16le", encodeWith("UTF-16LE", text) },
        { "utf16be-bom", "utf16be", "\xFE\xFF" + encodeWith("UTF-16BE", text) },
        { "utf16be", "utf16be", encodeWith("UTF-16BE", text) },
        { "utf8", "utf8", encodeWith("UTF-8", text) },
        { "jis", "jis", jisOfEuc(euc) },
        { "euc", "euc", euc },
    };
}

} // namespace vantolex
