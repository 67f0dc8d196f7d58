#include "spool/JobOptions.h"

#include <cups/cups.h>

#include <algorithm>
#include <array>

#include "spool/CupsCalls.h"
#include "spool/CupsHandles.h"

namespace vantolex {

namespace {

// The options libcups adds to a destination to describe the printer; a job has no use for them.
bool describesPrinter(std::string_view name)
{
    constexpr std::array<std::string_view, 3> names = { "auth-info-required", "device-uri", "marker-change-time" };
    return name.starts_with("printer-") || std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

JobOptionList parseJobOptions(std::string_view text)
{
    const std::string argument(text);
    cups_option_t* parsed = nullptr;
    const int count = cupsParseOptions(argument.c_str(), 0, &parsed);
    JobOptionList options;
    for (int i = 0; i < count; ++i)
        options.emplace_back(parsed[i].name, parsed[i].value);
    cupsFreeOptions(count, parsed);
    return options;
}

void setJobOption(JobOptionList& options, std::string_view name, std::string_view value)
{
    const auto known
        = std::find_if(options.begin(), options.end(), [&](const auto& option) { return option.first == name; });
    if (known != options.end())
        known->second = std::string(value);
    else
        options.emplace_back(name, value);
}

std::optional<PrinterSelection> destinationWithDefaults(const std::string& destination, const std::string& instance)
{
    const DestinationHandle found(cupsCalls().getNamedDest(CUPS_HTTP_DEFAULT,
                                                           destination.empty() ? nullptr : destination.c_str(),
                                                           instance.empty() ? nullptr : instance.c_str()));
    if (!found || !found->name)
        return std::nullopt;
    PrinterSelection printer { found->name, found->instance ? found->instance : "", {} };
    for (int i = 0; i < found->num_options; ++i) {
        const cups_option_t& option = found->options[i];
        if (!describesPrinter(option.name))
            printer.options.emplace_back(option.name, option.value);
    }
    return printer;
}

} // namespace vantolex
