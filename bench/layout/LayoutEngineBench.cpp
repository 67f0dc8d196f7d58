// Display lines laid out per second into a buffered output, for a generated Japanese text of 20 MB (as
// Shift JIS bytes), with a fixed-pitch font and with a proportional font measured by the recording
// device; and the peak of heap memory the run takes per megabyte of input.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "base/UnicodeTables.h"
#include "layout/OutputBuffered.h"
#include "layout/RecordingDevice.h"

// Heap accounting for the memory figure: every allocation of the program goes through these.
namespace {
std::size_t g_heapInUse = 0;
std::size_t g_heapPeak = 0;
} // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    g_heapInUse += malloc_usable_size(block);
    if (g_heapInUse > g_heapPeak)
        g_heapPeak = g_heapInUse;
    return block;
}

// GCC 12 takes the free() in a replacement operator delete for a mismatched pair once it inlines both.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* pointer) noexcept
{
    if (pointer == nullptr)
        return;
    g_heapInUse -= malloc_usable_size(pointer);
    std::free(pointer);
}
#pragma GCC diagnostic pop

void operator delete(void* pointer, std::size_t) noexcept
{
    operator delete(pointer);
}

namespace {

using namespace vantolex;

constexpr std::size_t inputBytes = 20u * 1024u * 1024u;

// Source lines of 10 to 149 characters, mostly kana and kanji with some ASCII, punctuation and tabs, and
// their size in Shift JIS with CR LF line ends.
struct Document
{
    std::vector<std::u16string> lines;
    std::size_t shiftJisBytes = 0;
};

const Document& document()
{
    static const Document generated = [] {
        const std::u16string pool
            = u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗いじめじめした"
              u"所でニャーニャー泣いていた事だけは記憶している。「カタカナ」、漢字、ひらがな。";
        const std::u16string ascii = u"Vantolex 2026 abc-xyz ";
        Document result;
        std::uint32_t state = 12345;
        auto next = [&state] {
            state = state * 1103515245u + 12345u;
            return state >> 8;
        };
        while (result.shiftJisBytes < inputBytes) {
            std::u16string line;
            const std::size_t length = 10 + next() % 140;
            while (line.size() < length) {
                const std::uint32_t pick = next() % 100;
                if (pick < 85) {
                    line += pool[next() % pool.size()];
                    result.shiftJisBytes += 2;
                } else if (pick < 99) {
                    line += ascii[next() % ascii.size()];
                    result.shiftJisBytes += 1;
                } else {
                    line += u'\t';
                    result.shiftJisBytes += 1;
                }
            }
            result.shiftJisBytes += 2;
            result.lines.push_back(std::move(line));
        }
        return result;
    }();
    return generated;
}

class OutputBench : public OutputBuffered
{
public:
    OutputBench(Device& device, const PrintSettings& settings)
        : OutputBuffered(device, settings, u"bench.txt", systemClock())
    {
    }
    void finish() override { completePages(); }
    void abort() override { }
};

void layOut(benchmark::State& state, bool proportional)
{
    const Document& text = document();
    FontDescription font;
    font.faceName = u"IPAMincho";
    PrintSettings settings; // 96 characters per line, two columns, A4 at 600 dpi below
    settings.fontDescriptor = font;
    settings.proportional = proportional;
    RecordingDevice device({ 4724, 6850, 600, 600 },
                           proportional ? RecordingMeasure::Proportional : RecordingMeasure::FixedPitch);
    device.recordExtents(false);

    std::size_t displayLines = 0;
    double peakPerMegabyte = 0;
    for (auto _ : state) {
        const std::size_t before = g_heapInUse;
        g_heapPeak = before;
        OutputBench output(device, settings);
        int number = 0;
        for (const std::u16string& line : text.lines)
            output.putLine(++number, line);
        output.finish();
        displayLines = static_cast<std::size_t>(output.pageStore()->lineCount());
        peakPerMegabyte
            = static_cast<double>(g_heapPeak - before) / (static_cast<double>(text.shiftJisBytes) / 1048576.0);
        benchmark::DoNotOptimize(output.pageStore());
    }
    // items_per_second is the number of display lines laid out per second.
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * displayLines));
    state.counters["display_lines"] = static_cast<double>(displayLines);
    state.counters["input_MB"] = static_cast<double>(text.shiftJisBytes) / 1048576.0;
    state.counters["peak_heap_bytes_per_input_MB"] = peakPerMegabyte;
}

void fixedPitch(benchmark::State& state)
{
    layOut(state, false);
}
void proportional(benchmark::State& state)
{
    layOut(state, true);
}

BENCHMARK(fixedPitch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(proportional)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
