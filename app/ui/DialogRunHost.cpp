#include "app/ui/DialogRunHost.h"

#include "app/MessageBox.h"
#include "app/QtClipboardSource.h"
#include "app/QtText.h"
#include "app/ui/MainDialog.h"
#include "app/ui/MainDialogMessages.h"
#include "base/TextFormat.h"
#include "layout/DetailRows.h"

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
    // Until the details dialog is there, the same rows in a confirmation: nothing prints without the OK.
    std::u16string rows;
    for (const SettingsRow& row : detailRows(settings, layout, sampleText)) {
        rows += row.label;
        rows += u"\t";
        rows += row.value;
        rows += u"\n";
    }
    const std::u16string text = formatText(mainText::confirmPrint, { std::u16string_view(rows) });
    return MessageBox::question(&m_dialog, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok;
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
