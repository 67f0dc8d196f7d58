#include "cli/PrintTool.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "cli/CliMessages.h"
#include "cli/CommandLine.h"
#include "cli/ToolDevice.h"
#include "cli/ToolHost.h"
#include "layout/Clock.h"
#include "layout/OutputLayoutJson.h"
#include "layout/PrinterFactory.h"
#include "layout/device/CairoFileDevices.h"
#include "layout/device/FallbackFaces.h"
#include "layout/device/FontCatalogue.h"
#include "settings/PrintSettingsFields.h"
#include "settings/SettingsLineParsing.h"
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

std::u16string u16(std::string_view text)
{
    return fromUtf8(text);
}

std::optional<FileFormat> formatOfPath(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".pdf")
        return FileFormat::Pdf;
    if (extension == ".ps")
        return FileFormat::PostScript;
    if (extension == ".svg")
        return FileFormat::Svg;
    if (extension == ".png")
        return FileFormat::Png;
    return std::nullopt;
}

bool outputFolderExists(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code failure;
    return folder.empty() || std::filesystem::is_directory(folder, failure);
}

SheetFormat sheetOf(const PrintToolOptions& options)
{
    SheetFormat sheet;
    sheet.widthMillimetres = options.paper.widthMillimetres;
    sheet.heightMillimetres = options.paper.heightMillimetres;
    sheet.dpiX = sheet.dpiY = options.dpi;
    sheet.borderMillimetres = options.borderMillimetres;
    return sheet;
}

// The vertical-writing face carries a leading "@" exactly when vertical writing is on, as the font page keeps
// it.
void matchFaceToWritingDirection(PrintSettings& settings)
{
    const bool marked = !settings.fontName.empty() && settings.fontName.front() == u'@';
    if (settings.vertical && !marked)
        settings.fontName.insert(settings.fontName.begin(), u'@');
    else if (!settings.vertical && marked)
        settings.fontName.erase(settings.fontName.begin());
}

// One line per face and script: script, face, pitch, writing direction, and the face that draws what the
// face lacks.
void listFonts(std::ostream& out)
{
    FontCatalogue catalogue;
    FaceLibrary library;
    std::map<std::u16string, std::u16string> fallbacks; // by face name without "@"
    const auto fallbackOf = [&](std::u16string_view face) -> const std::u16string& {
        const std::u16string name(face.starts_with(u'@') ? face.substr(1) : face);
        auto [at, inserted] = fallbacks.try_emplace(name);
        if (inserted)
            at->second = fallbackFamilyOf(library, name);
        return at->second;
    };
    for (const bool vertical : { false, true }) {
        for (const bool proportional : { false, true }) {
            catalogue.enumerateFonts(vertical, proportional);
            for (const auto& language : catalogue.languages()) {
                for (const auto& [face, index] : catalogue.facesOf(language)) {
                    out << toUtf8(language) << '\t' << toUtf8(face) << '\t'
                        << toUtf8(proportional ? cliText::proportionalPitch : cliText::fixedPitch) << '\t'
                        << toUtf8(vertical ? cliText::verticalWriting : cliText::horizontalWriting) << '\t'
                        << toUtf8(fallbackOf(face)) << '\n';
                }
            }
        }
    }
}

// Shows the number of each page started, on one terminal line.
class Progress
{
public:
    Progress(std::ostream& err, bool shown)
        : m_err(err)
        , m_shown(shown)
    {
    }
    ~Progress() { finish(); }

    // Ends the line of the page count, so that messages can follow.
    void finish()
    {
        if (m_pages > 0)
            m_err << toUtf8(formatText(cliText::progressDone, { m_pages })) << std::flush;
        m_pages = 0;
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    std::function<void(int)> callback()
    {
        if (!m_shown)
            return {};
        return [this](int page) {
            m_pages = page;
            m_err << toUtf8(formatText(cliText::progress, { page })) << std::flush;
        };
    }

private:
    std::ostream& m_err;
    bool m_shown;
    int m_pages = 0;
};

// Hands out the one device the command line describes, wrapped for --device-caps and progress.
class ToolPrinterChooser : public PrinterChooser
{
public:
    // `missingGlyphs` receives, at the end of each document, the characters that no face had.
    ToolPrinterChooser(const PrintToolOptions& options, PrintToolEnvironment& environment, Progress& progress,
                       int& missingGlyphs)
        : m_options(options)
        , m_environment(environment)
        , m_progress(progress)
        , m_missingGlyphs(missingGlyphs)
    {
    }

    std::unique_ptr<Device> choosePrinter() override
    {
        std::unique_ptr<Device> device;
        if (m_options.output || (m_options.layoutJson && !m_options.printer)) {
            const auto format = m_options.output ? *formatOfPath(*m_options.output) : FileFormat::Pdf;
            device = createFileDevice(format, m_options.output.value_or("layout.pdf"), sheetOf(m_options));
        } else {
            device = m_environment.openPrinter ? m_environment.openPrinter(m_options.printer) : nullptr;
            if (!device && m_options.printer)
                throw Warning(
                    formatText(cliText::printerUnavailable, { std::u16string_view(u16(*m_options.printer)) }));
            if (!device)
                throw Warning(std::u16string(cliText::noDefaultPrinter));
        }
        return std::make_unique<ToolDevice>(std::move(device), m_options.deviceCaps, m_progress.callback(),
                                            [this](int missing) { m_missingGlyphs = missing; });
    }

private:
    const PrintToolOptions& m_options;
    PrintToolEnvironment& m_environment;
    Progress& m_progress;
    int& m_missingGlyphs;
};

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
    writeLine(err, cliText::unexpectedFailure);
    return ErrorStatus;
}

int run(const PrintToolOptions& options, PrintToolEnvironment& environment)
{
    std::ostream& out = environment.out;
    std::ostream& err = environment.err;

    if (options.help) {
        out << toUtf8(cliText::help);
        return PrintedStatus;
    }
    if (options.version) {
        writeLine(out, formatText(cliText::version, { std::u16string_view(u"" VANTOLEX_VERSION) }));
        return PrintedStatus;
    }
    if (options.listFonts) {
        listFonts(out);
        return PrintedStatus;
    }
    if (options.defaults && (options.savePreset || options.deletePreset))
        return usageFailure(err, cliText::defaultsAndPresetChange);
    // Names are stored trimmed, so a name that is only white space would come back empty.
    std::optional<std::u16string> savedPresetName;
    if (options.savePreset) {
        savedPresetName = trimWhiteSpace(u16(*options.savePreset));
        if (savedPresetName->empty())
            return usageFailure(err, cliText::emptyPresetName);
    }
    if (options.output && !formatOfPath(*options.output))
        return usageFailure(err, formatText(cliText::unknownFormat, { std::u16string_view(u16(*options.output)) }));

    // The settings: read without side effects; only the two preset changes write the file.
    std::optional<SettingsStore> store;
    PrintSettings settings;
    if (options.defaults) {
        settings.resetToDefaults();
    } else {
        const auto path
            = options.settingsPath ? std::filesystem::path(*options.settingsPath) : settingsPath(settingsFileName);
        store.emplace(path, SettingsAccess::ReadOnly);
        settings = store->currentSettings;
    }
    if (options.listPresets) {
        if (store) {
            for (const Preset& preset : store->presets)
                writeLine(out, preset.name);
        }
        return PrintedStatus;
    }
    if (options.preset) {
        const auto index = store ? store->findPreset(u16(*options.preset)) : std::nullopt;
        if (!index) {
            writeLine(err, formatText(cliText::presetNotFound, { std::u16string_view(u16(*options.preset)) }));
            return WarningStatus;
        }
        store->applyPreset(*index);
        settings = store->currentSettings;
    }
    for (const auto& [name, value] : options.fieldSettings) {
        const std::string setting = name + "=" + value;
        switch (setField(settings, name, value)) {
        case SetFieldResult::Done:
            break;
        case SetFieldResult::UnknownField:
            return usageFailure(err, formatText(cliText::unknownField, { std::u16string_view(u16(name)) }));
        case SetFieldResult::BadValue:
            return usageFailure(err, formatText(cliText::badFieldValue, { std::u16string_view(u16(setting)) }));
        }
    }
    matchFaceToWritingDirection(settings);
    settings.fontDescriptor.reset();
    std::u16string message;
    if (!validate(message, settings)) {
        writeLine(err, message);
        return WarningStatus;
    }

    if (options.deletePreset || options.savePreset) {
        if (options.deletePreset) {
            const std::u16string name = u16(*options.deletePreset);
            const auto index = store->findPreset(name);
            if (!index) {
                writeLine(err, formatText(cliText::presetNotFound, { std::u16string_view(name) }));
                return WarningStatus;
            }
            store->removePreset(*index);
        }
        if (savedPresetName)
            store->updatePreset(*savedPresetName, settings);
        if (!store->save()) {
            const std::u16string path = u16(store->filePath().string());
            writeLine(err, formatText(cliText::settingsNotSaved, { std::u16string_view(path) }));
            return ErrorStatus;
        }
        if (options.files.empty())
            return PrintedStatus;
    }

    if (options.showSettings) {
        for (const SettingsRow& row : settingsRows(settings))
            out << toUtf8(row.label) << '\t' << toUtf8(row.value) << '\n';
        return PrintedStatus;
    }

    // The face the font page would choose for these settings.
    FontCatalogue catalogue;
    const auto choice
        = catalogue.selectFont(settings.proportional, settings.vertical, settings.language, settings.fontName);
    settings.fontDescriptor = choice.description;
    if (choice.description && choice.substituted)
        writeLine(err,
                  formatText(cliText::faceSubstituted,
                             { std::u16string_view(settings.fontName), std::u16string_view(choice.fontName) }));

    const bool jsonToStandardOutput = options.layoutJson && *options.layoutJson == "-";
    std::ostream* details = options.details ? (jsonToStandardOutput ? &err : &out) : nullptr;
    ToolHost host(options.files, options.encoding, environment.in, err, details);
    const Clock& clock = environment.clock ? *environment.clock : systemClock();
    Progress progress(err, environment.errIsTerminal);

    if (options.layoutJson) {
        std::ofstream file;
        if (!jsonToStandardOutput) {
            file.open(*options.layoutJson, std::ios::binary);
            if (!file) {
                writeLine(err,
                          formatText(cliText::outputNotCreated, { std::u16string_view(u16(*options.layoutJson)) }));
                return ErrorStatus;
            }
        }
        std::ostream& json = jsonToStandardOutput ? out : file;
        // The device measures and gives the grid; nothing is drawn, so no file is written and no job started.
        int missingGlyphs = 0;
        ToolPrinterChooser chooser(options, environment, progress, missingGlyphs);
        LayoutJsonFactory factory([&chooser] { return chooser.choosePrinter(); }, json, clock);
        const RunOutcome outcome = runPrintJob(host, settings, factory, options.details);
        json.flush();
        return statusOf(outcome, err);
    }

    // A file in a folder that does not exist would surface only as a printer failure at the first page.
    if (options.output && !outputFolderExists(*options.output)) {
        writeLine(err, formatText(cliText::outputNotCreated, { std::u16string_view(u16(*options.output)) }));
        return ErrorStatus;
    }
    int missingGlyphs = 0;
    ToolPrinterChooser chooser(options, environment, progress, missingGlyphs);
    PrinterFactory factory(chooser, clock);
    const RunOutcome outcome = runPrintJob(host, settings, factory, options.details);
    progress.finish();
    if (missingGlyphs > 0)
        writeLine(err, formatText(cliText::missingGlyphs, { missingGlyphs }));
    return statusOf(outcome, err);
}

} // namespace

int runPrintTool(std::span<const std::string> arguments, PrintToolEnvironment& environment)
{
    const auto parsed = parseCommandLine(arguments);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return usageFailure(environment.err, usage->message);
    try {
        return run(std::get<PrintToolOptions>(parsed), environment);
    } catch (const Warning& warning) {
        writeLine(environment.err, warning.message);
        return WarningStatus;
    } catch (const Error& error) {
        writeLine(environment.err, error.message);
        return ErrorStatus;
    } catch (const std::exception&) {
        writeLine(environment.err, cliText::unexpectedFailure);
        return ErrorStatus;
    }
}

} // namespace vantolex
