// A clipboard source that hands over a fixed text (or a failure), counting how often it is opened and
// closed. Shared by the reader tests, the print run tests and the fuzz targets.
#pragma once

#include <string>
#include <utility>

#include "input/ClipboardSource.h"

namespace vantolex {

class FixedClipboard : public ClipboardSource
{
public:
    explicit FixedClipboard(std::u16string units, Status status = Status::Ok)
        : m_data { status, std::move(units) }
    {
    }

    bool open() override
    {
        ++opens;
        return !failOpen;
    }
    void close() noexcept override { ++closes; }
    Data unicodeText() override { return m_data; }

    bool failOpen = false;
    int opens = 0;
    int closes = 0;

private:
    Data m_data;
};

} // namespace vantolex
