#include "support/PrivateCupsd.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

extern char** environ;

namespace vantolex::test {

namespace fs = std::filesystem;

namespace {

const char* const cupsdProgram = "/usr/sbin/cupsd";
const char* const passThroughFilter = "/usr/lib/cups/filter/gziptoany"; // package cups-core-drivers
const char* const systemServerBin = "/usr/lib/cups";

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A free TCP port on the loopback interface, as the kernel picks one.
int freeLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

bool acceptsConnections(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// A PPD whose printer takes PDF as it is: the filter passes the document through unchanged (gziptoany only
// decompresses gzip), so the capture file holds exactly the PDF that was sent. With `takes`, the printer takes
// documents of that type with no filter of its own: "application/pdf" straight from the filter before it,
// "application/vnd.cups-pdf" after CUPS's pdftopdf, as a printer with a driver does.
std::string passThroughPpd(const std::string& pageSize, const std::string& dimensions, const std::string& imageableArea,
                           const std::string& resolution, const std::string& takes = "")
{
    std::string ppd = "*PPD-Adobe: \"4.3\"\n"
                      "*FormatVersion: \"4.3\"\n"
                      "*FileVersion: \"1.0\"\n"
                      "*LanguageVersion: English\n"
                      "*LanguageEncoding: ISOLatin1\n"
                      "*PCFileName: \"CAPTURE.PPD\"\n"
                      "*Manufacturer: \"Test\"\n"
                      "*Product: \"(Capture)\"\n"
                      "*ModelName: \"Capture\"\n"
                      "*ShortNickName: \"Capture\"\n"
                      "*NickName: \"Capture\"\n"
                      "*PSVersion: \"(3010.000) 0\"\n"
                      "*LanguageLevel: \"3\"\n"
                      "*ColorDevice: True\n"
                      "*DefaultColorSpace: RGB\n"
                      "*FileSystem: False\n"
                      "*Throughput: \"1\"\n"
                      "*cupsVersion: 2.4\n"
                      "*cupsFilter2: \""
        + (takes.empty() ? "application/pdf application/vnd.cups-pdf 0 gziptoany" : takes + " application/pdf 0 -")
        + "\"\n";
    if (!resolution.empty())
        ppd += "*DefaultResolution: " + resolution + "\n";
    ppd += "*OpenUI *PageSize/Media Size: PickOne\n"
           "*OrderDependency: 10 AnySetup *PageSize\n"
           "*DefaultPageSize: "
        + pageSize
        + "\n"
          "*PageSize "
        + pageSize + ": \"<</PageSize[" + dimensions
        + "]>>setpagedevice\"\n"
          "*CloseUI: *PageSize\n"
          "*OpenUI *PageRegion: PickOne\n"
          "*OrderDependency: 10 AnySetup *PageRegion\n"
          "*DefaultPageRegion: "
        + pageSize
        + "\n"
          "*PageRegion "
        + pageSize + ": \"<</PageSize[" + dimensions
        + "]>>setpagedevice\"\n"
          "*CloseUI: *PageRegion\n"
          "*DefaultImageableArea: "
        + pageSize
        + "\n"
          "*ImageableArea "
        + pageSize + ": \"" + imageableArea
        + "\"\n"
          "*DefaultPaperDimension: "
        + pageSize
        + "\n"
          "*PaperDimension "
        + pageSize + ": \"" + dimensions + "\"\n";
    return ppd;
}

// One paper of a PPD: its name, its size in points and its imageable area.
struct PpdPaper
{
    std::string name;
    std::string dimensions;
    std::string imageableArea;
};

// A pass-through PPD listing several papers in the order given, `defaultPaper` its default, with two-sided
// printing.
std::string severalPapersPpd(const std::vector<PpdPaper>& papers, const std::string& defaultPaper)
{
    const PpdPaper& first = papers.front();
    std::string ppd = passThroughPpd(first.name, first.dimensions, first.imageableArea, "600dpi");
    ppd = ppd.substr(0, ppd.find("*OpenUI *PageSize"));
    for (const char* option : { "PageSize", "PageRegion" }) {
        ppd += std::string("*OpenUI *") + option + ": PickOne\n*OrderDependency: 10 AnySetup *" + option + "\n*Default"
            + option + ": " + defaultPaper + "\n";
        for (const PpdPaper& paper : papers)
            ppd += std::string("*") + option + " " + paper.name + ": \"<</PageSize[" + paper.dimensions
                + "]>>setpagedevice\"\n";
        ppd += std::string("*CloseUI: *") + option + "\n";
    }
    ppd += "*DefaultImageableArea: " + defaultPaper + "\n";
    for (const PpdPaper& paper : papers)
        ppd += "*ImageableArea " + paper.name + ": \"" + paper.imageableArea + "\"\n";
    ppd += "*DefaultPaperDimension: " + defaultPaper + "\n";
    for (const PpdPaper& paper : papers)
        ppd += "*PaperDimension " + paper.name + ": \"" + paper.dimensions + "\"\n";
    ppd += "*OpenUI *Duplex/2-Sided Printing: PickOne\n"
           "*OrderDependency: 10 AnySetup *Duplex\n"
           "*DefaultDuplex: None\n"
           "*Duplex None: \"<</Duplex false>>setpagedevice\"\n"
           "*Duplex DuplexNoTumble: \"<</Duplex true/Tumble false>>setpagedevice\"\n"
           "*Duplex DuplexTumble: \"<</Duplex true/Tumble true>>setpagedevice\"\n"
           "*CloseUI: *Duplex\n";
    return ppd;
}

// `ppd` with one more page size that a job may choose.
std::string withPageSize(std::string ppd, const std::string& pageSize, const std::string& dimensions,
                         const std::string& imageableArea)
{
    const std::string code = ": \"<</PageSize[" + dimensions + "]>>setpagedevice\"\n";
    for (const std::string option : { "PageSize", "PageRegion" }) {
        const std::string close = "*CloseUI: *" + option + "\n";
        ppd.insert(ppd.find(close), "*" + option + " " + pageSize + code);
    }
    return ppd + "*ImageableArea " + pageSize + ": \"" + imageableArea + "\"\n*PaperDimension " + pageSize + ": \""
        + dimensions + "\"\n";
}

} // namespace

PrivateCupsd::~PrivateCupsd()
{
    stop();
}

std::string PrivateCupsd::start()
{
    if (access(cupsdProgram, X_OK) != 0)
        return std::string(cupsdProgram) + " is not installed";
    if (access(passThroughFilter, X_OK) != 0)
        return std::string(passThroughFilter) + " is not installed";

    char pattern[] = "/tmp/vantolex-cupsd-XXXXXX";
    if (!mkdtemp(pattern))
        return "no temporary folder";
    m_root = pattern;
    // The filters run as the spooler's user and must reach the spool folder.
    fs::permissions(m_root,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read
                        | fs::perms::others_exec);
    for (const char* folder : { "conf/ppd", "spool/tmp", "log", "cache", "state", "out" })
        fs::create_directories(m_root / folder);
    const std::string root = m_root.string();
    writeFile(m_root / "conf/cups-files.conf",
              "ServerRoot " + root
                  + "/conf\n"
                    "RequestRoot "
                  + root
                  + "/spool\n"
                    "TempDir "
                  + root
                  + "/spool/tmp\n"
                    "CacheDir "
                  + root
                  + "/cache\n"
                    "StateDir "
                  + root
                  + "/state\n"
                    "AccessLog "
                  + root
                  + "/log/access_log\n"
                    "ErrorLog "
                  + root
                  + "/log/error_log\n"
                    "PageLog "
                  + root
                  + "/log/page_log\n"
                    "FileDevice Yes\n"
                    "Sandboxing Relaxed\n"
                  + makeServerBin() + environmentOfFilters());
    for (const fs::path& rules : m_additions.conversionRules)
        fs::copy_file(rules, m_root / "conf" / rules.filename(), fs::copy_options::overwrite_existing);
    struct Queue
    {
        const char* name;
        bool isDefault;
        const char* state;
        bool accepting;
        std::string ppd;
    };
    const Queue queues[] = {
        { capture, true, "Idle", true,
          passThroughPpd("A4", "595.2756 841.8898", "14.1732 14.1732 581.1024 827.7165", "600dpi") },
        { rejecting, false, "Idle", false,
          passThroughPpd("A4", "595.2756 841.8898", "14.1732 14.1732 581.1024 827.7165", "600dpi") },
        { stopped, false, "Stopped", true,
          passThroughPpd("A4", "595.2756 841.8898", "14.1732 14.1732 581.1024 827.7165", "600dpi") },
        { letter, false, "Idle", true, passThroughPpd("Letter", "612 792", "18 72 558 756", "300dpi") },
        { plain, false, "Idle", true, passThroughPpd("A5", "419.5276 595.2756", "0 0 419.5276 595.2756", "") },
        { office, false, "Idle", true,
          severalPapersPpd({ { "Letter", "612 792", "18 18 594 774" },
                             { "A4", "595.2756 841.8898", "28.3465 28.3465 566.9291 813.5433" },
                             { "B5", "515.9055 728.5039", "14.1732 14.1732 501.7323 714.3307" } },
                           "A4") },
        { jis, false, "Idle", true,
          severalPapersPpd({ { "B5", "515.9055 728.5039", "14.1732 14.1732 501.7323 714.3307" },
                             { "B4", "728.5039 1031.8110", "14.1732 14.1732 714.3307 1017.6378" } },
                           "B4") },
        { direct, false, "Idle", true,
          passThroughPpd("A4", "595.2756 841.8898", "14.1732 14.1732 581.1024 827.7165", "600dpi", "application/pdf") },
        { driven, false, "Idle", true,
          withPageSize(passThroughPpd("A4", "595.2756 841.8898", "14.1732 14.1732 581.1024 827.7165", "600dpi",
                                      "application/vnd.cups-pdf"),
                       "A5", "419.5276 595.2756", "14.1732 14.1732 405.3543 581.1024") },
    };
    std::string printers;
    int id = 1;
    for (const Queue& queue : queues) {
        const std::string tag = queue.isDefault ? "DefaultPrinter" : "Printer";
        printers += "<" + tag + " " + queue.name
            + ">\n"
              "PrinterId "
            + std::to_string(id++)
            + "\n"
              "Info "
            + queue.name
            + "\n"
              "DeviceURI file://"
            + capturePath(queue.name).string()
            + "\n"
              "State "
            + queue.state
            + "\n"
              "Accepting "
            + (queue.accepting ? "Yes" : "No") + "\n"
            + (queue.accepting ? "" : "StateMessage " + std::string(rejectionReason) + "\n")
            + "Shared No\n"
              "</"
            + tag + ">\n";
        writeFile(m_root / "conf/ppd" / (std::string(queue.name) + ".ppd"), queue.ppd);
    }
    writeFile(m_root / "conf/printers.conf", printers);

    // The port is free when it is chosen, but another program may take it before cupsd binds it: then cupsd
    // says so in its log, and the spooler starts again on another port.
    constexpr int attempts = 5;
    for (int attempt = 1;; ++attempt) {
        const Listening listening = listen();
        if (listening.started)
            break;
        if (!listening.clash || attempt == attempts)
            return listening.failure;
    }

    // The client side of this process and of the programs it starts use this spooler only.
    cupsSetServer(server().c_str());
    setenv("CUPS_SERVER", server().c_str(), 1);
    setenv("CUPS_SERVERROOT", (root + "/conf").c_str(), 1); // no lpoptions of the machine
    setenv("HOME", root.c_str(), 1); // nor of the user
    unsetenv("LPDEST");
    unsetenv("PRINTER");
    return {};
}

std::string PrivateCupsd::environmentOfFilters() const
{
    std::string lines;
    for (const auto& [name, value] : m_additions.environment)
        lines += "SetEnv " + name + " " + value + "\n";
    return lines;
}

std::string PrivateCupsd::makeServerBin()
{
    if (m_additions.filters.empty())
        return {};
    const fs::path serverBin = m_root / "serverbin";
    fs::create_directories(serverBin / "filter");
    for (const fs::directory_entry& entry : fs::directory_iterator(systemServerBin)) {
        if (entry.path().filename() != "filter")
            fs::create_directory_symlink(entry.path(), serverBin / entry.path().filename());
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(systemServerBin) / "filter"))
        fs::create_symlink(entry.path(), serverBin / "filter" / entry.path().filename());
    for (const fs::path& filter : m_additions.filters)
        fs::create_symlink(fs::absolute(filter), serverBin / "filter" / filter.filename());
    return "ServerBin " + serverBin.string() + "\n";
}

PrivateCupsd::Listening PrivateCupsd::listen()
{
    m_port = freeLoopbackPort();
    if (m_port == 0)
        return { false, false, "no free port on the loopback interface" };
    const std::string address = "127.0.0.1:" + std::to_string(m_port);
    const fs::path log = m_root / "log/error_log";
    std::error_code ignored;
    fs::remove(log, ignored);
    // No authentication and no access control: the daemon listens on the loopback interface only.
    writeFile(m_root / "conf/cupsd.conf",
              "Listen " + address
                  + "\n"
                    "LogLevel debug\n"
                    "Browsing No\n"
                    "WebInterface No\n"
                    "DefaultAuthType None\n"
                    "MaxRequestSize 2m\n"
                  + "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                    "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
                    "  </Limit>\n</Policy>\n");

    const std::string config = (m_root / "conf/cupsd.conf").string();
    const std::string filesConfig = (m_root / "conf/cups-files.conf").string();
    std::array<const char*, 7> arguments
        = { cupsdProgram, "-f", "-c", config.c_str(), "-s", filesConfig.c_str(), nullptr };
    if (posix_spawn(&m_pid, cupsdProgram, nullptr, nullptr, const_cast<char* const*>(arguments.data()), environ) != 0) {
        m_pid = -1;
        return { false, false, "cupsd could not be started" };
    }
    // Ready when cupsd says it listens on the port and the port answers; a port that answers while cupsd says it
    // could not bind it belongs to another program.
    const std::string listening = "Listening to " + address + " on fd";
    const std::string refused = "Unable to open listen socket for address " + address;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (true) {
        const std::string text = readFileBytes(log);
        if (text.find(refused) != std::string::npos) {
            stopDaemon();
            return { false, true, "cupsd could not listen on " + address + ": " + text };
        }
        if (text.find(listening) != std::string::npos && acceptsConnections(m_port))
            return { true, false, {} };
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return { false, false, "cupsd stopped at start-up: " + text };
        }
        if (std::chrono::steady_clock::now() > deadline) {
            stopDaemon();
            return { false, false, "cupsd did not answer within 10 seconds" };
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void PrivateCupsd::stopDaemon() noexcept
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        kill(m_pid, SIGCONT); // a paused daemon takes the signal only when it goes on
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
}

void PrivateCupsd::pause() noexcept
{
    if (m_pid > 0)
        kill(m_pid, SIGSTOP);
}

void PrivateCupsd::resume() noexcept
{
    if (m_pid > 0)
        kill(m_pid, SIGCONT);
}

void PrivateCupsd::stop() noexcept
{
    if (m_pid > 0) {
        stopDaemon();
        cupsSetServer(nullptr);
    }
    if (!m_root.empty()) {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
        m_root.clear();
    }
}

std::string PrivateCupsd::server() const
{
    return "127.0.0.1:" + std::to_string(m_port);
}

fs::path PrivateCupsd::capturePath(const std::string& printer) const
{
    return m_root / "out" / (printer + ".pdf");
}

std::string PrivateCupsd::errorLog() const
{
    return readFileBytes(m_root / "log/error_log");
}

std::vector<SpooledJob> PrivateCupsd::jobs(const std::string& printer) const
{
    cups_job_t* list = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, printer.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<SpooledJob> result;
    for (int i = 0; i < count; ++i)
        result.push_back({ list[i].id, list[i].title ? list[i].title : "", list[i].state });
    cupsFreeJobs(count, list);
    return result;
}

ipp_jstate_t PrivateCupsd::waitForJob(const std::string& printer, int jobId, ipp_jstate_t state) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    ipp_jstate_t reached = IPP_JSTATE_PENDING;
    do {
        for (const SpooledJob& job : jobs(printer)) {
            if (job.id == jobId)
                reached = job.state;
        }
        if (reached >= state)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return reached;
}

std::string readFileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string commandOutput(const std::string& command)
{
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return output;
    std::array<char, 4096> buffer;
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), read);
    return output;
}

} // namespace vantolex::test
