// glibc's iconv as an independent oracle for the decoders.
#pragma once

#include <iconv.h>

#include <bit>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantolex {

// One iconv conversion between two named encodings.
class IconvConverter
{
public:
    IconvConverter(const char* toEncoding, const char* fromEncoding)
        : m_handle(iconv_open(toEncoding, fromEncoding))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + fromEncoding + " to " + toEncoding);
    }
    ~IconvConverter() { iconv_close(m_handle); }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // The converted bytes, or std::nullopt when iconv rejects the input (invalid, incomplete, unmappable).
    std::optional<std::string> convert(std::string_view bytes)
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        std::string output(bytes.size() * 4 + 16, '\0');
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        if (iconv(m_handle, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    iconv_t m_handle;
};

inline const char* hostUtf16()
{
    return std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
}

// Decodes bytes of a named encoding to UTF-16 in the host's byte order.
class IconvOracle
{
public:
    explicit IconvOracle(const char* fromEncoding)
        : m_converter(hostUtf16(), fromEncoding)
    {
    }

    // The UTF-16 text of `bytes`, or std::nullopt when iconv rejects them.
    std::optional<std::u16string> convert(std::string_view bytes)
    {
        const auto output = m_converter.convert(bytes);
        if (!output)
            return std::nullopt;
        return std::u16string(reinterpret_cast<const char16_t*>(output->data()), output->size() / 2);
    }

private:
    IconvConverter m_converter;
};

// The bytes of `text` in a named encoding, or std::nullopt when iconv cannot encode it.
inline std::optional<std::string> iconvEncode(const char* toEncoding, std::u16string_view text)
{
    IconvConverter converter(toEncoding, hostUtf16());
    return converter.convert(std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2));
}

} // namespace vantolex
