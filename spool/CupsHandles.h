// Owners of the libcups handles that the spooler code holds.
#pragma once

#include <cups/cups.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/HandleDeleter.h"

namespace vantolex {

inline void freeDestination(cups_dest_t* destination) noexcept
{
    cupsFreeDests(1, destination);
}

using HttpConnection = std::unique_ptr<http_t, handles::Deleter<httpClose>>;
using DestinationHandle = std::unique_ptr<cups_dest_t, handles::Deleter<freeDestination>>;
using DestinationInfoHandle = std::unique_ptr<cups_dinfo_t, handles::Deleter<cupsFreeDestInfo>>;
using IppMessage = std::unique_ptr<ipp_t, handles::Deleter<ippDelete>>;

// The destination list of cupsGetDests2.
class CupsDestinationList
{
public:
    // The destinations of the spooler `connection` reaches (CUPS_HTTP_DEFAULT: the default server).
    explicit CupsDestinationList(http_t* connection) { m_count = cupsGetDests2(connection, &m_destinations); }
    CupsDestinationList(const CupsDestinationList&) = delete;
    CupsDestinationList& operator=(const CupsDestinationList&) = delete;
    ~CupsDestinationList() { cupsFreeDests(m_count, m_destinations); }

    const cups_dest_t* begin() const noexcept { return m_destinations; }
    const cups_dest_t* end() const noexcept { return m_destinations + m_count; }

private:
    int m_count = 0;
    cups_dest_t* m_destinations = nullptr;
};

// A cups_option_t array as libcups builds it with cupsAddOption.
class CupsOptionList
{
public:
    CupsOptionList() = default;
    explicit CupsOptionList(const std::vector<std::pair<std::string, std::string>>& options)
    {
        for (const auto& [name, value] : options)
            m_count = cupsAddOption(name.c_str(), value.c_str(), m_count, &m_options);
    }
    // The options of a job as a filter receives them: "name=value name2='a value' ...".
    explicit CupsOptionList(const char* text) { m_count = cupsParseOptions(text, 0, &m_options); }
    CupsOptionList(const CupsOptionList&) = delete;
    CupsOptionList& operator=(const CupsOptionList&) = delete;
    ~CupsOptionList() { cupsFreeOptions(m_count, m_options); }

    int count() const noexcept { return m_count; }
    cups_option_t* data() const noexcept { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

} // namespace vantolex
