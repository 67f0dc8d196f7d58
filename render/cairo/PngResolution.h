// The resolution of a PNG image: its pHYs chunk, which Cairo does not write, so that viewers and printers
// size the page right.
#pragma once

#include <string>

namespace vantolex {

// The complete pHYs chunk (length, type, data, CRC) for `dpiX` × `dpiY` pixels per inch, in pixels per metre.
std::string pngResolutionChunk(int dpiX, int dpiY);

// Where the chunk goes: after the signature (8 bytes) and the header chunk IHDR (25 bytes), which every PNG
// begins with.
inline constexpr std::size_t pngResolutionOffset = 33;

} // namespace vantolex
