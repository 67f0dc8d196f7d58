// The local date and time that header and footer templates show, and the clock they are read from.
#pragma once

#include <optional>
#include <string_view>

namespace vantolex {

// A local calendar date and wall-clock time, as the templates' "&d" and "&t" show them.
struct LocalDateTime
{
    int year = 0; // e.g. 2026
    int month = 0; // 1..12
    int day = 0; // 1..31
    int hour = 0; // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..60 (60 only for a leap second)
    int utcOffsetMinutes = 0; // local time minus universal time, e.g. 540 in Japan

    bool operator==(const LocalDateTime&) const = default;
};

// Where the current local time comes from. Parsing a template reads it at most once; a test hands in a
// ClockFixed so that dates and times in headers and footers are repeatable.
class Clock
{
public:
    virtual ~Clock() = default;

    // The current local date and time; nothing when the system cannot tell it (the fields then stay empty).
    virtual std::optional<LocalDateTime> localNow() const = 0;
};

// The system's clock, converted to local time in the process's time zone.
class ClockSystem final : public Clock
{
public:
    std::optional<LocalDateTime> localNow() const override;
};

// Always answers the value it was made with; std::nullopt makes a clock that fails.
class ClockFixed final : public Clock
{
public:
    explicit ClockFixed(std::optional<LocalDateTime> value)
        : m_value(value)
    {
    }

    std::optional<LocalDateTime> localNow() const override { return m_value; }

private:
    std::optional<LocalDateTime> m_value;
};

// The instant that a SOURCE_DATE_EPOCH value names (seconds since 1970-01-01 00:00:00 UTC, decimal digits
// only), as a universal date and time (utcOffsetMinutes 0); nothing for any other value.
std::optional<LocalDateTime> sourceDateEpochTime(std::string_view value);

// The clock of the process: when the environment variable SOURCE_DATE_EPOCH holds a valid value, that fixed
// instant in universal time, so that two runs on the same input write the same bytes (the documents' dates and
// the headers' "&d" and "&t" alike); otherwise the one ClockSystem. Read once, at the first call.
const Clock& systemClock();

} // namespace vantolex
