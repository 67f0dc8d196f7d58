#include "input/JisScanner.h"

namespace vantolex {

bool JisScanner::next()
{
    constexpr unsigned char escape = 0x1B;
    if (m_mode == Mode::Kanji)
        ++m_position; // past the second byte of the pair delivered last
    while (*m_position == escape) {
        // The third byte is read only when the second is not the terminator.
        const unsigned char second = m_position[1];
        const unsigned char third = (second == 0x24 || second == 0x28) ? m_position[2] : 0;
        if (second == 0x24 && (third == 0x40 || third == 0x42)) {
            m_mode = Mode::Kanji;
        } else if (second == 0x28 && (third == 0x42 || third == 0x4A)) {
            m_mode = Mode::Roman;
        } else if (second == 0x28 && third == 0x49) {
            m_mode = Mode::Kana;
        } else {
            m_mode = Mode::Roman;
            break;
        }
        m_position += 3;
    }
    if (*m_position == 0)
        return false;
    if (m_mode == Mode::Kanji && m_position[1] == 0)
        m_mode = Mode::Roman;
    m_character = m_position;
    ++m_position;
    return true;
}

} // namespace vantolex
