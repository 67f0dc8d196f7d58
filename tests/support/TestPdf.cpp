#include "support/TestPdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <unistd.h>

#include "support/PrivateCupsd.h"

namespace vantolex::test {

namespace {

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// Writes `pdf` to a temporary file, runs `command` on it and returns the command's output.
std::string runOnPdf(const std::string& command, const std::string& pdf, const std::string& after = "")
{
    char path[] = "/tmp/vantolex-pdf-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return {};
    close(fd);
    std::ofstream(path, std::ios::binary) << pdf;
    std::string output = commandOutput(command + " '" + path + "' " + after + " 2>/dev/null");
    unlink(path);
    return output;
}

} // namespace

std::string makeTestPdf(const std::vector<std::string>& pageTexts)
{
    std::string pdf;
    {
        std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface(
            cairo_pdf_surface_create_for_stream(appendToString, &pdf, 595.0, 842.0), cairo_surface_destroy);
        std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr(cairo_create(surface.get()), cairo_destroy);
        cairo_select_font_face(cr.get(), "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr.get(), 14.0);
        for (const std::string& text : pageTexts) {
            cairo_move_to(cr.get(), 72.0, 72.0);
            cairo_show_text(cr.get(), text.c_str());
            cairo_show_page(cr.get());
        }
        cr.reset();
        cairo_surface_finish(surface.get());
    }
    // Cairo and fontconfig keep caches for the life of the process; the leak checker of the sanitizer build
    // would take them for leaks.
    cairo_debug_reset_static_data();
    FcFini();
    return pdf;
}

int pdfPageCount(const std::string& pdf)
{
    const std::string info = runOnPdf("pdfinfo", pdf);
    std::smatch match;
    if (!std::regex_search(info, match, std::regex("Pages:\\s+(\\d+)")))
        return -1;
    return std::stoi(match[1]);
}

std::string pdfText(const std::string& pdf)
{
    return runOnPdf("pdftotext -enc UTF-8", pdf, "-");
}

std::string pdfBoundingBoxes(const std::string& pdf)
{
    return runOnPdf("pdftotext -bbox -enc UTF-8", pdf, "-");
}

} // namespace vantolex::test
