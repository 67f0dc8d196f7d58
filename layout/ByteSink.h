// Where a vector device's document goes: a file, the spooler, a buffer in a test.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantolex {

// Every operation returns a job result: a value > 0 for success, a SpoolResult value (<= 0) for failure.
class ByteSink
{
public:
    virtual ~ByteSink() = default;

    // Before the first byte of a document; `jobName` names the document.
    virtual int open(std::u16string_view jobName) = 0;
    // The next bytes of the document.
    virtual int write(const unsigned char* data, std::size_t size) = 0;
    // After each page has been written: a reader that no longer wants the document (a print job the user
    // deleted) says so here.
    virtual int endPage() { return 1; }
    // After the last byte.
    virtual int close() = 0;
    // The document is given up after open: nothing more is written and what was written may be discarded.
    virtual void abandon() noexcept = 0;
    // What went wrong at the last failure, in words that name the place (a file and the system's reason), or
    // empty when the result says it all.
    virtual std::u16string failureText() const { return {}; }
};

} // namespace vantolex
