#include "layout/PrintRun.h"

#include <exception>
#include <filesystem>
#include <limits>
#include <new>

#include "base/BaseMessages.h"
#include "base/Errors.h"
#include "base/Interruption.h"
#include "base/Utf16.h"
#include "input/ClipboardReader.h"
#include "input/FileReader.h"
#include "input/MultiFileReader.h"
#include "input/TextReader.h"
#include "layout/LayoutMessages.h"
#include "layout/Output.h"
#include "settings/PrintSettings.h"

namespace vantolex {

namespace {

// Shows the busy sign for as long as it lives, or until release().
class BusyGuard
{
public:
    explicit BusyGuard(PrintRunHost& host)
        : m_host(host)
    {
        m_host.setBusy(true);
    }
    ~BusyGuard() { release(); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

    void release()
    {
        if (m_shown) {
            m_shown = false;
            m_host.setBusy(false);
        }
    }

private:
    PrintRunHost& m_host;
    bool m_shown = true;
};

// Hands every item of the reader to the output until the text ends or the output ends the range.
void printItems(TextReader& reader, Output& output, int startLine)
{
    int lineNumber = startLine;
    try {
        while (reader.nextLine()) {
            throwIfInterrupted();
            const TextLine line = reader.currentLine();
            switch (line.kind) {
            case LineKind::Text:
                if (lineNumber == std::numeric_limits<int>::max())
                    return; // the last line that can be numbered: the range ends there
                ++lineNumber;
                output.putLine(lineNumber, line.text ? std::u16string_view(line.text) : std::u16string_view());
                break;
            case LineKind::ColumnBreak:
                output.breakColumn();
                break;
            case LineKind::PageBreak:
                output.newPage();
                break;
            }
        }
    } catch (const NotifyEndOutput&) {
        // the end of the print range: finished like the end of the text
    }
}

void skipStart(TextReader& reader, int startLine)
{
    for (int skipped = 0; skipped < startLine; ++skipped) {
        if (!reader.nextLine())
            throw Warning(std::u16string(layoutText::startSkipExhausted));
    }
}

// The phases of a run. Every object lives in a scope of its own, so that leaving by an exception releases
// them in reverse order of creation: the busy sign, then (after abort) the output, then the reader.
RunOutcome runPhases(PrintRunHost& host, const PrintSettings& settings, OutputFactory& factory, bool showDetails)
{
    std::unique_ptr<TextReader> reader = host.createSourceReader(settings);
    if (!reader)
        return RunOutcome::Cancelled;

    skipStart(*reader, settings.startLine);

    std::unique_ptr<Output> output = factory.createOutput(settings, reader->title());
    if (!output)
        return RunOutcome::Cancelled;

    // The busy sign stays through finish: a buffered output hands its whole job to the spooler there.
    std::unique_ptr<BusyGuard> busy;
    try {
        if (showDetails && !host.confirmDetails(reader->sampleText(), settings, output->layout()))
            throw Warning(std::u16string(layoutText::printCancelled));
        busy = std::make_unique<BusyGuard>(host);
        printItems(*reader, *output, settings.startLine);
        if (output->countsPagesFirst()) {
            // The pages are counted: the text is read again, from its start, and drawn.
            output->startDrawingPass();
            reader->rewind();
            skipStart(*reader, settings.startLine);
            printItems(*reader, *output, settings.startLine);
        }
    } catch (...) {
        busy.reset();
        output->abort();
        throw;
    }
    output->finish();
    busy.reset();
    output.reset();
    reader.reset();
    return RunOutcome::Finished;
}

} // namespace

std::unique_ptr<TextReader> PrintRunHost::createSourceReader(const PrintSettings& settings)
{
    return readerForChoice(sourceChoice(), *this, settings);
}

std::unique_ptr<TextReader> readerForChoice(const SourceChoice& choice, PrintRunHost& host,
                                            const PrintSettings& settings)
{
    switch (choice.kind) {
    case SourceKind::File: {
        if (!choice.filePath.empty())
            return createFileReader(choice.filePath, choice.encoding);
        const std::u16string_view name = trimWhiteSpace(choice.fileName);
        if (name.empty())
            throw Warning(std::u16string(layoutText::noFileGiven));
        return createFileReader(std::filesystem::path(toUtf8(name)), choice.encoding);
    }
    case SourceKind::MultipleFiles:
        if (!choice.files || choice.files->empty())
            throw Warning(std::u16string(layoutText::noFileGiven));
        return std::make_unique<MultiFileReader>(settings.separatorMethod, *choice.files, settings.separatorLines);
    case SourceKind::Clipboard:
        if (!choice.clipboard || !host.clipboardHasText())
            throw Warning(std::u16string(layoutText::clipboardEmpty));
        return std::make_unique<ClipboardReader>(*choice.clipboard);
    case SourceKind::None:
        break;
    }
    return nullptr;
}

RunOutcome runPrintJob(PrintRunHost& host, const PrintSettings& settings, OutputFactory& factory, bool showDetails)
{
    try {
        return runPhases(host, settings, factory, showDetails);
    } catch (const Warning& warning) {
        host.report(ReportKind::Warning, warning.message);
        return RunOutcome::Warned;
    } catch (const Error& error) {
        host.report(ReportKind::Error, error.message);
        return RunOutcome::Failed;
    } catch (const std::bad_alloc&) {
        host.report(ReportKind::Error, std::u16string(baseText::reasonNoMemory));
        return RunOutcome::Failed;
    } catch (const std::exception&) {
        return RunOutcome::Crashed;
    }
}

} // namespace vantolex
