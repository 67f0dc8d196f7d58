// A Device that draws nothing and records every call, for the tests of the layout, the canvas, the outputs
// and the print run. Its capabilities are fixed at construction; its fonts measure text by a rule that
// depends only on the font height, so every measurement is known in advance.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "layout/Device.h"

namespace vantolex {

// One recorded call of the Device interface. Only the members that the call has are set.
struct RecordedCall
{
    enum class Kind
    {
        CreateFont,
        TextExtent,
        TextOut,
        DrawText,
        DashedLine,
        FillRect,
        FrameRect,
        StartDoc,
        StartPage,
        EndPage,
        EndDoc,
        AbortDoc,
    };

    Kind kind = Kind::CreateFont;
    FontDescription font; // CreateFont: the description asked for; text calls: the font's description
    std::u16string text; // TextExtent, TextOut, DrawText: the string; StartDoc: the job name
    int x1 = 0; // TextOut: x; DashedLine: start x
    int y1 = 0; // TextOut: y; DashedLine: start y
    int x2 = 0; // DashedLine: end x
    int y2 = 0; // DashedLine: end y
    Rect box; // DrawText, FillRect, FrameRect
    Rgb colour; // FillRect, FrameRect
    TextAlign align = TextAlign::Left; // DrawText
    int result = 0; // TextExtent: the width; job calls: the result returned; CreateFont: 1 made, 0 refused

    bool operator==(const RecordedCall&) const = default;
};

// How the fonts of a RecordingDevice measure text. The character height is the absolute value of the
// description's height.
enum class RecordingMeasure
{
    // Every half-width code unit advances half the character height (rounded down), every double-width
    // code unit (isDoubleWidth) twice that: the ideal fixed-pitch font of the grid.
    FixedPitch,
    // Double-width code units advance the character height; every other code unit c advances
    // characterHeight × (3 + c % 5) / 10, so narrow and wide Latin letters alternate (a space, U+0020,
    // advances half the character height). Each code unit is measured on its own and the widths add up.
    Proportional,
};

class RecordingDevice : public Device
{
public:
    using MeasureFunction = std::function<int(const FontDescription& font, std::u16string_view text)>;

    explicit RecordingDevice(DeviceCaps caps = { 4800, 6600, 600, 600 },
                             RecordingMeasure measure = RecordingMeasure::FixedPitch);

    // The advance of one code unit under a measure, for a font of the given character height.
    static int unitAdvance(RecordingMeasure measure, int characterHeight, char16_t unit);

    // Replaces the measure by any function of the font and the text (for tests that need odd metrics).
    void setMeasure(MeasureFunction measure) { m_customMeasure = std::move(measure); }

    // From now on createFont returns null (a device that cannot make the font).
    void refuseFonts(bool refuse) { m_refuseFonts = refuse; }

    // From now on the job operation of `kind` returns `result` instead of 1.
    void setJobResult(RecordedCall::Kind kind, int result) { m_jobResults[kind] = result; }

    // Text extents are recorded unless switched off (a long proportional run measures every character).
    void recordExtents(bool record) { m_recordExtents = record; }

    const std::vector<RecordedCall>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

    // The recorded calls of one kind, in order.
    std::vector<RecordedCall> callsOf(RecordedCall::Kind kind) const;

    DeviceCaps capabilities() const override { return m_caps; }
    std::unique_ptr<DeviceFont> createFont(const FontDescription& description) override;
    int textExtent(const DeviceFont& font, std::u16string_view text) override;
    void textOut(const DeviceFont& font, int x, int y, std::u16string_view text) override;
    void drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align) override;
    void dashedLine(int x1, int y1, int x2, int y2) override;
    void fillRect(const Rect& box, Rgb colour) override;
    void frameRect(const Rect& box, Rgb colour) override;
    int startDoc(std::u16string_view jobName) override;
    int startPage() override;
    int endPage() override;
    int endDoc() override;
    int abortDoc() override;

private:
    int jobCall(RecordedCall::Kind kind, std::u16string_view text = {});

    DeviceCaps m_caps;
    RecordingMeasure m_measure;
    MeasureFunction m_customMeasure;
    bool m_refuseFonts = false;
    bool m_recordExtents = true;
    std::map<RecordedCall::Kind, int> m_jobResults;
    std::vector<RecordedCall> m_calls;
};

} // namespace vantolex
