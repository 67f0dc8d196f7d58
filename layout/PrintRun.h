// The print run: one procedure that drives every print and every preview from the chosen source through the
// start skip, the optional details confirmation and the item loop to the finished or abandoned output.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/EncodingIndex.h"
#include "input/FileEntry.h"

namespace vantolex {

class ClipboardSource;
class OutputFactory;
class TextReader;
struct PageLayout;
struct PrintSettings;

enum class SourceKind
{
    None, // no source button selected
    File, // one file: fileName with encoding
    MultipleFiles, // the list of files, each with its own encoding
    Clipboard, // the Unicode text on the clipboard
};

// The source as the main dialog (or the command-line tool) shows it when a run starts.
struct SourceChoice
{
    SourceKind kind = SourceKind::None;
    std::u16string fileName; // the file-name box, as typed
    EncodingIndex encoding = 0; // the encoding box, for the single file
    const std::vector<FileEntry>* files = nullptr; // the file list; must outlive the run
    ClipboardSource* clipboard = nullptr; // where the clipboard text comes from
    // The file whose name the box shows, while it shows it unchanged: opened by its bytes, so that a name that is
    // not UTF-8 (Shift JIS, say) survives the box's text. Empty when the name was typed.
    std::filesystem::path filePath;
};

enum class ReportKind
{
    Warning, // "警告 [Vantolex]", exclamation icon
    Error, // "エラー [Vantolex]", stop icon
};

// What a run needs of the window (or the terminal) that starts it.
class PrintRunHost
{
public:
    virtual ~PrintRunHost() = default;

    virtual SourceChoice sourceChoice() const = 0;

    // The reader for the chosen source, or null when no source is selected. Raises Warning when the chosen
    // source is empty; passes on what the readers raise. By default readerForChoice of sourceChoice().
    virtual std::unique_ptr<TextReader> createSourceReader(const PrintSettings& settings);

    // Whether the clipboard holds Unicode text at all.
    virtual bool clipboardHasText() = 0;

    // Shows the details of the coming print; true when the user confirms it.
    virtual bool confirmDetails(std::u16string_view sampleText, const PrintSettings& settings, const PageLayout& layout)
        = 0;

    // Shows or removes the sign that the run is busy (the wait cursor).
    virtual void setBusy(bool busy) = 0;

    // Shows a failure after the run has released everything.
    virtual void report(ReportKind kind, const std::u16string& message) = 0;
};

enum class RunOutcome
{
    Finished, // the output was finished (possibly with nothing placed)
    Cancelled, // no source selected, or the printer choice declined: nothing shown
    Warned, // a Warning was reported
    Failed, // an Error or PrinterError was reported, or that memory ran out
    Crashed, // another standard-library failure ended the run; nothing was reported
};

// The reader for `choice`: a file reader for one file (its name trimmed of white space), a multi-file
// reader over the list with the separators of `settings`, or a clipboard reader; null for no source.
// Raises Warning when the chosen source is empty.
std::unique_ptr<TextReader> readerForChoice(const SourceChoice& choice, PrintRunHost& host,
                                            const PrintSettings& settings);

// Runs one print or preview. Reports Warning and Error, and the lack of memory, through the host after every
// clean-up and lets none of them escape. Interrupted (a signal ending the program) passes on after the clean-up.
// `settings` must have passed validation.
RunOutcome runPrintJob(PrintRunHost& host, const PrintSettings& settings, OutputFactory& factory, bool showDetails);

} // namespace vantolex
