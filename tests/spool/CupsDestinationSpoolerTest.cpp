// The default destination and the printable page of destinations, as a private cupsd describes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "spool/CupsCallsOverride.h"
#include "spool/CupsDestination.h"
#include "spool/CupsHandles.h"
#include "support/PrivateCupsd.h"

namespace vantolex {
namespace {

using test::PrivateCupsd;

class CupsDestinationSpooler : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string why = m_cupsd.start();
        if (!why.empty())
            GTEST_SKIP() << "no private spooler: " << why;
    }

    PrivateCupsd m_cupsd;
};

TEST(CupsMediaNames, JapaneseBSizesAreJisAndEitherOrientationIsOnePaper)
{
    EXPECT_EQ(mediaNameForSize(18200, 25700), "jis_b5_182x257mm");
    EXPECT_EQ(mediaNameForSize(36400, 25700), "jis_b4_257x364mm");
    EXPECT_EQ(mediaNameForSize(17600, 25000), "iso_b5_176x250mm");
    EXPECT_EQ(mediaNameForSize(29700, 21000), "iso_a4_210x297mm");
    EXPECT_EQ(mediaSizeForName("jis_b5_182x257mm"), (std::pair { 18200, 25700 }));
    EXPECT_EQ(mediaSizeForName("no such paper"), std::nullopt);
}

TEST_F(CupsDestinationSpooler, DestinationsAndTheirPaperAreListed)
{
    const std::vector<PrinterSelection> destinations = printerDestinations();
    std::vector<std::string> names;
    for (const PrinterSelection& destination : destinations)
        names.push_back(destination.destination);
    EXPECT_NE(std::find(names.begin(), names.end(), PrivateCupsd::capture), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), PrivateCupsd::letter), names.end());

    const std::vector<PrinterMedia> media = printerMediaList({ PrivateCupsd::letter, "", {} });
    ASSERT_FALSE(media.empty());
    EXPECT_EQ(media.front().name, "na_letter_8.5x11in");
    EXPECT_EQ(media.front().width, 21590);
    EXPECT_FALSE(media.front().displayName.empty());
    EXPECT_NE(media.front().displayName, media.front().name); // a name for people, never the PWG name
    EXPECT_TRUE(printerMediaList({ "no-such-printer", "", {} }).empty());
}

TEST_F(CupsDestinationSpooler, ALandscapePrinterTurnsThePage)
{
    PrinterSelection letter { PrivateCupsd::letter, "", {} };
    letter.landscape = true;
    const std::optional<PrinterPage> page = printerPage(letter);
    ASSERT_TRUE(page.has_value());
    // Letter's margins are 0.25 (left), 0.5 (top), 0.75 (right) and 1 inch (bottom) on the upright sheet.
    EXPECT_EQ(*page,
              (PrinterPage { { 2850, 2250, 300, 300 }, "na_letter_8.5x11in", 27940, 21590, 2540, 635, 1270, 1905 }));
}

TEST_F(CupsDestinationSpooler, DefaultDestinationIsTheSpoolersDefault)
{
    const std::optional<PrinterSelection> printer = defaultPrinter();
    ASSERT_TRUE(printer.has_value());
    EXPECT_EQ(printer->destination, PrivateCupsd::capture);
    EXPECT_EQ(printer->instance, "");
    EXPECT_TRUE(printer->options.empty());
}

TEST_F(CupsDestinationSpooler, PageIsTheDefaultMediaLessItsMarginsAtTheDestinationsResolution)
{
    struct Row
    {
        const char* destination;
        PrinterPage expected;
    };
    // Pixels are (sheet - margins) * dpi / 2540, truncated.
    const Row rows[] = {
        { PrivateCupsd::capture, { { 4724, 6779, 600, 600 }, "iso_a4_210x297mm", 21000, 29700, 500, 500, 500, 500 } },
        { PrivateCupsd::letter,
          { { 2250, 2850, 300, 300 }, "na_letter_8.5x11in", 21590, 27940, 635, 1270, 1905, 2540 } },
        // cupsd gives a PPD without a resolution 300 dpi; a sheet without margins is printable all over
        { PrivateCupsd::plain, { { 1748, 2480, 300, 300 }, "iso_a5_148x210mm_borderless", 14800, 21000, 0, 0, 0, 0 } },
        // the queue's own default among several papers, never the Letter it also lists
        { PrivateCupsd::office,
          { { 4488, 6543, 600, 600 }, "iso_a4_210x297mm", 21000, 29700, 1000, 1000, 1000, 1000 } },
        { PrivateCupsd::jis, { { 5834, 8362, 600, 600 }, "jis_b4_257x364mm", 25700, 36400, 500, 500, 500, 500 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.destination);
        const std::optional<PrinterPage> page = printerPage({ row.destination, "", {} });
        ASSERT_TRUE(page.has_value());
        EXPECT_EQ(page->media, row.expected.media);
        EXPECT_EQ(page->sheetWidth, row.expected.sheetWidth);
        EXPECT_EQ(page->sheetLength, row.expected.sheetLength);
        EXPECT_EQ(page->marginLeft, row.expected.marginLeft);
        EXPECT_EQ(page->marginTop, row.expected.marginTop);
        EXPECT_EQ(page->marginRight, row.expected.marginRight);
        EXPECT_EQ(page->marginBottom, row.expected.marginBottom);
        EXPECT_EQ(page->caps, row.expected.caps);
    }
}

TEST_F(CupsDestinationSpooler, UnknownDestinationHasNoPage)
{
    EXPECT_FALSE(printerPage({ "no-such-printer", "", {} }).has_value());
}

// The resolution attribute the fake findDestDefault answers with, null for none.
ipp_attribute_t* fakeResolution = nullptr;
std::string requestedMedia;

ipp_attribute_t* fakeFindDestDefault(http_t* http, cups_dest_t* destination, cups_dinfo_t* info, const char* option)
{
    if (std::string_view(option) != "printer-resolution")
        return cupsFindDestDefault(http, destination, info, option);
    return fakeResolution;
}

ipp_attribute_t* noMediaDefault(http_t* http, cups_dest_t* destination, cups_dinfo_t* info, const char* option)
{
    if (std::string_view(option) == "media")
        return nullptr;
    return cupsFindDestDefault(http, destination, info, option);
}

int fakeMediaByName(http_t*, cups_dest_t*, cups_dinfo_t*, const char* media, unsigned, cups_size_t* size)
{
    requestedMedia = media;
    *size = cups_size_t { "iso_b5_176x250mm", 17600, 25000, 0, 0, 0, 0 };
    return 1;
}

cups_dest_t* noDestination(http_t*, const char*, const char*)
{
    return nullptr;
}

cups_dinfo_t* noDestinationInfo(http_t*, cups_dest_t*)
{
    return nullptr;
}

TEST_F(CupsDestinationSpooler, ResolutionIs600DpiWhenTheDestinationGivesNone)
{
    test::CupsCallsOverride seam;
    fakeResolution = nullptr;
    seam.calls().findDestDefault = fakeFindDestDefault;
    const std::optional<PrinterPage> page = printerPage({ PrivateCupsd::letter, "", {} });
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->caps, (DeviceCaps { 4500, 5700, 600, 600 })); // 19050 x 24130 hundredths of a millimetre
}

TEST_F(CupsDestinationSpooler, ResolutionInDotsPerCentimetreIsConvertedToDotsPerInch)
{
    IppMessage holder(ippNew());
    fakeResolution = ippAddResolution(holder.get(), IPP_TAG_PRINTER, "printer-resolution-default", IPP_RES_PER_CM, 118,
                                      236); // 299.72 and 599.44 dpi
    test::CupsCallsOverride seam;
    seam.calls().findDestDefault = fakeFindDestDefault;
    const std::optional<PrinterPage> page = printerPage({ PrivateCupsd::letter, "", {} });
    fakeResolution = nullptr;
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->caps, (DeviceCaps { 2250, 5690, 300, 599 }));
}

TEST_F(CupsDestinationSpooler, MediaOptionChoosesTheMedia)
{
    test::CupsCallsOverride seam;
    seam.calls().getDestMediaByName = fakeMediaByName;
    const std::optional<PrinterPage> page
        = printerPage({ PrivateCupsd::capture, "", { { "copies", "2" }, { "media", "iso_b5_176x250mm" } } });
    EXPECT_EQ(requestedMedia, "iso_b5_176x250mm");
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->media, "iso_b5_176x250mm");
    EXPECT_EQ(page->caps, (DeviceCaps { 4157, 5905, 600, 600 }));
}

TEST_F(CupsDestinationSpooler, PaperIsTheUsersChoiceElseTheQueuesDefaultElseA4)
{
    struct Row
    {
        const char* name;
        PrinterSelection printer;
        bool withMediaDefault;
        const char* paper;
    };
    const Row rows[] = {
        { "queue's default", { PrivateCupsd::office, "", {} }, true, "iso_a4_210x297mm" },
        { "first listed is not the default", { PrivateCupsd::jis, "", {} }, true, "jis_b4_257x364mm" },
        { "the last choice",
          { PrivateCupsd::office, "", { { "media", "na_letter_8.5x11in" }, { "media", "jis_b5_182x257mm" } } },
          true,
          "jis_b5_182x257mm" },
        { "no default told, Letter listed first", { PrivateCupsd::office, "", {} }, false, "iso_a4_210x297mm" },
        { "unknown queue", { "no-such-printer", "", {} }, true, "iso_a4_210x297mm" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::CupsCallsOverride seam;
        if (!row.withMediaDefault)
            seam.calls().findDestDefault = noMediaDefault;
        EXPECT_EQ(printerPaper(row.printer), row.paper);
    }
    // A4 where the queue lists no A4 and tells no default: the whole sheet.
    test::CupsCallsOverride seam;
    seam.calls().findDestDefault = noMediaDefault;
    const std::optional<PrinterPage> page = printerPage({ PrivateCupsd::jis, "", {} });
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(*page, (PrinterPage { { 4960, 7015, 600, 600 }, "iso_a4_210x297mm", 21000, 29700, 0, 0, 0, 0 }));
}

TEST_F(CupsDestinationSpooler, AnyFailingLookUpMeansNoPage)
{
    struct Row
    {
        const char* name;
        void (*breakSeam)(CupsCalls&);
    };
    const Row rows[] = {
        { "destination", [](CupsCalls& calls) { calls.getNamedDest = noDestination; } },
        { "destination info", [](CupsCalls& calls) { calls.copyDestInfo = noDestinationInfo; } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::CupsCallsOverride seam;
        row.breakSeam(seam.calls());
        EXPECT_FALSE(printerPage({ PrivateCupsd::capture, "", {} }).has_value());
    }
    test::CupsCallsOverride seam;
    seam.calls().getNamedDest = noDestination;
    EXPECT_FALSE(defaultPrinter().has_value());
}

TEST(CupsDestinationWithoutSpooler, NoSpoolerMeansNoDefaultPrinterAndNoPage)
{
    // A port on the loopback interface where nothing listens: the spooler is not there.
    cupsSetServer("127.0.0.1:9");
    EXPECT_FALSE(defaultPrinter().has_value());
    EXPECT_FALSE(printerPage({ "capture", "", {} }).has_value());
    cupsSetServer(nullptr);
}

} // namespace
} // namespace vantolex
