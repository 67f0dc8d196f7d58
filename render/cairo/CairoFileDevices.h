// The file devices that Cairo draws: a PostScript or SVG file, or PNG images, one per page.
//
// Like a printer, a file device has an unprintable border (SheetFormat), so that its pages print as they
// look. Every file is written under a temporary name beside its own and put in place by endDoc, all pages of a
// PNG document together; abortDoc, a failure or an interrupting signal remove the temporary files, so that a
// file of the same name from an earlier run stays as it was unless a whole new document replaces it. A failure
// is described, with the file and the system's reason, by failureText().
#pragma once

#include <filesystem>
#include <memory>

#include "layout/Clock.h"
#include "layout/Device.h"
#include "layout/SheetFormat.h"

namespace vantolex {

// Its "%%CreationDate:" comes from `clock`, which must outlive the device.
std::unique_ptr<Device> createPostScriptFileDevice(const std::filesystem::path& path, const SheetFormat& sheet,
                                                   const Clock& clock);
std::unique_ptr<Device> createSvgFileDevice(const std::filesystem::path& path, const SheetFormat& sheet);

// Page n is written to `<stem>-<n>.png` beside `path` (pages counted from 1, n of four digits at least):
// "out.png" gives "out-0001.png", "out-0002.png" ...
std::unique_ptr<Device> createPngFileDevice(const std::filesystem::path& path, const SheetFormat& sheet);

// The file of page `pageNumber` of a PNG device writing `path`.
std::filesystem::path pngPagePath(const std::filesystem::path& path, int pageNumber);

} // namespace vantolex
