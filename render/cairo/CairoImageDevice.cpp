#include "render/cairo/CairoImageDevice.h"

#include <cassert>
#include <cstdint>
#include <cstring>

namespace vantolex {

namespace {

cairo_matrix_t identity()
{
    cairo_matrix_t matrix;
    cairo_matrix_init_identity(&matrix);
    return matrix;
}

} // namespace

CairoImageDevice::CairoImageDevice(int widthPixels, int heightPixels, const DeviceCaps& caps)
    : CairoDevice(caps, identity())
{
    attachSurface(handles::SurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_RGB24, widthPixels, heightPixels)));
    fillRect({ 0, 0, widthPixels, heightPixels }, { 255, 255, 255 });
}

void CairoImageDevice::setView(double scale, double offsetX, double offsetY)
{
    setView(scale, scale, offsetX, offsetY);
}

void CairoImageDevice::setView(double scaleX, double scaleY, double offsetX, double offsetY)
{
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, scaleX, 0, 0, scaleY, offsetX, offsetY);
    setPixelToSurface(matrix);
}

int CairoImageDevice::startDoc(std::u16string_view)
{
    return 1;
}

int CairoImageDevice::startPage()
{
    return 1;
}

int CairoImageDevice::endPage()
{
    return 1;
}

int CairoImageDevice::endDoc()
{
    return 1;
}

int CairoImageDevice::abortDoc()
{
    return 1;
}

int CairoImageDevice::width() const
{
    return cairo_image_surface_get_width(surface());
}

int CairoImageDevice::height() const
{
    return cairo_image_surface_get_height(surface());
}

Rgb CairoImageDevice::pixel(int x, int y) const
{
    assert(x >= 0 && x < width() && y >= 0 && y < height());
    cairo_surface_flush(surface());
    const unsigned char* row = cairo_image_surface_get_data(surface()) + y * cairo_image_surface_get_stride(surface());
    std::uint32_t value = 0;
    std::memcpy(&value, row + 4 * x, sizeof value); // RGB24: one native-endian 32-bit word, 0x00RRGGBB
    return { static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value) };
}

CairoImageDevice::Pixels CairoImageDevice::pixels() const
{
    cairo_surface_flush(surface());
    if (cairo_surface_status(surface()) != CAIRO_STATUS_SUCCESS) {
        return {};
    }
    return { cairo_image_surface_get_data(surface()), width(), height(), cairo_image_surface_get_stride(surface()) };
}

bool CairoImageDevice::writePng(const std::filesystem::path& path) const
{
    cairo_surface_flush(surface());
    return cairo_surface_write_to_png(surface(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace vantolex
