#include "gui/main/DialogRunHost.h"

#include "gui/dialogs/AttributeDialog.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/QtClipboardSource.h"
#include "gui/main/MainDialog.h"

namespace vantolex {

SourceChoice DialogRunHost::sourceChoice() const
{
    return m_dialog.sourceChoice();
}

bool DialogRunHost::clipboardHasText()
{
    return QtClipboardSource::hasText();
}

bool DialogRunHost::confirmDetails(std::u16string_view sampleText, const PrintSettings& settings,
                                   const PageLayout& layout)
{
    AttributeDialog dialog(sampleText, settings, layout, &m_dialog);
    return dialog.exec() == AttributeDialog::Print;
}

void DialogRunHost::setBusy(bool busy)
{
    if (busy)
        m_waitCursor.emplace();
    else
        m_waitCursor.reset();
}

void DialogRunHost::report(ReportKind kind, const std::u16string& message)
{
    if (kind == ReportKind::Warning)
        MessageBox::warning(&m_dialog, message);
    else
        MessageBox::error(&m_dialog, message);
}

} // namespace vantolex
