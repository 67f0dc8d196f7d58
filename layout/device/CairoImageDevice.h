// A device drawing into an RGB image in memory: the preview's page and the rendered checks of the tests.
//
// The device reports the capabilities it is given (a printer's, for the preview) and maps those device
// pixels onto the image with a scale and an offset, so that a printer page can be drawn at any zoom. It
// draws from construction on; its job operations succeed and do nothing.
#pragma once

#include <filesystem>

#include "layout/device/CairoDevice.h"

namespace vantolex {

class CairoImageDevice final : public CairoDevice
{
public:
    // A white image of `widthPixels` × `heightPixels`; device pixels map 1:1 until setView.
    CairoImageDevice(int widthPixels, int heightPixels, const DeviceCaps& caps);

    // Device pixel (x, y) lands on image pixel (x × scale + offsetX, y × scale + offsetY).
    void setView(double scale, double offsetX, double offsetY);

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

protected:
    int openDocument(std::u16string_view) override { return 1; }
};

} // namespace vantolex
