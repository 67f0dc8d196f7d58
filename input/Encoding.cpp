#include "input/Encoding.h"

namespace vantolex {

TextBuffer allocateTextBuffer(std::size_t length)
{
    // length + 2 bytes, rounded up to whole units.
    return std::make_unique_for_overwrite<char16_t[]>((length + 2 + 1) / 2);
}

} // namespace vantolex
