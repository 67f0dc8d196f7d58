#include "input/StreamDecoders.h"

#include <cassert>
#include <vector>

#include "base/Errors.h"
#include "input/InputMessages.h"
#include "input/JisToShiftJis.h"
#include "input/MultiByteDecoding.h"

namespace vantolex {
namespace {

// Appends what `write(out)` writes to `units`, given room for at most `room` units.
template <typename Write> void appendUnits(std::u16string& units, std::size_t room, Write write)
{
    const std::size_t before = units.size();
    units.resize(before + room);
    char16_t* end = write(units.data() + before);
    units.resize(static_cast<std::size_t>(end - units.data()));
}

class Utf16StreamDecoder final : public StreamDecoder
{
public:
    explicit Utf16StreamDecoder(bool littleEndian)
        : m_littleEndian(littleEndian)
    {
    }

    void begin(std::int64_t length) override
    {
        if (length % 2 != 0)
            throw Error(std::u16string(inputText::notUtf16));
    }

    void decode(std::span<const unsigned char> bytes, bool last, std::u16string& units) override
    {
        (void)last; // no byte is left over at the end: the length is even
        std::size_t at = 0;
        if (m_heldByte >= 0 && !bytes.empty()) {
            put(static_cast<unsigned char>(m_heldByte), bytes[0], units);
            m_heldByte = -1;
            at = 1;
        }
        if (!m_orderKnown && bytes.size() - at >= 2) {
            put(bytes[at], bytes[at + 1], units);
            at += 2;
        }
        const std::size_t count = (bytes.size() - at) / 2;
        const unsigned char* in = bytes.data() + at;
        const bool bigEndian = m_bigEndian;
        appendUnits(units, count, [&](char16_t* out) {
            for (std::size_t i = 0; i < count; ++i, in += 2)
                *out++
                    = bigEndian ? static_cast<char16_t>(in[0] << 8 | in[1]) : static_cast<char16_t>(in[1] << 8 | in[0]);
            return out;
        });
        at += count * 2;
        if (at < bytes.size())
            m_heldByte = bytes[at];
    }

    void reset() override
    {
        m_orderKnown = false;
        m_heldByte = -1;
    }

private:
    // One unit from its two bytes in file order; the first unit decides the byte order.
    void put(unsigned char first, unsigned char second, std::u16string& units)
    {
        if (!m_orderKnown) {
            m_bigEndian = (first == 0xFE && second == 0xFF) || !m_littleEndian;
            m_orderKnown = true;
        }
        units += m_bigEndian ? static_cast<char16_t>(first << 8 | second) : static_cast<char16_t>(second << 8 | first);
    }

    bool m_littleEndian;
    bool m_orderKnown = false;
    bool m_bigEndian = false;
    int m_heldByte = -1; // the first byte of a unit the last piece cut off
};

// Code page 932 or UTF-8 with the converter's own loop: a character is decoded only once all the bytes that
// its decoding may look at are there, so that the pieces give what the whole content gives.
template <typename Decoder, int longest> class MultiByteStream
{
public:
    void decode(std::span<const unsigned char> bytes, bool last, std::u16string& units)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        const unsigned char* position = m_bytes.data();
        const unsigned char* end = position + m_bytes.size();
        const unsigned char* stop = last ? end : (m_bytes.size() < longest ? position : end - (longest - 1));
        appendUnits(units, m_bytes.size(), [&](char16_t* out) {
            decoding::WritingSink sink { out };
            while (position < stop)
                position = Decoder::next(position, end, sink);
            return sink.out;
        });
        m_bytes.erase(m_bytes.begin(), m_bytes.begin() + (position - m_bytes.data()));
    }

    void reset() { m_bytes.clear(); }

private:
    std::vector<unsigned char> m_bytes; // the bytes not decoded yet
};

template <typename Decoder, int longest> class MultiByteStreamDecoder final : public StreamDecoder
{
public:
    void decode(std::span<const unsigned char> bytes, bool last, std::u16string& units) override
    {
        m_stream.decode(bytes, last, units);
    }
    void reset() override { m_stream.reset(); }

private:
    MultiByteStream<Decoder, longest> m_stream;
};

using Cp932Stream = MultiByteStream<decoding::Cp932Decoder, 2>;

// A transcoder to Shift JIS in front of a code page 932 stream. `Transcoder` has
// `std::size_t step(const unsigned char* bytes, std::size_t size, bool last, std::string& out)`: it transcodes
// from the start of `bytes` what it can, returns how many bytes it took and sets ended() at the end of the text.
template <typename Transcoder> class TranscodingStreamDecoder final : public StreamDecoder
{
public:
    void decode(std::span<const unsigned char> bytes, bool last, std::u16string& units) override
    {
        if (m_transcoder.ended())
            return;
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        m_shiftJis.clear();
        const std::size_t taken = m_transcoder.step(m_bytes.data(), m_bytes.size(), last, m_shiftJis);
        m_bytes.erase(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(taken));
        m_sjis.decode(std::span(reinterpret_cast<const unsigned char*>(m_shiftJis.data()), m_shiftJis.size()),
                      last || m_transcoder.ended(), units);
    }

    void reset() override
    {
        m_transcoder = Transcoder();
        m_bytes.clear();
        m_sjis.reset();
    }

private:
    Transcoder m_transcoder;
    std::vector<unsigned char> m_bytes; // not transcoded yet
    std::string m_shiftJis; // transcoded from the last piece
    Cp932Stream m_sjis;
};

// EUC-JP as transcodeEucToShiftJis rewrites it: a 0 byte ends the text (handed on as a 0 byte, which code page
// 932 decodes to the 0 unit that ends the reader's text).
class EucTranscoder
{
public:
    std::size_t step(const unsigned char* bytes, std::size_t size, bool last, std::string& out)
    {
        std::size_t at = 0;
        while (at < size) {
            const unsigned char first = bytes[at];
            if (first == 0)
                return end(out, at);
            if (first < 0x80) {
                out += static_cast<char>(first);
                ++at;
                continue;
            }
            if (at + 1 == size) {
                if (!last)
                    return at; // the second byte comes with the next piece
                out += static_cast<char>(first); // alone at the end of the data
                m_ended = true;
                return size;
            }
            const unsigned char second = bytes[at + 1];
            if (second == 0) {
                out += static_cast<char>(first);
                return end(out, at + 1);
            }
            if (first == 0x8E) {
                out += static_cast<char>(second);
            } else {
                const auto& pair = shiftJisPairs[static_cast<std::size_t>((first & 0x7F) << 7 | (second & 0x7F))];
                out += static_cast<char>(pair[0]);
                out += static_cast<char>(pair[1]);
            }
            at += 2;
        }
        return at;
    }

    bool ended() const { return m_ended; }

private:
    std::size_t end(std::string& out, std::size_t at)
    {
        out += '\0';
        m_ended = true;
        return at + 1;
    }

    bool m_ended = false;
};

// ISO-2022-JP as transcodeJisToShiftJis rewrites it through the JisScanner's steps; a step is taken only when
// the three bytes it may look at beyond its first are in the piece (or the data ends, as if a 0 byte followed).
class JisTranscoder
{
public:
    std::size_t step(const unsigned char* data, std::size_t size, bool last, std::string& out)
    {
        const unsigned char* bytes = data;
        std::vector<unsigned char> terminated;
        if (last) {
            terminated.assign(data, data + size);
            terminated.push_back(0);
            bytes = terminated.data();
        }
        constexpr unsigned char escape = 0x1B;
        constexpr std::size_t lookahead = 4;
        std::size_t at = 0;
        for (;;) {
            if (!last && size - at < lookahead)
                return at;
            if (bytes[at] == escape) {
                const unsigned char second = bytes[at + 1];
                const unsigned char third = (second == 0x24 || second == 0x28) ? bytes[at + 2] : 0;
                if (second == 0x24 && (third == 0x40 || third == 0x42)) {
                    m_mode = Mode::Kanji;
                    at += 3;
                    continue;
                }
                if (second == 0x28 && (third == 0x42 || third == 0x4A)) {
                    m_mode = Mode::Roman;
                    at += 3;
                    continue;
                }
                if (second == 0x28 && third == 0x49) {
                    m_mode = Mode::Kana;
                    at += 3;
                    continue;
                }
                m_mode = Mode::Roman; // the ESC is delivered as a character
            }
            if (bytes[at] == 0) {
                m_ended = true;
                if (at < size)
                    out += '\0'; // a 0 byte in the data ends the text there
                return size;
            }
            if (m_mode == Mode::Kanji && bytes[at + 1] == 0)
                m_mode = Mode::Roman;
            switch (m_mode) {
            case Mode::Roman:
                out += static_cast<char>(bytes[at]);
                at += 1;
                break;
            case Mode::Kana:
                out += static_cast<char>(bytes[at] ^ 0x80);
                at += 1;
                break;
            case Mode::Kanji: {
                const auto pair = jisToShiftJis(bytes[at], bytes[at + 1]);
                out += static_cast<char>(pair[0]);
                out += static_cast<char>(pair[1]);
                at += 2;
                break;
            }
            }
        }
    }

    bool ended() const { return m_ended; }

private:
    enum class Mode
    {
        Roman,
        Kanji,
        Kana,
    };

    Mode m_mode = Mode::Roman;
    bool m_ended = false;
};

} // namespace

std::unique_ptr<StreamDecoder> createUtf16StreamDecoder(bool littleEndian)
{
    return std::make_unique<Utf16StreamDecoder>(littleEndian);
}

std::unique_ptr<StreamDecoder> createShiftJisStreamDecoder()
{
    return std::make_unique<MultiByteStreamDecoder<decoding::Cp932Decoder, 2>>();
}

std::unique_ptr<StreamDecoder> createUtf8StreamDecoder()
{
    return std::make_unique<MultiByteStreamDecoder<decoding::Utf8Decoder, 4>>();
}

std::unique_ptr<StreamDecoder> createEucStreamDecoder()
{
    return std::make_unique<TranscodingStreamDecoder<EucTranscoder>>();
}

std::unique_ptr<StreamDecoder> createJisStreamDecoder()
{
    return std::make_unique<TranscodingStreamDecoder<JisTranscoder>>();
}

} // namespace vantolex
