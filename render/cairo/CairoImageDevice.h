// A device drawing into an RGB image in memory: the preview's page and the rendered checks of the tests.
//
// The device reports the capabilities it is given (a printer's, for the preview) and maps those device
// pixels onto the image with a scale and an offset, so that a printer page can be drawn at any zoom. It
// draws from construction on; its job operations succeed and do nothing.
#pragma once

#include <filesystem>

#include "render/cairo/CairoDevice.h"

namespace vantolex {

class CairoImageDevice final : public CairoDevice
{
public:
    // A white image of `widthPixels` × `heightPixels`; device pixels map 1:1 until setView.
    CairoImageDevice(int widthPixels, int heightPixels, const DeviceCaps& caps);

    // Device pixel (x, y) lands on image pixel (x × scale + offsetX, y × scale + offsetY).
    void setView(double scale, double offsetX, double offsetY);
    // The same with a scale of its own along each axis (a printer whose resolutions along x and y differ).
    void setView(double scaleX, double scaleY, double offsetX, double offsetY);

    int startDoc(std::u16string_view jobName) override;
    int startPage() override;
    int endPage() override;
    int endDoc() override;
    int abortDoc() override;

    int width() const;
    int height() const;
    // The red, green and blue of image pixel (x, y); drawing is flushed first.
    Rgb pixel(int x, int y) const;
    // Writes the image as PNG; false on failure.
    bool writePng(const std::filesystem::path& path) const;
    // The image itself, for the preview to show.
    cairo_surface_t* image() const { return surface(); }

    // The image's memory: `height` rows of `stride` bytes, each pixel one native-endian 32-bit word
    // 0x00RRGGBB. Drawing is flushed first. Valid while the device lives; null data for a failed image.
    struct Pixels
    {
        const unsigned char* data = nullptr;
        int width = 0;
        int height = 0;
        int stride = 0;
    };
    Pixels pixels() const;

protected:
    int openDocument(std::u16string_view) override { return 1; }
};

} // namespace vantolex
