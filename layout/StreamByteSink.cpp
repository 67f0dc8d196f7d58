#include "layout/StreamByteSink.h"

#include <utility>

#include "layout/Device.h"

namespace vantolex {

StreamByteSink::StreamByteSink(std::ostream& out, std::u16string failure)
    : m_out(out)
    , m_failure(std::move(failure))
{
}

int StreamByteSink::check()
{
    m_failed = !m_out;
    return m_failed ? static_cast<int>(SpoolResult::Error) : 1;
}

int StreamByteSink::open(std::u16string_view)
{
    return check();
}

int StreamByteSink::write(const unsigned char* data, std::size_t size)
{
    m_out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return check();
}

int StreamByteSink::close()
{
    m_out.flush();
    return check();
}

} // namespace vantolex
