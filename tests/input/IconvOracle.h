// glibc's iconv as an independent oracle for the decoders: converts bytes from a named encoding to UTF-16.
#pragma once

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantolex {

class IconvOracle
{
public:
    explicit IconvOracle(const char* fromEncoding)
        : m_handle(iconv_open(std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE", fromEncoding))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + fromEncoding);
    }
    ~IconvOracle() { iconv_close(m_handle); }
    IconvOracle(const IconvOracle&) = delete;
    IconvOracle& operator=(const IconvOracle&) = delete;

    // The UTF-16 text of `bytes`, or std::nullopt when iconv rejects them (invalid or incomplete input).
    std::optional<std::u16string> convert(std::string_view bytes)
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        std::u16string units(bytes.size() * 2 + 16, u'\0');
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char* out = reinterpret_cast<char*>(units.data());
        std::size_t outLeft = units.size() * 2;
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        if (iconv(m_handle, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        units.resize(units.size() - outLeft / 2);
        return units;
    }

private:
    iconv_t m_handle;
};

} // namespace vantolex
