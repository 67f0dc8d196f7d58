#include "settings/SettingsLineParsing.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "base/Utf16.h"

namespace vantolex {

namespace {

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

std::size_t skipWhiteSpace(std::u16string_view line, std::size_t position)
{
    while (position < line.size() && isWhiteSpace(line[position]))
        ++position;
    return position;
}

// One signed decimal number at `position` (after white space). Returns the magnitude in 64 bits, clamped
// just above the int range so that callers can tell an overflow; nullopt when there is no digit.
struct SignedNumber
{
    bool negative = false;
    std::int64_t magnitude = 0;
};

constexpr std::int64_t magnitudeLimit = std::int64_t { std::numeric_limits<int>::max() } + 2;

std::optional<SignedNumber> scanNumber(std::u16string_view line, std::size_t& position)
{
    SignedNumber number;
    std::size_t at = skipWhiteSpace(line, position);
    if (at < line.size() && (line[at] == u'+' || line[at] == u'-')) {
        number.negative = line[at] == u'-';
        ++at;
    }
    if (at >= line.size() || !isDigit(line[at]))
        return std::nullopt;
    while (at < line.size() && isDigit(line[at])) {
        number.magnitude = std::min(number.magnitude * 10 + (line[at] - u'0'), magnitudeLimit);
        ++at;
    }
    position = at;
    return number;
}

} // namespace

bool parseNumbers(std::u16string_view line, std::span<int> numbers)
{
    constexpr std::int64_t lowest = std::numeric_limits<int>::min();
    constexpr std::int64_t highest = std::numeric_limits<int>::max();
    std::size_t position = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            if (position >= line.size() || line[position] != u',')
                return false;
            ++position;
        }
        const std::optional<SignedNumber> number = scanNumber(line, position);
        if (!number)
            return false;
        const std::int64_t value = number->negative ? -number->magnitude : number->magnitude;
        if (value < lowest || value > highest)
            return false;
        numbers[i] = static_cast<int>(value);
    }
    return true;
}

int leadingInteger(std::u16string_view line)
{
    std::size_t position = 0;
    const std::optional<SignedNumber> number = scanNumber(line, position);
    if (!number)
        return 0;
    const std::int64_t value = number->negative ? -number->magnitude : number->magnitude;
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool isBlank(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t unit) { return isWhiteSpace(unit); });
}

} // namespace vantolex
