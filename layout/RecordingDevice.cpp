#include "layout/RecordingDevice.h"

#include <cassert>
#include <cstdlib>

#include "base/UnicodeTables.h"

namespace vantolex {

namespace {

// The fonts of a RecordingDevice: the description they were made from, nothing else.
class RecordingFont : public DeviceFont
{
public:
    explicit RecordingFont(const FontDescription& description)
        : m_description(description)
    {
    }
    const FontDescription& description() const { return m_description; }

private:
    FontDescription m_description;
};

const FontDescription& descriptionOf(const DeviceFont& font)
{
    // Only fonts of a RecordingDevice may be passed to it.
    const auto* recordingFont = dynamic_cast<const RecordingFont*>(&font);
    assert(recordingFont != nullptr);
    return recordingFont->description();
}

} // namespace

RecordingDevice::RecordingDevice(DeviceCaps caps, RecordingMeasure measure)
    : m_caps(caps)
    , m_measure(measure)
{
}

int RecordingDevice::unitAdvance(RecordingMeasure measure, int characterHeight, char16_t unit)
{
    const bool doubleWidth = isDoubleWidth(unit);
    if (measure == RecordingMeasure::FixedPitch)
        return doubleWidth ? characterHeight / 2 * 2 : characterHeight / 2;
    if (doubleWidth)
        return characterHeight;
    return characterHeight * (3 + unit % 5) / 10;
}

std::vector<RecordedCall> RecordingDevice::callsOf(RecordedCall::Kind kind) const
{
    std::vector<RecordedCall> result;
    for (const RecordedCall& call : m_calls) {
        if (call.kind == kind)
            result.push_back(call);
    }
    return result;
}

std::unique_ptr<DeviceFont> RecordingDevice::createFont(const FontDescription& description)
{
    RecordedCall call;
    call.kind = RecordedCall::Kind::CreateFont;
    call.font = description;
    call.result = m_refuseFonts ? 0 : 1;
    m_calls.push_back(std::move(call));
    if (m_refuseFonts)
        return nullptr;
    return std::make_unique<RecordingFont>(description);
}

int RecordingDevice::textExtent(const DeviceFont& font, std::u16string_view text)
{
    const FontDescription& description = descriptionOf(font);
    int width = 0;
    if (m_customMeasure) {
        width = m_customMeasure(description, text);
    } else {
        const int characterHeight = std::abs(description.height);
        for (char16_t unit : text)
            width += unitAdvance(m_measure, characterHeight, unit);
    }
    if (m_recordExtents) {
        RecordedCall call;
        call.kind = RecordedCall::Kind::TextExtent;
        call.font = description;
        call.text = text;
        call.result = width;
        m_calls.push_back(std::move(call));
    }
    return width;
}

void RecordingDevice::textOut(const DeviceFont& font, int x, int y, std::u16string_view text)
{
    RecordedCall call;
    call.kind = RecordedCall::Kind::TextOut;
    call.font = descriptionOf(font);
    call.text = text;
    call.x1 = x;
    call.y1 = y;
    m_calls.push_back(std::move(call));
}

void RecordingDevice::drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align)
{
    RecordedCall call;
    call.kind = RecordedCall::Kind::DrawText;
    call.font = descriptionOf(font);
    call.text = text;
    call.box = box;
    call.align = align;
    m_calls.push_back(std::move(call));
}

void RecordingDevice::dashedLine(int x1, int y1, int x2, int y2)
{
    RecordedCall call;
    call.kind = RecordedCall::Kind::DashedLine;
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    m_calls.push_back(std::move(call));
}

void RecordingDevice::fillRect(const Rect& box, Rgb colour)
{
    RecordedCall call;
    call.kind = RecordedCall::Kind::FillRect;
    call.box = box;
    call.colour = colour;
    m_calls.push_back(std::move(call));
}

void RecordingDevice::frameRect(const Rect& box, Rgb colour)
{
    RecordedCall call;
    call.kind = RecordedCall::Kind::FrameRect;
    call.box = box;
    call.colour = colour;
    m_calls.push_back(std::move(call));
}

int RecordingDevice::jobCall(RecordedCall::Kind kind, std::u16string_view text)
{
    const auto configured = m_jobResults.find(kind);
    RecordedCall call;
    call.kind = kind;
    call.text = text;
    call.result = configured == m_jobResults.end() ? 1 : configured->second;
    m_calls.push_back(call);
    return call.result;
}

int RecordingDevice::startDoc(std::u16string_view jobName)
{
    return jobCall(RecordedCall::Kind::StartDoc, jobName);
}
int RecordingDevice::startPage()
{
    return jobCall(RecordedCall::Kind::StartPage);
}
int RecordingDevice::endPage()
{
    return jobCall(RecordedCall::Kind::EndPage);
}
int RecordingDevice::endDoc()
{
    return jobCall(RecordedCall::Kind::EndDoc);
}
int RecordingDevice::abortDoc()
{
    return jobCall(RecordedCall::Kind::AbortDoc);
}

} // namespace vantolex
