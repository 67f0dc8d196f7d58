// Owners of the libcups handles that the spooler code holds.
#pragma once

#include <cups/cups.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vantolex {

struct HttpCloser
{
    void operator()(http_t* http) const noexcept { httpClose(http); }
};
using HttpConnection = std::unique_ptr<http_t, HttpCloser>;

struct DestinationFreer
{
    void operator()(cups_dest_t* destination) const noexcept { cupsFreeDests(1, destination); }
};
using DestinationHandle = std::unique_ptr<cups_dest_t, DestinationFreer>;

struct DestinationInfoFreer
{
    void operator()(cups_dinfo_t* info) const noexcept { cupsFreeDestInfo(info); }
};
using DestinationInfoHandle = std::unique_ptr<cups_dinfo_t, DestinationInfoFreer>;

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
    CupsOptionList(const CupsOptionList&) = delete;
    CupsOptionList& operator=(const CupsOptionList&) = delete;
    ~CupsOptionList() { cupsFreeOptions(m_count, m_options); }

    int count() const noexcept { return m_count; }
    cups_option_t* data() const noexcept { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

struct IppDeleter
{
    void operator()(ipp_t* ipp) const noexcept { ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDeleter>;

} // namespace vantolex
