// The bytes of one PDF document on their way to a ByteSink: buffered, counted, with the offset of every
// object for the cross-reference table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "layout/ByteSink.h"

namespace vantolex {

class PdfOutput
{
public:
    // `sink` must outlive the output; it is opened and closed by the caller.
    explicit PdfOutput(ByteSink& sink);

    // A new object number, for an object written later.
    int reserveObject();
    // Starts object `number` here ("n 0 obj").
    void beginObject(int number);
    void endObject() { write("\nendobj\n"); }
    // A stream object `number` with `dictionary` entries (without the brackets; /Length is added) and `data`.
    void writeStream(int number, std::string_view dictionary, std::string_view data);

    void write(std::string_view bytes);

    // Writes the cross-reference table and the trailer naming `root` and `info`, then everything buffered.
    // Every reserved object must have been written.
    void finish(int root, int info);

    // Hands the buffer to the sink.
    void flush();

    // The first failure of the sink (a SpoolResult value), or 1 while there is none.
    int result() const { return m_result; }

private:
    ByteSink& m_sink;
    std::string m_buffer;
    long long m_flushed = 0; // bytes handed to the sink
    std::vector<long long> m_offsets; // by object number; index 0 unused
    int m_result = 1;
};

} // namespace vantolex
