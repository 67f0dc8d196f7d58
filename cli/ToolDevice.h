// The device vantolex-print draws on: the file or printer device it wraps, with the capabilities that
// --device-caps gives instead of the device's own, and the page count shown on a terminal while it prints.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "layout/Device.h"

namespace vantolex {

class ToolDevice final : public Device
{
public:
    // `onPage` is called with the number of each page started, `onDocumentEnd` after each document that ended
    // well with the number of characters that no face had; either may be empty.
    ToolDevice(std::unique_ptr<Device> device, std::optional<DeviceCaps> caps, std::function<void(int)> onPage,
               std::function<void(int)> onDocumentEnd = {});

    DeviceCaps capabilities() const override { return m_caps ? *m_caps : m_device->capabilities(); }
    std::unique_ptr<DeviceFont> createFont(const FontDescription& description) override
    {
        return m_device->createFont(description);
    }
    int textExtent(const DeviceFont& font, std::u16string_view text) override
    {
        return m_device->textExtent(font, text);
    }
    void textOut(const DeviceFont& font, int x, int y, std::u16string_view text) override
    {
        m_device->textOut(font, x, y, text);
    }
    void drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align) override
    {
        m_device->drawText(font, box, text, align);
    }
    void dashedLine(int x1, int y1, int x2, int y2) override { m_device->dashedLine(x1, y1, x2, y2); }
    void fillRect(const Rect& box, Rgb colour) override { m_device->fillRect(box, colour); }
    void frameRect(const Rect& box, Rgb colour) override { m_device->frameRect(box, colour); }
    int startDoc(std::u16string_view jobName) override { return m_device->startDoc(jobName); }
    int startPage() override;
    int endPage() override { return m_device->endPage(); }
    int endDoc() override;
    int abortDoc() override { return m_device->abortDoc(); }
    std::u16string failureText() const override { return m_device->failureText(); }
    int missingGlyphs() const override { return m_device->missingGlyphs(); }

private:
    std::unique_ptr<Device> m_device;
    std::optional<DeviceCaps> m_caps;
    std::function<void(int)> m_onPage;
    std::function<void(int)> m_onDocumentEnd;
    int m_pages = 0;
};

} // namespace vantolex
