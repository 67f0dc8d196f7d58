// Peak memory of vantolex-print --layout-json on 20 MB of Japanese text at nine columns of one cell a line,
// which gives about eight million display lines: the program is run as a child and its maximum resident set
// size read back when it ends. The JSON (over half a gigabyte) goes to /dev/null. Target: under 300 MB.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t inputBytes = 20u * 1024u * 1024u;

// Numbered lines of kana, kanji, full-width and half-width forms, ASCII and the NEC extensions, in UTF-8, until
// the file reaches the wanted size (the text of bench/print-vs-paps.sh).
std::filesystem::path writeInput()
{
    const char* const texts[] = {
        "吾輩の机の上には、古い辞書と新しい原稿用紙が置いてある。",
        "「今日は晴れ。」と彼女は言った――ＡＢＣ１２３、abc 123; 価格は￥１，０００です。",
        "ひらがな・カタカナ・漢字が混ざった文章を、縦書きでも横書きでも正しく印刷する。長い行は折り返して次の行へ"
        "続き、升目は崩れない。",
        "ｶﾀｶﾅ ﾃｷｽﾄ ｱｲｳｴｵ、丸数字①②⑳、単位㍉㌔㎝、㈱㈲、記号～∑√",
        "",
    };
    const auto path = std::filesystem::temp_directory_path() / ("vantolex-json-bench-" + std::to_string(::getpid()));
    std::ofstream file(path, std::ios::binary);
    std::size_t written = 0;
    for (int line = 1; written < inputBytes; ++line) {
        const std::string text = std::to_string(line) + "\t" + texts[line % 5] + "\n";
        file << text;
        written += text.size();
    }
    return path;
}

// Runs the program with `arguments`, its output to /dev/null, and returns its peak resident set in bytes, or
// -1 when it did not end with status 0.
long long peakOfRun(const std::vector<std::string>& arguments)
{
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words { VANTOLEX_PRINT_PROGRAM };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int started = posix_spawn(&child, VANTOLEX_PRINT_PROGRAM, &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (started != 0)
        return -1;
    int status = 0;
    rusage usage = {};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024; // kilobytes on Linux
}

void layoutJsonPeakMemory(benchmark::State& state)
{
    const std::filesystem::path input = writeInput();
    long long peak = -1;
    for (auto _ : state) {
        peak = peakOfRun({ "--defaults", "-e", "utf8", "--set", "charsPerLine=1", "--set", "columns=9", "--layout-json",
                           "-", input.string() });
        if (peak < 0)
            state.SkipWithError("vantolex-print failed");
    }
    std::filesystem::remove(input);
    state.counters["input_MB"] = static_cast<double>(inputBytes) / 1048576.0;
    state.counters["peak_RSS_MB"] = static_cast<double>(peak) / 1048576.0;
}

BENCHMARK(layoutJsonPeakMemory)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
