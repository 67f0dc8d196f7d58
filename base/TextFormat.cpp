#include "base/TextFormat.h"

#include <cassert>
#include <charconv>
#include <cmath>

namespace vantolex {

namespace {

std::u16string asciiToUtf16(const char* begin, const char* end)
{
    return std::u16string(begin, end);
}

std::u16string fixedText(double value, int decimals)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return u"?";
    return asciiToUtf16(buffer, result.ptr);
}

} // namespace

std::u16string decimalText(long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return asciiToUtf16(buffer, result.ptr);
}

std::u16string formatText(std::u16string_view pattern, std::initializer_list<FormatArgument> arguments)
{
    std::u16string out;
    out.reserve(pattern.size() + 16);
    auto argument = arguments.begin();
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char16_t unit = pattern[i];
        if (unit != u'%' || i + 1 == pattern.size()) {
            out.push_back(unit);
            ++i;
            continue;
        }
        const char16_t conversion = pattern[i + 1];
        if (conversion == u'%') {
            out.push_back(u'%');
            i += 2;
            continue;
        }
        const bool available = argument != arguments.end();
        if (conversion == u'd' && available && std::holds_alternative<int>(*argument)) {
            out += decimalText(std::get<int>(*argument++));
            i += 2;
        } else if (conversion == u's' && available && std::holds_alternative<std::u16string_view>(*argument)) {
            out += std::get<std::u16string_view>(*argument++);
            i += 2;
        } else if (conversion == u'.' && i + 3 < pattern.size() && pattern[i + 2] >= u'0' && pattern[i + 2] <= u'9'
                   && pattern[i + 3] == u'f' && available && std::holds_alternative<double>(*argument)) {
            out += fixedText(std::get<double>(*argument++), pattern[i + 2] - u'0');
            i += 4;
        } else {
            assert(!"format conversion without a matching argument");
            out.push_back(unit);
            ++i;
        }
    }
    assert(argument == arguments.end() && "more format arguments than conversions");
    return out;
}

std::optional<int> parseInteger(std::string_view text)
{
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-'))
            return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace vantolex
