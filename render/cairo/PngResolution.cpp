#include "render/cairo/PngResolution.h"

#include <cmath>
#include <cstdint>

#include <libdeflate.h>

namespace vantolex {

namespace {

void appendBigEndian32(std::string& out, std::uint32_t value)
{
    out += static_cast<char>(value >> 24);
    out += static_cast<char>(value >> 16);
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value);
}

std::uint32_t pixelsPerMetre(int dpi)
{
    return static_cast<std::uint32_t>(std::lround(dpi / 0.0254));
}

} // namespace

std::string pngResolutionChunk(int dpiX, int dpiY)
{
    std::string typeAndData = "pHYs";
    appendBigEndian32(typeAndData, pixelsPerMetre(dpiX));
    appendBigEndian32(typeAndData, pixelsPerMetre(dpiY));
    typeAndData += '\1'; // the unit is the metre
    std::string chunk;
    appendBigEndian32(chunk, static_cast<std::uint32_t>(typeAndData.size() - 4));
    chunk += typeAndData;
    appendBigEndian32(chunk, libdeflate_crc32(0, typeAndData.data(), typeAndData.size()));
    return chunk;
}

} // namespace vantolex
