// Decoding throughput of the six decoders next to glibc's iconv on the same bytes, in MB/s of input.
//
// The text is about 20 MB of generated Japanese prose in Shift JIS (kana, kanji, ASCII digits and
// punctuation, CR LF line ends), encoded once per encoding with iconv. Each decoder runs as the file reader
// runs it: the bytes in a buffer with two spare bytes, decoded in place or into one new array (the copy of
// the input into the buffer is not timed). iconv converts the same bytes to UTF-16 into an output array
// allocated beforehand.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/EncodingIndex.h"

namespace {

// Words of everyday Japanese prose; the generator strings them into sentences.
const char16_t* const words[] = {
    u"吾輩",       u"は",       u"猫",     u"である",   u"名前",   u"まだ",   u"無い",     u"どこで",   u"生まれた",
    u"か",         u"とんと",   u"見当",   u"が",       u"つかぬ", u"何でも", u"薄暗い",   u"じめじめ", u"した",
    u"所",         u"で",       u"ニャー", u"泣いて",   u"いた",   u"事",     u"だけ",     u"記憶",     u"している",
    u"印刷",       u"する",     u"文書",   u"行",       u"段組",   u"余白",   u"フォント", u"設定",     u"ページ",
    u"縦書き",     u"横書き",   u"東京",   u"大阪",     u"京都",   u"新聞",   u"会社",     u"学校",     u"先生",
    u"電車",       u"時間",     u"今日",   u"明日",     u"昨日",   u"天気",   u"晴れ",     u"雨",       u"雪",
    u"山",         u"川",       u"海",     u"空",       u"花",     u"鳥",     u"風",       u"月",       u"コンピュータ",
    u"プログラム", u"ファイル", u"データ", u"テキスト", u"の",     u"に",     u"を",       u"と",       u"も",
};
const char16_t* const punctuation[] = { u"、", u"。", u"「", u"」", u"（", u"）", u"・", u"…", u"！", u"？" };

std::u16string generateText(std::size_t shiftJisBytes)
{
    std::mt19937 random(2026);
    std::u16string text;
    std::size_t bytes = 0;
    std::size_t line = 0;
    while (bytes < shiftJisBytes) {
        std::u16string piece;
        const auto choice = random() % 20;
        if (choice < 15)
            piece = words[random() % std::size(words)];
        else if (choice < 19)
            piece = punctuation[random() % std::size(punctuation)];
        else
            piece = u" " + std::u16string(1, static_cast<char16_t>(u'0' + random() % 10)) + u"0 ";
        for (const char16_t unit : piece)
            bytes += unit < 0x80 ? 1 : 2;
        text += piece;
        line += piece.size();
        if (line >= 38) {
            text += u"\r\n";
            bytes += 2;
            line = 0;
        }
    }
    return text;
}

class Iconv
{
public:
    Iconv(const char* to, const char* from)
        : m_handle(iconv_open(to, from))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv_open ") + from + " -> " + to);
    }
    ~Iconv() { iconv_close(m_handle); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts all of `input` into `output`; returns the bytes written.
    std::size_t convert(const std::string& input, std::string& output)
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)
            || iconv(m_handle, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
            throw std::runtime_error("iconv failed");
        return output.size() - outLeft;
    }

private:
    iconv_t m_handle;
};

struct Input
{
    const char* iconvName;
    vantolex::EncodingIndex index;
    std::string bytes;
};

std::vector<Input>& inputs()
{
    static std::vector<Input> all = [] {
        const std::u16string text = generateText(20 * 1000 * 1000);
        const std::string utf16(reinterpret_cast<const char*>(text.data()), text.size() * 2);
        std::vector<Input> result = { { "CP932", 0, {} }, { "UTF-16LE", 1, {} },    { "UTF-16BE", 2, {} },
                                      { "UTF-8", 3, {} }, { "ISO-2022-JP", 4, {} }, { "EUC-JP", 5, {} } };
        for (auto& input : result) {
            Iconv encoder(input.iconvName, "UTF-16LE");
            std::string bytes(utf16.size() * 3, '\0');
            bytes.resize(encoder.convert(utf16, bytes));
            input.bytes = std::move(bytes);
        }
        return result;
    }();
    return all;
}

void ours(benchmark::State& state)
{
    const Input& input = inputs()[static_cast<std::size_t>(state.range(0))];
    const auto decoder = vantolex::createEncoding(input.index);
    state.SetLabel(input.iconvName);
    for (auto _ : state) {
        state.PauseTiming();
        vantolex::TextBuffer buffer = vantolex::allocateTextBuffer(input.bytes.size());
        std::memcpy(vantolex::byteData(buffer), input.bytes.data(), input.bytes.size());
        state.ResumeTiming();
        decoder->decode(buffer, static_cast<int>(input.bytes.size()));
        benchmark::DoNotOptimize(buffer.get());
        state.PauseTiming();
        buffer.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.bytes.size()));
}

void glibcIconv(benchmark::State& state)
{
    const Input& input = inputs()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(input.iconvName);
    Iconv decoder("UTF-16LE", input.iconvName);
    std::string output(input.bytes.size() * 2 + 16, '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(decoder.convert(input.bytes, output));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.bytes.size()));
}

BENCHMARK(ours)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(glibcIconv)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
