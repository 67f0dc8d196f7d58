#include "app/ui/DialogRunHost.h"

#include "app/MessageBox.h"
#include "app/QtClipboardSource.h"
#include "app/ui/MainDialog.h"
#include "settings/ui/AttributeDialog.h"

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
