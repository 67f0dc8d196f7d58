// The scanner of ISO-2022-JP data: follows the escape sequences that switch between Roman, Kanji and Kana
// and delivers one character at a time.
#pragma once

namespace vantolex {

class JisScanner
{
public:
    enum class Mode : int
    {
        Roman = 0, // one byte per character, as it is
        Kanji = 1, // JIS X 0208: two bytes per character
        Kana = 2, // JIS X 0201 katakana: one byte per character, high bit clear
    };

    // Scans the 0-terminated data at `data`; the mode starts as Roman.
    explicit JisScanner(const unsigned char* data)
        : m_position(data)
    {
    }

    // Moves to the next character; false when the data has ended. Escape sequences are taken only where a
    // character begins (in Kanji mode at pair boundaries): ESC $ @ and ESC $ B select Kanji, ESC ( B and
    // ESC ( J select Roman, ESC ( I selects Kana; after any other ESC the mode becomes Roman and the ESC
    // is delivered as a character. A lone Kanji byte before the end of data is delivered in Roman mode.
    bool next();

    // The mode of the character reached by next().
    Mode mode() const { return m_mode; }

    // The character reached by next(): one byte, or in Kanji mode the first of two.
    const unsigned char* character() const { return m_character; }

private:
    Mode m_mode = Mode::Roman;
    const unsigned char* m_position; // where the next step starts reading
    const unsigned char* m_character = nullptr; // the character delivered last
};

} // namespace vantolex
