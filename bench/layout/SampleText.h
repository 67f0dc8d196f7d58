// Generated Japanese text for the benchmark and the sample pages: kanji, kana, punctuation, ASCII words and
// digits, in lines of varied length.
#pragma once

#include <string>
#include <vector>

namespace vantolex {

inline std::vector<std::u16string> sampleLines(int count)
{
    static const std::u16string pieces[] = {
        u"吾輩は猫である。",
        u"名前はまだ無い。",
        u"どこで生れたかとんと見当がつかぬ。",
        u"「ニャー」と鳴いた",
        u"Vantolex 1.0",
        u"、",
        u"ページ",
        u"第12章",
        u"printf(\"%d\\n\", x);",
        u"ｶﾀｶﾅ",
        u"全角ＡＢＣ",
        u"ー〜…",
        u"東京都千代田区",
        u"0123456789",
        u"（括弧）",
    };
    std::vector<std::u16string> lines;
    unsigned state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        const int length = 2 + static_cast<int>((state >> 16) % 14);
        std::u16string line;
        for (int k = 0; k < length; ++k) {
            state = state * 1103515245u + 12345u;
            line += pieces[(state >> 16) % std::size(pieces)];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace vantolex
