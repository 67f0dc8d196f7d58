// The paper of a queue from its PPD file: the job's choice among the PPD's sizes, else its default; the
// printable area and the resolution.
#include <gtest/gtest.h>

#include <fstream>

#include "spool/PpdPaper.h"
#include "support/PdfText.h"

namespace vantolex {
namespace {

// Three sizes, A4 the default, each with its own printable area; a resolution option.
constexpr const char* threeSizes = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "SIZES.PPD"
*Manufacturer: "Test"
*Product: "(Sizes)"
*ModelName: "Sizes"
*ShortNickName: "Sizes"
*NickName: "Sizes"
*OpenUI *PageSize/Media Size: PickOne
*DefaultPageSize: A4
*PageSize A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize A5: "<</PageSize[420 595]>>setpagedevice"
*PageSize Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4: "14.17 14.17 581 828"
*ImageableArea A5: "0 0 420 595"
*ImageableArea Letter: "18 36 594 756"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
*PaperDimension A5: "420 595"
*PaperDimension Letter: "612 792"
*OpenUI *Resolution/Resolution: PickOne
*DefaultResolution: 600dpi
*Resolution 600dpi: ""
*Resolution 300x600dpi: ""
*CloseUI: *Resolution
)ppd";

TEST(PpdPaper, TheJobsSizeElseTheDefaultInsideThePrintableArea)
{
    const std::filesystem::path ppd = testing::scratchFolder("ppd-paper") / "sizes.ppd";
    std::ofstream(ppd) << threeSizes;
    struct Row
    {
        const char* name;
        std::vector<std::pair<std::string, std::string>> options;
        PrinterPage page;
    };
    const Row rows[] = {
        { "the default", {}, { { 4723, 6781, 600, 600 }, "iso_a4_210x297mm", 20990, 29704, 500, 494, 494, 500 } },
        { "media by the PPD's name",
          { { "media", "A5" } },
          { { 3500, 4958, 600, 600 }, "iso_a5_148x210mm", 14817, 20990, 0, 0, 0, 0 } },
        { "media by its PWG name",
          { { "media", "iso_a5_148x210mm" } },
          { { 3500, 4958, 600, 600 }, "iso_a5_148x210mm", 14817, 20990, 0, 0, 0, 0 } },
        { "media with a tray after the size",
          { { "media", "Letter,Upper" } },
          { { 4800, 6000, 600, 600 }, "na_letter_8.5x11in", 21590, 27940, 635, 1270, 635, 1270 } },
        { "PageSize",
          { { "PageSize", "Letter" } },
          { { 4800, 6000, 600, 600 }, "na_letter_8.5x11in", 21590, 27940, 635, 1270, 635, 1270 } },
        { "a size the PPD lacks: its default",
          { { "media", "A3" } },
          { { 4723, 6781, 600, 600 }, "iso_a4_210x297mm", 20990, 29704, 500, 494, 494, 500 } },
        { "the job's resolution",
          { { "Resolution", "300x600dpi" } },
          { { 2361, 6781, 300, 600 }, "iso_a4_210x297mm", 20990, 29704, 500, 494, 494, 500 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ppdPaper(ppd, row.options), row.page);
    }
}

TEST(PpdPaper, NoneForAFileThatIsNoPpd)
{
    const std::filesystem::path folder = testing::scratchFolder("ppd-paper-none");
    std::ofstream(folder / "text.ppd") << "plain text\n";
    EXPECT_EQ(ppdPaper(folder / "text.ppd", {}), std::nullopt);
    EXPECT_EQ(ppdPaper(folder / "missing.ppd", {}), std::nullopt);
}

} // namespace
} // namespace vantolex
