// A ByteSink writing to a std::ostream: standard output, or a string stream in a test.
#pragma once

#include <ostream>
#include <string>

#include "layout/ByteSink.h"

namespace vantolex {

class StreamByteSink final : public ByteSink
{
public:
    // `failure` is the text of a failed write (the stream in a failed state after it); `out` must outlive the
    // sink.
    StreamByteSink(std::ostream& out, std::u16string failure);

    int open(std::u16string_view jobName) override;
    int write(const unsigned char* data, std::size_t size) override;
    // Flushes the stream.
    int close() override;
    // What was written stays written.
    void abandon() noexcept override { }
    std::u16string failureText() const override { return m_failed ? m_failure : std::u16string(); }

private:
    int check();

    std::ostream& m_out;
    std::u16string m_failure;
    bool m_failed = false;
};

} // namespace vantolex
