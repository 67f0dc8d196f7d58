// Reading in pieces gives what reading whole gives: the streaming decoders against the whole-content
// decoders, the reader's line splitting across piece boundaries, a second pass after rewind(), and a window
// that stays small however long the text.
#include <gtest/gtest.h>

#include <random>

#include "base/Errors.h"
#include "input/DecodeHelpers.h"
#include "input/EncodingIndex.h"
#include "input/FileReader.h"
#include "input/FileTextSource.h"
#include "input/MultiFileReader.h"
#include "input/ReaderHelpers.h"
#include "support/ExpectThrowMessage.h"

namespace vantolex {
namespace {

using namespace std::string_literals;

// The bytes most likely to meet a piece boundary badly: lead and trail bytes, escapes and their designators,
// byte-order marks, 0 bytes, line ends.
std::string trickyBytes(std::mt19937& random, std::size_t size)
{
    static const unsigned char alphabet[]
        = { 0x00, 0x0A, 0x0D, 0x0C, 0x1B, 0x24, 0x28, 0x40, 0x42, 0x49, 0x4A, 0x21, 0x30, 0x41,
            0x5F, 0x7E, 0x7F, 0x80, 0x81, 0x8E, 0x8F, 0x9F, 0xA0, 0xA1, 0xA4, 0xB1, 0xC2, 0xDF,
            0xE0, 0xE3, 0xED, 0xEF, 0xF0, 0xF4, 0xF8, 0xFC, 0xFE, 0xFF, 0xBB, 0xBF };
    static const std::string_view sequences[] = { "\x1B$B",  "\x1B$@",       "\x1B(B",   "\x1B(J", "\x1B(I",
                                                  "\x1B$(D", "\xEF\xBB\xBF", "\xFE\xFF", "\r\n",   "\xE3\x81\x82" };
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        if (random() % 4 == 0) {
            bytes += sequences[random() % std::size(sequences)];
            continue;
        }
        // Mostly without 0 bytes, so that the text goes on long enough to cross boundaries.
        unsigned char byte = alphabet[random() % std::size(alphabet)];
        if (byte == 0 && random() % 8 != 0)
            byte = 0x41;
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

// The text of `bytes` decoded in pieces of `piece` bytes, up to its first 0 unit.
std::u16string decodeInPieces(const Encoding& encoding, std::string_view bytes, std::size_t piece)
{
    const std::unique_ptr<StreamDecoder> decoder = encoding.streamDecoder();
    decoder->begin(static_cast<std::int64_t>(bytes.size()));
    std::u16string units;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(piece, bytes.size() - at);
        decoder->decode(std::span(data + at, size), at + size == bytes.size(), units);
        at += size;
    } while (at < bytes.size());
    return units.substr(0, units.find(u'\0'));
}

TEST(StreamDecoder, PiecesGiveTheUnitsOfTheWholeContentInEveryEncoding)
{
    std::mt19937 random(20261209);
    for (EncodingIndex index = 0; index < encodingCount; ++index) {
        SCOPED_TRACE(toUtf8(encodingNames[static_cast<std::size_t>(index)]));
        const std::unique_ptr<Encoding> encoding = createEncoding(index);
        for (int round = 0; round < 300; ++round) {
            std::string bytes = trickyBytes(random, 1 + random() % 40);
            if ((index == 1 || index == 2) && bytes.size() % 2 != 0)
                bytes.pop_back();
            const std::u16string whole = decodeWith(*encoding, bytes);
            for (const std::size_t piece : { 1, 2, 3, 4, 5, 7, 64 }) {
                ASSERT_EQ(decodeInPieces(*encoding, bytes, piece), whole)
                    << "piece " << piece << ", bytes " << ::testing::PrintToString(bytes);
            }
        }
    }
}

TEST(StreamDecoder, OddLengthUnderUtf16IsRefusedBeforeAnyByte)
{
    for (const EncodingIndex index : { 1, 2 }) {
        const std::unique_ptr<StreamDecoder> decoder = createEncoding(index)->streamDecoder();
        EXPECT_THROW_MESSAGE(decoder->begin(3), Error, u"入力データがUTF-16ではない。");
        EXPECT_NO_THROW(decoder->begin(4));
    }
}

// A reader over a text handed out `piece` units at a time.
class PieceSource : public TextSource
{
public:
    PieceSource(std::u16string text, std::size_t piece)
        : m_text(std::move(text))
        , m_piece(piece)
    {
    }
    bool read(std::u16string& units) override
    {
        if (m_at >= m_text.size())
            return false;
        units.append(m_text, m_at, m_piece);
        m_at += m_piece;
        return true;
    }
    void rewind() override { m_at = 0; }

private:
    std::u16string m_text;
    std::size_t m_piece;
    std::size_t m_at = 0;
};

class PieceReader : public TextReader
{
public:
    PieceReader(std::u16string text, std::size_t piece, bool skipByteOrderMark = true)
    {
        setSource(std::make_unique<PieceSource>(std::move(text), piece), skipByteOrderMark);
    }
    std::u16string title() const override { return u"pieces"; }
};

TEST(StreamingReader, PieceBoundariesChangeNoItemNorTheSample)
{
    std::mt19937 random(7);
    static const char16_t alphabet[] = { u'a', u'\r', u'\n', u'\f', u'\t', u' ', u'\0', 0xFEFF, u'漢' };
    for (int round = 0; round < 500; ++round) {
        std::u16string text;
        for (std::size_t n = random() % 24; n > 0; --n)
            text += alphabet[random() % std::size(alphabet)];
        PieceReader whole(text, text.size() + 1);
        const std::string sample = toUtf8(whole.sampleText());
        const std::vector<std::string> expected = readAllItems(whole);
        for (const std::size_t piece : { 1, 2, 3 }) {
            PieceReader reader(text, piece);
            EXPECT_EQ(toUtf8(reader.sampleText()), sample);
            EXPECT_EQ(readAllItems(reader), expected) << ::testing::PrintToString(toUtf8(text)) << " in " << piece;
        }
    }
}

// A reader given its bytes whole (setEncodedText) reads like a file reader of the same bytes, rewind included.
TEST(StreamingReader, BytesGivenWholeReadLikeAFile)
{
    class WholeReader : public TextReader
    {
    public:
        explicit WholeReader(std::string_view bytes)
        {
            setEncodedText(bufferWithContent(bytes), static_cast<int>(bytes.size()), *createEncoding(1));
        }
        std::u16string title() const override { return {}; }
    };
    const std::string bytes = "\xFF\xFE"
                              "a\0\f\0\r\0\n\0b\0"s;
    TemporaryFolder folder;
    const std::unique_ptr<FileReader> file = createFileReader(folder.write("a.txt", bytes), 1);
    WholeReader whole(bytes);
    const std::vector<std::string> items = readAllItems(whole);
    EXPECT_EQ(items, readAllItems(*file));
    whole.rewind();
    EXPECT_EQ(readAllItems(whole), items);
}

TEST(StreamingReader, RewindDeliversTheSameItemsAgain)
{
    TemporaryFolder folder;
    const auto a = folder.write("a.txt",
                                "\xEF\xBB\xBF"
                                "a1\r\na2\n\f\n");
    const auto b = folder.write("b.txt", "\x82\xA0\nb2");
    const std::unique_ptr<FileReader> file = createFileReader(a, 3);
    const std::vector<std::string> first = readAllItems(*file);
    file->rewind();
    EXPECT_EQ(readAllItems(*file), first);

    const std::vector<FileEntry> files = { { a, 3 }, { b, 0 } };
    MultiFileReader multi(0, files, 1);
    const std::vector<std::string> items = readAllItems(multi);
    EXPECT_EQ(items, (std::vector<std::string> { "a1", "a2", "<column>", "", "あ", "b2" }));
    multi.rewind();
    EXPECT_EQ(readAllItems(multi), items);
}

// The second pass reads the file that was opened, even when its name now stands for another file.
TEST(StreamingReader, RewindReadsTheFileItOpened)
{
    TemporaryFolder folder;
    const auto path = folder.write("a.txt", "old\n");
    const std::unique_ptr<FileReader> reader = createFileReader(path, 3);
    ASSERT_TRUE(reader->nextLine());
    const auto replacement = folder.write("b.txt", "new\n");
    std::filesystem::rename(replacement, path);
    reader->rewind();
    EXPECT_EQ(readAllItems(*reader), std::vector<std::string> { "old" });
}

TEST(StreamingReader, ShrunkFileIsAReadFailure)
{
    TemporaryFolder folder;
    const auto path = folder.write("a.txt", std::string(FileTextSource::pieceBytes * 2, 'a'));
    const std::unique_ptr<FileReader> reader = createFileReader(path, 0);
    std::filesystem::resize_file(path, 10);
    EXPECT_THROW_MESSAGE(readAllItems(*reader), Error, u"ファイルの読み込み失敗。");
}

// A text far larger than any window should be: lines of 100 units, 2,048 pieces of 102,400 units (400 MB as
// UTF-16), made as they are read. The window holds a few pieces at most.
TEST(StreamingReader, WindowStaysBoundedOnAHugeText)
{
    constexpr int total = 2048;
    class Generated : public TextSource
    {
    public:
        bool read(std::u16string& units) override
        {
            if (m_pieces == total)
                return false;
            ++m_pieces;
            for (int line = 0; line < 1024; ++line)
                units.append(99, u'漢').append(1, u'\n');
            return true;
        }
        void rewind() override { m_pieces = 0; }

    private:
        int m_pieces = 0;
    };
    class GeneratedReader : public TextReader
    {
    public:
        GeneratedReader() { setSource(std::make_unique<Generated>(), true); }
        std::u16string title() const override { return {}; }
    };
    GeneratedReader reader;
    long long lines = 0;
    std::size_t largest = 0;
    while (reader.nextLine()) {
        ++lines;
        largest = std::max(largest, reader.windowCapacity());
    }
    EXPECT_EQ(lines, 1024LL * total);
    EXPECT_LE(largest, 4u * 102'400u);
}

} // namespace
} // namespace vantolex
