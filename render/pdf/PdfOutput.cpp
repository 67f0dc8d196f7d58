#include "render/pdf/PdfOutput.h"

#include <cassert>

#include "render/pdf/PdfNumbers.h"

namespace vantolex {

namespace {

constexpr std::size_t bufferSize = 256 * 1024;

} // namespace

PdfOutput::PdfOutput(ByteSink& sink)
    : m_sink(sink)
    , m_offsets(1, 0)
{
    m_buffer.reserve(bufferSize + 64 * 1024);
}

int PdfOutput::reserveObject()
{
    m_offsets.push_back(-1);
    return static_cast<int>(m_offsets.size() - 1);
}

void PdfOutput::beginObject(int number)
{
    assert(number > 0 && number < static_cast<int>(m_offsets.size()));
    m_offsets[static_cast<std::size_t>(number)] = m_flushed + static_cast<long long>(m_buffer.size());
    pdf::appendInteger(m_buffer, number);
    m_buffer += " 0 obj\n";
}

void PdfOutput::writeStream(int number, std::string_view dictionary, std::string_view data)
{
    beginObject(number);
    m_buffer += "<</Length ";
    pdf::appendInteger(m_buffer, static_cast<long long>(data.size()));
    m_buffer += dictionary;
    m_buffer += ">>\nstream\n";
    write(data);
    m_buffer += "\nendstream";
    endObject();
}

void PdfOutput::write(std::string_view bytes)
{
    if (m_buffer.size() + bytes.size() > bufferSize) {
        flush();
        if (bytes.size() > bufferSize) {
            if (m_result > 0) {
                m_result = m_sink.write(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
            }
            m_flushed += static_cast<long long>(bytes.size());
            return;
        }
    }
    m_buffer.append(bytes);
}

void PdfOutput::flush()
{
    if (!m_buffer.empty() && m_result > 0) {
        m_result = m_sink.write(reinterpret_cast<const unsigned char*>(m_buffer.data()), m_buffer.size());
    }
    m_flushed += static_cast<long long>(m_buffer.size());
    m_buffer.clear();
}

void PdfOutput::finish(int root, int info)
{
    const long long start = m_flushed + static_cast<long long>(m_buffer.size());
    m_buffer += "xref\n0 ";
    pdf::appendInteger(m_buffer, static_cast<long long>(m_offsets.size()));
    m_buffer += "\n0000000000 65535 f \n";
    for (std::size_t i = 1; i < m_offsets.size(); ++i) {
        assert(m_offsets[i] >= 0);
        std::string offset;
        pdf::appendInteger(offset, m_offsets[i]);
        m_buffer.append(10 - std::min<std::size_t>(10, offset.size()), '0');
        m_buffer += offset;
        m_buffer += " 00000 n \n";
        if (m_buffer.size() > bufferSize) {
            flush();
        }
    }
    m_buffer += "trailer\n<</Size ";
    pdf::appendInteger(m_buffer, static_cast<long long>(m_offsets.size()));
    m_buffer += "/Root ";
    pdf::appendInteger(m_buffer, root);
    m_buffer += " 0 R/Info ";
    pdf::appendInteger(m_buffer, info);
    m_buffer += " 0 R>>\nstartxref\n";
    pdf::appendInteger(m_buffer, start);
    m_buffer += "\n%%EOF\n";
    flush();
}

} // namespace vantolex
