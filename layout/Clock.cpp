#include "layout/Clock.h"

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

const Clock& systemClock()
{
    static const ClockSystem clock;
    return clock;
}

} // namespace vantolex
