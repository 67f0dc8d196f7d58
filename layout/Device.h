// The drawing and printing services that layout, canvas, printer output and preview use.
//
// A Device is one drawing surface with a job: a printer through the spooler, a file (PDF, PostScript,
// SVG, PNG), an in-memory image for the preview, or the recording device of the tests. Core code sees only
// this interface. Coordinates are device pixels with the origin at the top-left corner of the printable
// area; x grows to the right and y downward.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "settings/FontDescription.h"

namespace vantolex {

// What the layout needs to know of a device. Any value <= 0 means an unusable device.
struct DeviceCaps
{
    int width = 0; // printable width in device pixels
    int height = 0; // printable height in device pixels
    int dpiX = 0; // device pixels per inch along x
    int dpiY = 0; // device pixels per inch along y

    bool operator==(const DeviceCaps&) const = default;
};

struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0; // exclusive

    bool operator==(const Rect&) const = default;
};

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

enum class TextAlign
{
    Left,
    Center,
    Right,
};

// Results of the job operations: a value > 0 is success, a value <= 0 a failure.
struct SpoolResult
{
    enum Value : int
    {
        Error = -1, // any other failure
        AppAbort = -2, // the application aborted the job
        UserAbort = -3, // the user deleted the job
        OutOfDisk = -4, // no disk space for the spool
        OutOfMemory = -5, // no memory for the spool
    };
};

// A font made by a device for one FontDescription. Valid only while the device that made it lives.
class DeviceFont
{
public:
    virtual ~DeviceFont() = default;
};

class Device
{
public:
    virtual ~Device() = default;

    virtual DeviceCaps capabilities() const = 0;

    // A font for `description`: a negative height asks for that character height in device pixels; width 0
    // lets each glyph advance by its own width, a width > 0 is the half-width cell along the line in device
    // pixels, on which every character is centred (on two cells for a double-width character, condensed
    // along the line when wider); escapement 2700 with a face name starting with "@" makes text run downward
    // in vertical-writing forms. Returns null when no font can be made.
    virtual std::unique_ptr<DeviceFont> createFont(const FontDescription& description) = 0;

    // The advance width of `text` in `font`, in device pixels.
    virtual int textExtent(const DeviceFont& font, std::u16string_view text) = 0;

    // Draws `text` with its top-left corner at (x, y). With a vertical font the string runs downward from
    // (x, y), the glyph bodies to the left of x.
    virtual void textOut(const DeviceFont& font, int x, int y, std::u16string_view text) = 0;

    // Draws `text` as one line aligned in `box`, vertically centred; "&" is drawn as itself.
    virtual void drawText(const DeviceFont& font, const Rect& box, std::u16string_view text, TextAlign align) = 0;

    // A dashed black line, 1 device pixel wide, from (x1, y1) to (x2, y2).
    virtual void dashedLine(int x1, int y1, int x2, int y2) = 0;

    virtual void fillRect(const Rect& box, Rgb colour) = 0;

    // The outline of `box`, 1 device pixel wide.
    virtual void frameRect(const Rect& box, Rgb colour) = 0;

    // Job operations; each returns a SpoolResult value (<= 0) on failure and a value > 0 on success.
    virtual int startDoc(std::u16string_view jobName) = 0;
    virtual int startPage() = 0;
    virtual int endPage() = 0;
    virtual int endDoc() = 0;
    virtual int abortDoc() = 0;

    // What went wrong at the last failed job operation, in words that name the place (an output file and the
    // system's reason, a printer that takes no jobs), or empty when the result says it all.
    virtual std::u16string failureText() const { return {}; }

    // How many characters drawn so far no installed face has; each was drawn as the face's missing glyph.
    virtual int missingGlyphs() const { return 0; }
};

} // namespace vantolex
