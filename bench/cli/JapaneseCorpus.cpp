// Writes a realistic Japanese prose text in UTF-8 for the end-to-end benchmarks: paragraphs of sentences
// made of kanji words, kana endings and particles, katakana loan words, punctuation, dialogue in brackets,
// numbers and now and then ASCII words, half-width katakana and symbols. Kanji follow a Zipf distribution
// over the JIS level 1 kanji and part of level 2 in a shuffled order, so that a few hundred are frequent and
// thousands occur at all, as in real text; nothing is repeated line by line.
//
// Usage: vantolex_japanese_corpus MEGABYTES [SEED] > corpus.txt   (the number of distinct characters on
// standard error)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/Utf16.h"
#include "input/CodePage932.h"

namespace {

using namespace vantolex;

// Kanji of the Shift JIS rows from `firstLead` to `lastLead` (both included), in code order.
std::vector<std::u16string> kanjiOfRows(int firstLead, int lastLead)
{
    std::vector<std::u16string> kanji;
    for (int lead = firstLead; lead <= lastLead; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const std::string bytes { static_cast<char>(lead), static_cast<char>(trail) };
            const std::u16string text = cp932::decode(bytes);
            if (text.size() == 1 && text[0] >= 0x4E00 && text[0] <= 0x9FFF) {
                kanji.push_back(text);
            }
        }
    }
    return kanji;
}

// Draws ranks 0 .. n-1 with probability proportional to 1 / (rank + offset)^exponent (Zipf and Mandelbrot's
// law: the offset flattens the head, as in real text, where the commonest kanji make about 1 % of all).
class ZipfDraw
{
public:
    ZipfDraw(std::size_t n, double offset, double exponent)
    {
        double sum = 0;
        m_cumulative.reserve(n);
        for (std::size_t rank = 0; rank < n; ++rank) {
            sum += 1.0 / std::pow(static_cast<double>(rank) + offset, exponent);
            m_cumulative.push_back(sum);
        }
    }

    template <typename Random> std::size_t operator()(Random& random) const
    {
        std::uniform_real_distribution<double> uniform(0, m_cumulative.back());
        const auto at = std::lower_bound(m_cumulative.begin(), m_cumulative.end(), uniform(random));
        return static_cast<std::size_t>(
            std::min<std::ptrdiff_t>(at - m_cumulative.begin(), static_cast<std::ptrdiff_t>(m_cumulative.size()) - 1));
    }

private:
    std::vector<double> m_cumulative;
};

const std::u16string_view particles[] = {
    u"の",   u"に",   u"は", u"を",   u"が", u"で",   u"と",       u"も",
    u"から", u"まで", u"へ", u"より", u"や", u"など", u"について",
};
const std::u16string_view endings[] = {
    u"する",   u"した",   u"している", u"していた", u"される",   u"された",   u"ない",     u"なかった", u"ある",
    u"あった", u"いる",   u"いた",     u"なる",     u"なった",   u"です",     u"でした",   u"ます",     u"ました",
    u"だろう", u"らしい", u"ようだ",   u"という",   u"ように",   u"ことが",   u"ものの",   u"ながら",   u"ければ",
    u"たい",   u"られる", u"せる",     u"けれど",   u"ので",     u"のだ",     u"かった",   u"しく",     u"しい",
    u"的な",   u"的に",   u"さん",     u"たち",     u"ところが", u"しかし、", u"そして、", u"やがて、", u"ふと、",
};
const std::u16string_view hiraganaWords[] = {
    u"こと",   u"もの",   u"とき",   u"ところ", u"それ",   u"これ",     u"あれ", u"どこ",   u"なぜ",
    u"いつも", u"すこし", u"まるで", u"ずっと", u"やはり", u"ちょっと", u"ほど", u"くらい", u"ばかり",
};
const std::u16string_view katakanaSyllables[] = {
    u"ア", u"イ", u"ウ", u"エ", u"オ", u"カ", u"キ", u"ク", u"ケ", u"コ", u"サ", u"シ", u"ス", u"セ", u"ソ",
    u"タ", u"チ", u"ツ", u"テ", u"ト", u"ナ", u"ニ", u"ヌ", u"ネ", u"ノ", u"ハ", u"ヒ", u"フ", u"ヘ", u"ホ",
    u"マ", u"ミ", u"ム", u"メ", u"モ", u"ヤ", u"ユ", u"ヨ", u"ラ", u"リ", u"ル", u"レ", u"ロ", u"ワ", u"ン",
    u"ガ", u"ギ", u"グ", u"ゲ", u"ゴ", u"ザ", u"ジ", u"ズ", u"ゼ", u"ゾ", u"ダ", u"デ", u"ド", u"バ", u"ビ",
    u"ブ", u"ベ", u"ボ", u"パ", u"ピ", u"プ", u"ペ", u"ポ", u"ッ", u"ャ", u"ュ", u"ョ", u"ィ", u"ェ", u"ヴ",
};
const std::u16string_view asciiWords[] = {
    u"PDF", u"Linux", u"OK", u"CPU", u"ver. 2.1", u"http://example.jp/", u"A4", u"No.7", u"Tokyo", u"e-mail",
};
const std::u16string_view rareSymbols[] = {
    u"①",  u"②",  u"③",  u"※",  u"○",  u"●",  u"◎",  u"■",  u"□",   u"▲",   u"△",   u"→",
    u"←",  u"￥", u"＄", u"％", u"＆", u"＊", u"＠", u"§",  u"☆",   u"★",   u"〒",  u"々",
    u"〆", u"ヶ", u"≒",  u"∞",  u"±",  u"×",  u"÷",  u"ｶﾅ", u"ﾃｽﾄ", u"ｱｲｳ", u"ﾊﾞｰ",
};
const std::u16string_view fullWidthDigits = u"０１２３４５６７８９";
const std::u16string_view counters[] = { u"年", u"月", u"日", u"人", u"円", u"回", u"時", u"分", u"個", u"番", u"冊" };

class Writer
{
public:
    Writer(std::uint64_t seed)
        : m_random(seed)
    {
        auto level1 = kanjiOfRows(0x88, 0x98);
        auto level2 = kanjiOfRows(0x99, 0x9F);
        std::shuffle(level1.begin(), level1.end(), m_random);
        std::shuffle(level2.begin(), level2.end(), m_random);
        m_kanji = std::move(level1);
        m_kanji.insert(m_kanji.end(), level2.begin(), level2.end());
        m_kanjiDraw = ZipfDraw(m_kanji.size(), 40, 1.2);
    }

    // One line: a paragraph (indented with an ideographic space), a heading, or nothing.
    std::u16string line()
    {
        const int kind = below(100);
        if (kind < 8) {
            return {};
        }
        if (kind < 11) {
            return u"第" + number(true) + u"章　" + kanjiWord() + pick(particles) + kanjiWord();
        }
        std::u16string text = u"　";
        const int sentences = 1 + below(7);
        for (int i = 0; i < sentences; ++i) {
            text += sentence();
        }
        return text;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    template <typename T, std::size_t N> std::u16string pick(const T (&items)[N])
    {
        return std::u16string(items[static_cast<std::size_t>(below(static_cast<int>(N)))]);
    }

    std::u16string kanjiWord()
    {
        static const int lengths[] = { 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 4 };
        std::u16string word;
        for (int n = lengths[below(std::size(lengths))]; n > 0; --n) {
            word += m_kanji[m_kanjiDraw(m_random)];
        }
        return word;
    }

    std::u16string katakanaWord()
    {
        std::u16string word;
        for (int n = 2 + below(4); n > 0; --n) {
            word += pick(katakanaSyllables);
            if (below(6) == 0) {
                word += u"ー";
            }
        }
        return word;
    }

    std::u16string number(bool fullWidth)
    {
        std::u16string digits;
        int value = 1 + below(below(10) == 0 ? 10000 : 100);
        do {
            const int digit = value % 10;
            digits.insert(digits.begin(),
                          fullWidth ? fullWidthDigits[static_cast<std::size_t>(digit)]
                                    : static_cast<char16_t>(u'0' + digit));
            value /= 10;
        } while (value > 0);
        return digits;
    }

    std::u16string phrase()
    {
        const int kind = below(100);
        std::u16string text;
        if (kind < 62) {
            text = kanjiWord();
        } else if (kind < 74) {
            text = katakanaWord();
        } else if (kind < 86) {
            text = pick(hiraganaWords);
        } else if (kind < 92) {
            text = number(below(3) != 0) + pick(counters);
        } else if (kind < 95) {
            text = pick(asciiWords);
        } else {
            text = pick(rareSymbols) + kanjiWord();
        }
        text += below(3) == 0 ? pick(endings) : pick(particles);
        if (below(5) == 0) {
            text += u"、";
        }
        return text;
    }

    std::u16string sentence()
    {
        std::u16string text;
        for (int n = 2 + below(8); n > 0; --n) {
            text += phrase();
        }
        text += kanjiWord() + pick(endings);
        const int end = below(20);
        text += end == 0 ? u"？" : end == 1 ? u"！" : end == 2 ? u"……。" : u"。";
        if (below(8) == 0) {
            return u"「" + text + u"」";
        }
        if (below(25) == 0) {
            return u"（" + text + u"）";
        }
        return text;
    }

    std::mt19937_64 m_random;
    std::vector<std::u16string> m_kanji;
    ZipfDraw m_kanjiDraw { 1, 1, 1 };
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: vantolex_japanese_corpus MEGABYTES [SEED]\n";
        return 64;
    }
    const long long bytes = std::atoll(argv[1]) * 1024 * 1024;
    const std::uint64_t seed = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 20240601;
    Writer writer(seed);
    std::string out;
    std::vector<bool> seen(0x10000, false);
    long long written = 0;
    while (written < bytes) {
        const std::u16string line = writer.line();
        for (const char16_t c : line) {
            seen[c] = true;
        }
        out = toUtf8(line);
        out += '\n';
        written += static_cast<long long>(out.size());
        std::cout << out;
    }
    std::cerr << std::count(seen.begin(), seen.end(), true) << " distinct characters\n";
    return std::cout.good() ? 0 : 1;
}
