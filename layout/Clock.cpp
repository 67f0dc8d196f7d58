#include "layout/Clock.h"

#include <charconv>
#include <cstdlib>
#include <ctime>

namespace vantolex {

std::optional<LocalDateTime> ClockSystem::localNow() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
        return std::nullopt;
    }
    return LocalDateTime { local.tm_year + 1900,
                           local.tm_mon + 1,
                           local.tm_mday,
                           local.tm_hour,
                           local.tm_min,
                           local.tm_sec,
                           static_cast<int>(local.tm_gmtoff / 60) };
}

std::optional<LocalDateTime> sourceDateEpochTime(std::string_view value)
{
    long long seconds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    if (value.empty() || value.front() < '0' || value.front() > '9' || error != std::errc()
        || end != value.data() + value.size())
        return std::nullopt;
    const std::time_t instant = static_cast<std::time_t>(seconds);
    std::tm universal {};
    if (gmtime_r(&instant, &universal) == nullptr)
        return std::nullopt;
    return LocalDateTime { universal.tm_year + 1900,
                           universal.tm_mon + 1,
                           universal.tm_mday,
                           universal.tm_hour,
                           universal.tm_min,
                           universal.tm_sec,
                           0 };
}

const Clock& systemClock()
{
    static const ClockSystem system;
    static const std::optional<LocalDateTime> sourceDate = [] {
        const char* value = std::getenv("SOURCE_DATE_EPOCH");
        return value ? sourceDateEpochTime(value) : std::nullopt;
    }();
    static const ClockFixed fixed(sourceDate);
    if (sourceDate)
        return fixed;
    return system;
}

} // namespace vantolex
