#include "cli/PrintTool.h"

#include <filesystem>
#include <iostream>
#include <new>

#include "app/FileDevices.h"
#include "base/BaseMessages.h"
#include "base/Interruption.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "base/WriteFailureReason.h"
#include "cli/CliMessages.h"
#include "cli/CommandLine.h"
#include "cli/EncodingHint.h"
#include "cli/FontListing.h"
#include "cli/LinePrefixBuffer.h"
#include "cli/OutputPathChecks.h"
#include "cli/Progress.h"
#include "cli/ToolHost.h"
#include "cli/ToolPrinterChooser.h"
#include "cli/ToolPrinterSelection.h"
#include "layout/Clock.h"
#include "layout/FileByteSink.h"
#include "layout/LayoutMessages.h"
#include "layout/OutputFileFailure.h"
#include "layout/OutputLayoutJson.h"
#include "layout/PrinterFactory.h"
#include "layout/StreamByteSink.h"
#include "render/fonts/FontCatalogue.h"
#include "settings/FaceName.h"
#include "settings/OptionsFile.h"
#include "settings/PrintSettingsFields.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsRows.h"
#include "settings/SettingsStore.h"

namespace vantolex {

namespace {

void writeLine(std::ostream& stream, std::u16string_view text)
{
    stream << toUtf8(text) << '\n';
}

int usageFailure(std::ostream& err, std::u16string_view message)
{
    writeLine(err, message);
    writeLine(err, cliText::seeHelp);
    return UsageStatus;
}

// The vertical-writing face carries a leading "@" exactly when vertical writing is on, as the font page keeps
// it.
void matchFaceToWritingDirection(PrintSettings& settings)
{
    FaceName face = FaceName::parse(settings.fontName);
    face.vertical = settings.vertical;
    settings.fontName = face.stored();
}

int statusOf(RunOutcome outcome, std::ostream& err)
{
    switch (outcome) {
    case RunOutcome::Finished:
    case RunOutcome::Cancelled:
        return PrintedStatus;
    case RunOutcome::Warned:
        return WarningStatus;
    case RunOutcome::Failed:
        return ErrorStatus;
    case RunOutcome::Crashed:
        break;
    }
    writeLine(err, layoutText::unexpectedFailure);
    return ErrorStatus;
}

// One run of the tool, in the order of its steps: what needs no settings, the outputs, the settings, the
// presets, and the print.
class PrintTool
{
public:
    // Messages go to `err`; the details rows, which are no messages, to the environment's standard error
    // when standard output carries the layout.
    PrintTool(const PrintToolOptions& options, PrintToolEnvironment& environment, std::ostream& err)
        : m_options(options)
        , m_environment(environment)
        , m_out(environment.out)
        , m_err(err)
    {
    }

    int run()
    {
        if (const auto status = showInformation())
            return *status;
        if (const auto status = refuseOutputOverInput())
            return *status;
        if (const auto status = readOptions())
            return *status;
        if (const auto status = readSettings())
            return *status;
        if (const auto status = completeSettings())
            return *status;
        if (m_options.saveOptions && m_options.files.empty() && !m_options.deletePreset && !m_options.savePreset
            && !m_options.showSettings)
            return PrintedStatus;
        if (m_options.deletePreset || m_options.savePreset) {
            if (const auto status = changePresets())
                return *status;
            if (m_options.files.empty())
                return PrintedStatus;
        }
        if (m_options.showSettings) {
            std::vector<SettingsRow> rows = settingsRows(m_settings);
            appendLayoutOptionRows(rows, m_settings);
            for (const SettingsRow& row : rows)
                m_out << toUtf8(row.label) << '\t' << toUtf8(row.value) << '\n';
            return PrintedStatus;
        }
        return print();
    }

private:
    // --help, --version, --list-fonts.
    std::optional<int> showInformation()
    {
        if (m_options.help) {
            m_out << toUtf8(helpText());
            return PrintedStatus;
        }
        if (m_options.version) {
            writeLine(m_out, formatText(cliText::version, { std::u16string_view(u"" VANTOLEX_VERSION) }));
            return PrintedStatus;
        }
        if (m_options.listFonts) {
            listFonts(m_out);
            return PrintedStatus;
        }
        return std::nullopt;
    }

    // The file the run writes, if any: the layout JSON, or else the -o file.
    std::optional<std::string> outputPath() const
    {
        if (m_options.layoutJson)
            return *m_options.layoutJson == "-" ? std::nullopt : m_options.layoutJson;
        return m_options.output;
    }

    // An output that is one of the inputs (or the settings file) would destroy it: refused before anything is
    // read or written.
    std::optional<int> refuseOutputOverInput()
    {
        const std::optional<std::string> output = outputPath();
        if (!output)
            return std::nullopt;
        const bool pages = !m_options.layoutJson && m_options.outputFormat == FileFormat::Png;
        std::vector<std::string> inputs = m_options.files;
        if (!m_options.defaults) // the settings file is read too
            inputs.push_back(settingsFilePath().string());
        for (const std::string& input : inputs) {
            if (input != "-" && (pages ? isPngPageOf(input, *output) : isSameFile(*output, input))) {
                const std::u16string name = fromUtf8(pages ? input : *output);
                return usageFailure(m_err, formatText(cliText::outputIsInput, { std::u16string_view(name) }));
            }
        }
        return std::nullopt;
    }

    std::filesystem::path settingsFilePath() const
    {
        return m_options.settingsPath ? std::filesystem::path(*m_options.settingsPath) : settingsPath(settingsFileName);
    }

    // The layout options: the options file's (none with --defaults), then those of the command line; with
    // --save-options written back, before the settings file is read or locked.
    std::optional<int> readOptions()
    {
        const std::filesystem::path path = settingsFilePath();
        if (!m_options.defaults)
            m_layoutOptions = readOptionsFile(path).options;
        if (m_options.kinsoku)
            m_layoutOptions.kinsoku = *m_options.kinsoku;
        if (m_options.supplementary)
            m_layoutOptions.supplementary = *m_options.supplementary;
        if (!m_options.saveOptions)
            return std::nullopt;
        int error = 0;
        const std::u16string optionsPath = fromUtf8(optionsPathBeside(path).string());
        OptionsSaveResult result = OptionsSaveResult::Saved;
        try {
            result = saveOptionsFile(path, m_layoutOptions, error);
        } catch (const Error& failure) {
            writeLine(m_err, failure.message);
            return ErrorStatus;
        }
        switch (result) {
        case OptionsSaveResult::Saved:
            return std::nullopt;
        case OptionsSaveResult::KeptUnreadable:
            writeLine(m_err, formatText(cliText::optionsUnreadable, { std::u16string_view(optionsPath) }));
            return ErrorStatus;
        case OptionsSaveResult::NotWritten:
            break;
        }
        writeLine(m_err, formatText(cliText::optionsNotSaved, { std::u16string_view(optionsPath) }));
        return ErrorStatus;
    }

    // The settings file, read without side effects; a preset change is written by changePresets() alone, under
    // the file's lock for no longer than its read–modify–rename. --list-presets ends here.
    std::optional<int> readSettings()
    {
        if (m_options.defaults) {
            m_settings.resetToDefaults();
            return std::nullopt;
        }
        const std::filesystem::path path = settingsFilePath();
        m_store.emplace(path, SettingsAccess::ReadOnly);
        if (m_store->loadRefusedFile()) {
            const std::u16string shown = fromUtf8(path.string());
            writeLine(m_err, formatText(cliText::settingsNotRead, { std::u16string_view(shown) }));
        }
        m_settings = m_store->currentSettings;
        if (m_options.listPresets) {
            for (const Preset& preset : m_store->presets())
                writeLine(m_out, preset.name);
            return PrintedStatus;
        }
        return std::nullopt;
    }

    // --preset, then --set, then the face for the writing direction; validated as before a print.
    std::optional<int> completeSettings()
    {
        if (m_options.preset) {
            const auto index = m_store ? m_store->findPreset(*m_options.preset) : std::nullopt;
            if (!index) {
                writeLine(m_err, formatText(cliText::presetNotFound, { std::u16string_view(*m_options.preset) }));
                return WarningStatus;
            }
            m_store->applyPreset(*index);
            m_settings = m_store->currentSettings;
        }
        for (const auto& [name, value] : m_options.fieldSettings) {
            switch (setField(m_settings, name, value)) {
            case SetFieldResult::Done:
                break;
            case SetFieldResult::UnknownField:
                return usageFailure(m_err, formatText(cliText::unknownField, { std::u16string_view(fromUtf8(name)) }));
            case SetFieldResult::BadValue: {
                const std::u16string setting = fromUtf8(name + "=" + value);
                return usageFailure(m_err, formatText(cliText::badFieldValue, { std::u16string_view(setting) }));
            }
            }
        }
        matchFaceToWritingDirection(m_settings);
        m_settings.fontDescriptor.reset();
        m_settings.layoutOptions = m_layoutOptions;
        std::u16string message;
        if (!validate(message, m_settings)) {
            writeLine(m_err, message);
            return WarningStatus;
        }
        return std::nullopt;
    }

    // --delete-preset, then --save-preset, written as one change of the settings file.
    std::optional<int> changePresets()
    {
        if (m_options.deletePreset) {
            const auto index = m_store->findPreset(*m_options.deletePreset);
            if (!index) {
                writeLine(m_err, formatText(cliText::presetNotFound, { std::u16string_view(*m_options.deletePreset) }));
                return WarningStatus;
            }
            m_store->removePreset(*index);
        }
        if (m_options.savePreset) {
            if (const std::optional<UnstorableField> field = unstorableField(m_settings)) {
                const std::u16string name = fromUtf8(field->name);
                const std::u16string character = codePointName(field->character);
                return usageFailure(m_err,
                                    formatText(cliText::unstorableField,
                                               { std::u16string_view(name), std::u16string_view(character) }));
            }
            m_store->updatePreset(*m_options.savePreset, m_settings);
        }
        const std::u16string path = fromUtf8(m_store->filePath().string());
        switch (m_store->save()) {
        case SaveResult::Saved:
            return std::nullopt;
        case SaveResult::KeptUnreadable:
            writeLine(m_err, formatText(cliText::settingsUnreadable, { std::u16string_view(path) }));
            return ErrorStatus;
        case SaveResult::NotLocked:
            writeLine(m_err, m_store->lockFailure());
            return ErrorStatus;
        case SaveResult::NotWritten:
            break;
        }
        writeLine(m_err, formatText(cliText::settingsNotSaved, { std::u16string_view(path) }));
        return ErrorStatus;
    }

    // A file output into a folder that is not there would fail only when its first page is written, after all
    // the input has been read.
    std::optional<int> refuseMissingFolder(const std::string& path)
    {
        const int error = folderError(path);
        if (error == 0)
            return std::nullopt;
        writeLine(m_err, outputFileFailureText(OutputFileStage::Create, path, writeFailureReason(error)));
        return ErrorStatus;
    }

    // The spooler's printer when the command line asks for no file, and whether there is one; a usage failure
    // when --paper names a paper it does not have.
    std::optional<int> selectPrinter()
    {
        if (m_options.output || (m_options.layoutJson && !m_options.printer))
            return std::nullopt;
        auto selected = selectToolPrinter(m_options, m_environment);
        if (const auto* refusal = std::get_if<UsageError>(&selected))
            return usageFailure(m_err, refusal->message);
        if (auto* printer = std::get_if<PrinterSelection>(&selected))
            m_printer = std::move(*printer);
        return std::nullopt;
    }

    int print()
    {
        // Without a file, standard input, as lp reads it; not from a terminal, where nobody means to type the text.
        std::vector<std::string> files = m_options.files;
        if (files.empty()) {
            if (m_environment.inIsTerminal)
                return usageFailure(m_err, cliText::noFileOnTerminal);
            files.emplace_back("-");
        }
        if (const std::optional<std::string> path = outputPath()) {
            if (const auto status = refuseMissingFolder(*path))
                return *status;
        }
        if (const auto status = selectPrinter())
            return *status;
        // The face the font page would choose for these settings.
        FontCatalogue catalogue;
        const auto choice = catalogue.selectFont(m_settings.proportional, m_settings.vertical, m_settings.language,
                                                 m_settings.fontName);
        m_settings.fontDescriptor = choice.description;
        if (choice.description && choice.substituted)
            writeLine(m_err,
                      formatText(cliText::faceSubstituted,
                                 { std::u16string_view(m_settings.fontName), std::u16string_view(choice.fontName) }));

        // Shift JIS is the default, as in the dialog; a UTF-8 file read that way is worth a word, never a change.
        if (!m_options.encodingGiven) {
            for (const std::u16string& hint : utf8Hints(m_options.files))
                writeLine(m_err, hint);
        }

        const bool jsonToStandardOutput = m_options.layoutJson && *m_options.layoutJson == "-";
        std::ostream* details = m_options.details ? (jsonToStandardOutput ? &m_environment.err : &m_out) : nullptr;
        ToolHost host(files, m_options.encoding, m_environment.in, m_err, details);
        const Clock& clock = m_environment.clock;
        Progress progress(m_err, m_environment.errIsTerminal);
        int missingGlyphs = 0;
        ToolPrinterChooser chooser(m_options, m_environment, m_printer, progress, missingGlyphs);

        if (m_options.layoutJson) {
            // The device measures and gives the grid; nothing is drawn, so no file is written and no job started.
            std::unique_ptr<ByteSink> sink;
            if (jsonToStandardOutput)
                sink = std::make_unique<StreamByteSink>(m_out, std::u16string(cliText::standardOutputNotWritten));
            else
                sink = std::make_unique<FileByteSink>(*m_options.layoutJson);
            LayoutJsonFactory factory([&chooser] { return chooser.choosePrinter(); }, *sink, clock);
            return statusOf(runPrintJob(host, m_settings, factory, m_options.details), m_err);
        }
        PrinterFactory factory(chooser, clock);
        const RunOutcome outcome = runPrintJob(host, m_settings, factory, m_options.details);
        progress.finish();
        if (missingGlyphs > 0)
            writeLine(m_err, formatText(cliText::missingGlyphs, { missingGlyphs }));
        return statusOf(outcome, m_err);
    }

    const PrintToolOptions& m_options;
    PrintToolEnvironment& m_environment;
    std::ostream& m_out;
    std::ostream& m_err;
    std::optional<SettingsStore> m_store;
    PrintSettings m_settings;
    std::optional<PrinterSelection> m_printer;
    LayoutOptions m_layoutOptions; // of the options file and the command line
};

} // namespace

int runPrintTool(std::span<const std::string> arguments, PrintToolEnvironment& environment)
{
    LinePrefixBuffer prefixed(*environment.err.rdbuf(), toUtf8(cliText::messagePrefix));
    std::ostream err(&prefixed);
    const auto parsed = parseCommandLine(arguments);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return usageFailure(err, usage->message);
    int status = ErrorStatus;
    try {
        PrintTool tool(std::get<PrintToolOptions>(parsed), environment, err);
        status = tool.run();
    } catch (const Interrupted& interrupted) {
        return 128 + interrupted.signal;
    } catch (const Warning& warning) {
        writeLine(err, warning.message);
        return WarningStatus;
    } catch (const Error& error) {
        writeLine(err, error.message);
        return ErrorStatus;
    } catch (const std::bad_alloc&) {
        writeLine(err, baseText::reasonNoMemory);
        return ErrorStatus;
    } catch (const std::exception&) {
        writeLine(err, layoutText::unexpectedFailure);
        return ErrorStatus;
    }
    // A signal that came while a job was being finished ends the program all the same.
    if (const int signal = interruptingSignal())
        return 128 + signal;
    // What went to standard output counts only once it is all there (a full disk, a closed pipe).
    environment.out.flush();
    if (!environment.out && status == PrintedStatus) {
        writeLine(err, cliText::standardOutputNotWritten);
        return ErrorStatus;
    }
    return status;
}

} // namespace vantolex
