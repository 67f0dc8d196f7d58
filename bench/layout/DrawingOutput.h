// An output that draws each display line at once through a Canvas on a Device, as a direct printer output
// does: the benchmark's and the sample pages' way of putting laid-out text on paper.
#pragma once

#include <memory>
#include <string>

#include "layout/Canvas.h"
#include "layout/Output.h"

namespace vantolex {

class DrawingOutput final : public Output
{
public:
    DrawingOutput(Device& device, const PrintSettings& settings, std::u16string_view title)
        : Output(device, settings, title, systemClock())
    {
        newPage(); // the first page begins with the output
    }

    void finish() override
    {
        if (m_drawnPage > 0) {
            device().endPage();
        }
        if (m_canvas) {
            device().endDoc();
        }
    }
    void abort() override { device().abortDoc(); }
    bool prepareForItem() override { return true; }

protected:
    void emitLine() override
    {
        if (!m_canvas) {
            device().startDoc(u"sample - Vantolex");
            m_canvas = std::make_unique<Canvas>(device(), layout());
        }
        if (page() != m_drawnPage) {
            if (m_drawnPage > 0) {
                device().endPage();
            }
            device().startPage();
            m_canvas->beginPage(page());
            m_drawnPage = page();
        }
        m_canvas->drawLine(column(), lineInColumn(), lineText());
    }

private:
    std::unique_ptr<Canvas> m_canvas;
    int m_drawnPage = 0;
};

} // namespace vantolex
