// The preview output: lays the whole run out on the printer's grid like a buffered printer output and, when
// the run finishes, hands the pages to the preview window instead of printing them.
#pragma once

#include <memory>
#include <string_view>

#include "layout/OutputBuffered.h"
#include "layout/PreviewDisplay.h"

namespace vantolex {

class OutputPreview final : public OutputBuffered
{
public:
    // Lays out on `printer` (the chosen printer's device, kept only for measuring a proportional font; it
    // never starts a job). Throws Warning from the layout. `display` must outlive the output.
    OutputPreview(std::unique_ptr<Device> printer, const PrintSettings& settings, std::u16string_view title,
                  PreviewDisplay& display, const Clock& clock);

    // Completes the pages and gives them, with the layout, to the window. Called once.
    void finish() override;

    // Closes the preview window if it is open; the pages of this run are dropped with the output.
    void abort() override;

private:
    PreviewDisplay& m_display;
};

} // namespace vantolex
