#include "filter/TextToPdf.h"

#include <memory>
#include <new>
#include <ostream>
#include <vector>

#include "base/BaseMessages.h"
#include "base/Errors.h"
#include "base/Interruption.h"
#include "base/TextFormat.h"
#include "base/Utf16.h"
#include "filter/FilterHost.h"
#include "filter/FilterMessages.h"
#include "filter/JobOptions.h"
#include "filter/JobTitleFactory.h"
#include "filter/StandardInputCopy.h"
#include "filter/StandardOutputPrinter.h"
#include "layout/LayoutMessages.h"
#include "render/fonts/FontCatalogue.h"
#include "settings/FaceName.h"
#include "settings/OptionsFile.h"
#include "settings/SettingsStore.h"
#include "spool/CupsHandles.h"
#include "spool/PpdPaper.h"

namespace vantolex {

namespace {

// The arguments of filter(7).
enum Argument : std::size_t
{
    JobId,
    User,
    Title,
    Copies,
    Options,
    File,
};

// The paper for a job without a PPD file: its media by name, else A4; the border of a file device.
constexpr int defaultSheetWidth = 21000; // hundredths of a millimetre
constexpr int defaultSheetLength = 29700;
constexpr int unknownMargin = 500;

std::vector<JobOption> jobOptionsOf(const std::string& text)
{
    const CupsOptionList list(text.c_str());
    std::vector<JobOption> options;
    for (int i = 0; i < list.count(); ++i)
        options.emplace_back(list.data()[i].name, list.data()[i].value ? list.data()[i].value : "");
    return options;
}

PrinterPage pageWithoutPpd(const std::vector<JobOption>& options)
{
    std::optional<std::pair<int, int>> size;
    for (const auto& [name, value] : options) {
        if (name == "media" || name == "PageSize") {
            // "media" may list a tray and a type after the size: "A4,Upper".
            if (auto named = mediaSizeForName(value.substr(0, value.find(','))))
                size = named;
        }
    }
    const auto [width, length] = size.value_or(std::pair { defaultSheetWidth, defaultSheetLength });
    PrinterPage page;
    page.media = mediaNameForSize(width, length);
    page.sheetWidth = width;
    page.sheetLength = length;
    page.marginLeft = page.marginTop = page.marginRight = page.marginBottom = unknownMargin;
    page.caps.dpiX = page.caps.dpiY = defaultPrinterDpi;
    page.caps.width = static_cast<int>(std::int64_t { width - 2 * unknownMargin } * defaultPrinterDpi / 2540);
    page.caps.height = static_cast<int>(std::int64_t { length - 2 * unknownMargin } * defaultPrinterDpi / 2540);
    return page;
}

// The vertical-writing face carries a leading "@" exactly when vertical writing is on, as the font page keeps
// it.
void matchFaceToWritingDirection(PrintSettings& settings)
{
    FaceName face = FaceName::parse(settings.fontName);
    face.vertical = settings.vertical;
    settings.fontName = face.stored();
}

class FilterRun
{
public:
    FilterRun(std::span<const std::string> arguments, FilterEnvironment& environment)
        : m_arguments(arguments)
        , m_environment(environment)
        , m_err(environment.err)
    {
    }

    int run()
    {
        const std::vector<JobOption> options = jobOptionsOf(m_arguments[Options]);
        const PrinterPage page = paperOf(options);
        m_err << "DEBUG: page " << page.media << ", " << page.caps.width << "x" << page.caps.height << " pixels at "
              << page.caps.dpiX << "x" << page.caps.dpiY << " dpi\n";

        std::optional<PrintSettings> settings = settingsFor(options, page);
        if (!settings)
            return filterFailed;

        FontCatalogue catalogue;
        const auto choice
            = catalogue.selectFont(settings->proportional, settings->vertical, settings->language, settings->fontName);
        settings->fontDescriptor = choice.description;
        if (choice.description && choice.substituted)
            writeFilterMessage(
                m_err, "INFO: ",
                formatText(filterText::faceSubstituted,
                           { std::u16string_view(settings->fontName), std::u16string_view(choice.fontName) }));

        std::unique_ptr<StandardInputCopy> standardInput;
        if (m_arguments.size() <= File)
            standardInput = std::make_unique<StandardInputCopy>(m_environment.input);
        const std::filesystem::path file
            = standardInput ? standardInput->path() : std::filesystem::path(m_arguments[File]);

        FilterHost host(file, m_encoding, m_err);
        StandardOutputPrinter printer(page, m_environment.out, m_environment.clock);
        PrinterFactory factory(printer, m_environment.clock);
        JobTitleFactory titled(factory, fromUtf8(m_arguments[Title]));
        switch (runPrintJob(host, *settings, titled, false)) {
        case RunOutcome::Finished:
            return filterPrinted;
        case RunOutcome::Warned:
        case RunOutcome::Failed:
            return filterFailed;
        case RunOutcome::Cancelled:
        case RunOutcome::Crashed:
            break;
        }
        writeFilterMessage(m_err, "ERROR: ", layoutText::unexpectedFailure);
        return filterFailed;
    }

private:
    PrinterPage paperOf(const std::vector<JobOption>& options) const
    {
        if (m_environment.ppd) {
            if (std::optional<PrinterPage> page = ppdPaper(*m_environment.ppd, options))
                return *page;
            m_err << "DEBUG: no page size in " << m_environment.ppd->string() << "\n";
        }
        return pageWithoutPpd(options);
    }

    // The system's settings with the job's options, validated; none when the job fails (said on ERROR lines).
    std::optional<PrintSettings> settingsFor(const std::vector<JobOption>& options, const PrinterPage& page)
    {
        const SettingsStore store(m_environment.systemSettings, SettingsAccess::ReadOnly);
        SystemSettings system { store.currentSettings, store.presets() };
        system.current.layoutOptions = readOptionsFile(m_environment.systemSettings).options;
        auto mapped = mapJobOptions(system, options, page.caps);
        if (const auto* failure = std::get_if<JobOptionFailure>(&mapped)) {
            writeFilterMessage(m_err, "ERROR: ", failure->message);
            return std::nullopt;
        }
        FilterJob& job = std::get<FilterJob>(mapped);
        if (!job.ignored.empty()) {
            std::string names;
            for (const std::string& name : job.ignored)
                names += (names.empty() ? "" : ", ") + name;
            const std::u16string list = fromUtf8(names);
            writeFilterMessage(m_err, "INFO: ", formatText(filterText::ignoredOptions, { std::u16string_view(list) }));
        }
        m_encoding = job.encoding;
        matchFaceToWritingDirection(job.settings);
        job.settings.fontDescriptor.reset();
        std::u16string message;
        if (!validate(message, job.settings)) {
            writeFilterMessage(m_err, "ERROR: ", message);
            return std::nullopt;
        }
        return std::move(job.settings);
    }

    std::span<const std::string> m_arguments;
    FilterEnvironment& m_environment;
    std::ostream& m_err;
    EncodingIndex m_encoding = 3;
};

} // namespace

int runTextToPdf(std::span<const std::string> arguments, FilterEnvironment& environment)
{
    std::ostream& err = environment.err;
    if (arguments.size() != File && arguments.size() != File + 1) {
        writeFilterMessage(err, "ERROR: ", filterText::usage);
        return filterFailed;
    }
    int status = filterFailed;
    try {
        FilterRun run(arguments, environment);
        status = run.run();
    } catch (const Interrupted& interrupted) {
        return 128 + interrupted.signal;
    } catch (const Exception& failure) {
        writeFilterMessage(err, "ERROR: ", failure.message);
        return filterFailed;
    } catch (const std::bad_alloc&) {
        writeFilterMessage(err, "ERROR: ", baseText::reasonNoMemory);
        return filterFailed;
    } catch (const std::exception&) {
        writeFilterMessage(err, "ERROR: ", layoutText::unexpectedFailure);
        return filterFailed;
    }
    if (const int signal = interruptingSignal())
        return 128 + signal;
    // The document counts only once all of it has reached the next filter.
    environment.out.flush();
    if (!environment.out && status == filterPrinted) {
        writeFilterMessage(err, "ERROR: ", filterText::standardOutputNotWritten);
        return filterFailed;
    }
    return status;
}

} // namespace vantolex
