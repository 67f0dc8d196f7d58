// A PDF file written by our own writer: under a temporary name beside its own until endDoc puts the whole
// document in place; abortDoc, a failure or an interrupting signal remove the temporary file. A failure is
// described, with the file and the system's reason, by failureText().
#pragma once

#include <filesystem>
#include <memory>

#include "layout/Clock.h"
#include "layout/Device.h"
#include "layout/SheetFormat.h"

namespace vantolex {

// The document is dated by `clock`, which must outlive the device.
std::unique_ptr<Device> createPdfFileDevice(const std::filesystem::path& path, const SheetFormat& sheet,
                                            const Clock& clock);

} // namespace vantolex
