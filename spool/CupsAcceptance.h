// Whether a spooler destination takes jobs at all, and why not: the reason its administrator gave when
// rejecting jobs (cupsreject -r), which the spooler keeps as the printer's state message.
#pragma once

#include <optional>
#include <string>

namespace vantolex {

struct JobRefusal
{
    std::string reason; // UTF-8; empty when none was given
};

// The refusal of `destination` when it is not accepting jobs; nullopt when it accepts them or the spooler
// cannot tell.
std::optional<JobRefusal> jobRefusalOf(const std::string& destination) noexcept;

} // namespace vantolex
