// The print run's host in the dialog program: the source as the main dialog shows it, the wait cursor, and
// every report in a box owned by the main dialog.
#pragma once

#include <optional>

#include "gui/kit/WaitCursor.h"
#include "layout/PrintRun.h"

namespace vantolex {

class MainDialog;

class DialogRunHost : public PrintRunHost
{
public:
    explicit DialogRunHost(MainDialog& dialog)
        : m_dialog(dialog)
    {
    }

    SourceChoice sourceChoice() const override;
    bool clipboardHasText() override;
    // The details of the coming print for the user to confirm (OK) or decline.
    bool confirmDetails(std::u16string_view sampleText, const PrintSettings& settings,
                        const PageLayout& layout) override;
    void setBusy(bool busy) override;
    void report(ReportKind kind, const std::u16string& message) override;

private:
    MainDialog& m_dialog;
    std::optional<WaitCursor> m_waitCursor;
};

} // namespace vantolex
