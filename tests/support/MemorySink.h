// A ByteSink that collects the document in memory and can refuse to open, fail from a given write on, or
// fail to close.
#pragma once

#include <string>

#include "layout/ByteSink.h"
#include "layout/Device.h"

namespace vantolex::testing {

class MemorySink final : public ByteSink
{
public:
    int openResult = 1;
    int failingWrite = -1; // 0-based index of the first failing write; -1: none
    int writeFailure = SpoolResult::OutOfDisk;
    int closeResult = 1;
    int endPageResult = 1;

    std::string bytes;
    std::u16string jobName;
    int writes = 0;
    int opens = 0;
    int closes = 0;
    int abandons = 0;

    int open(std::u16string_view name) override
    {
        ++opens;
        jobName = name;
        return openResult;
    }
    int write(const unsigned char* data, std::size_t size) override
    {
        if (failingWrite >= 0 && writes >= failingWrite) {
            ++writes;
            return writeFailure;
        }
        ++writes;
        bytes.append(reinterpret_cast<const char*>(data), size);
        return 1;
    }
    int endPage() override { return endPageResult; }
    int close() override
    {
        ++closes;
        return closeResult;
    }
    void abandon() noexcept override { ++abandons; }
};

} // namespace vantolex::testing
