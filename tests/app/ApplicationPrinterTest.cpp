#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ApplicationPrinter.h"

namespace vantolex {
namespace {

// A device that only remembers which printer it was opened for.
class OpenedPrinter : public Device
{
public:
    explicit OpenedPrinter(PrinterSelection openedFor)
        : printer(std::move(openedFor))
    {
    }

    DeviceCaps capabilities() const override { return { 4724, 6779, 600, 600 }; }
    std::unique_ptr<DeviceFont> createFont(const FontDescription&) override { return nullptr; }
    int textExtent(const DeviceFont&, std::u16string_view) override { return 0; }
    void textOut(const DeviceFont&, int, int, std::u16string_view) override { }
    void drawText(const DeviceFont&, const Rect&, std::u16string_view, TextAlign) override { }
    void dashedLine(int, int, int, int) override { }
    void fillRect(const Rect&, Rgb) override { }
    void frameRect(const Rect&, Rgb) override { }
    int startDoc(std::u16string_view) override { return 1; }
    int startPage() override { return 1; }
    int endPage() override { return 1; }
    int endDoc() override { return 1; }
    int abortDoc() override { return 1; }

    PrinterSelection printer;
};

class FakeServices : public PrinterServices
{
public:
    std::optional<PrinterSelection> defaultPrinter() override
    {
        ++defaultLookups;
        return systemDefault;
    }

    std::unique_ptr<Device> openPrinter(const PrinterSelection& printer) override
    {
        opened.push_back(printer.destination);
        if (printer.destination == unusable)
            return nullptr;
        return std::make_unique<OpenedPrinter>(printer);
    }

    std::optional<PrinterSelection> systemDefault;
    std::string unusable;
    int defaultLookups = 0;
    std::vector<std::string> opened;
};

const PrinterSelection office { "office", "", { { "copies", "2" }, { "sides", "two-sided-long-edge" } } };
const PrinterSelection lobby { "lobby", "draft", {} };

std::string openedDestination(const std::unique_ptr<Device>& device)
{
    const auto* opened = dynamic_cast<const OpenedPrinter*>(device.get());
    return opened ? opened->printer.destination : "(none)";
}

TEST(ApplicationPrinter, NothingIsChosenAtStart)
{
    FakeServices services;
    const ApplicationPrinter printer(services);
    EXPECT_FALSE(printer.chosenPrinter().has_value());
    EXPECT_EQ(services.defaultLookups, 0);
}

TEST(ApplicationPrinter, FirstDeviceUsesTheSystemDefaultAndMakesItTheChosenPrinter)
{
    FakeServices services;
    services.systemDefault = office;
    ApplicationPrinter printer(services);

    EXPECT_EQ(openedDestination(printer.getPrinterDC()), "office");
    ASSERT_TRUE(printer.chosenPrinter().has_value());
    EXPECT_EQ(*printer.chosenPrinter(), office);

    // Later devices use the chosen printer without asking for the default again, even when it changed.
    services.systemDefault = lobby;
    EXPECT_EQ(openedDestination(printer.getPrinterDC()), "office");
    EXPECT_EQ(services.defaultLookups, 1);
}

TEST(ApplicationPrinter, AdoptedPrinterIsTheNextDevicesPrinterAndReplacesTheOldChoiceWhole)
{
    FakeServices services;
    services.systemDefault = office;
    ApplicationPrinter printer(services);
    printer.adoptPrinter(office);
    printer.adoptPrinter(lobby);

    EXPECT_EQ(*printer.chosenPrinter(), lobby); // none of office's options carried over
    const std::unique_ptr<Device> device = printer.getPrinterDC();
    const auto* opened = dynamic_cast<const OpenedPrinter*>(device.get());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->printer, lobby);
    EXPECT_EQ(services.defaultLookups, 0);
}

TEST(ApplicationPrinter, NoPrinterInstalledGivesNoDeviceAndChoosesNothing)
{
    FakeServices services;
    ApplicationPrinter printer(services);
    EXPECT_EQ(printer.getPrinterDC(), nullptr);
    EXPECT_FALSE(printer.chosenPrinter().has_value());
    EXPECT_TRUE(services.opened.empty());

    // A printer installed later is found by the next request.
    services.systemDefault = lobby;
    EXPECT_EQ(openedDestination(printer.getPrinterDC()), "lobby");
}

TEST(ApplicationPrinter, UnusableChosenPrinterGivesNoDeviceButStaysChosen)
{
    FakeServices services;
    services.systemDefault = office;
    services.unusable = "lobby";
    ApplicationPrinter printer(services);
    printer.adoptPrinter(lobby);
    EXPECT_EQ(printer.getPrinterDC(), nullptr);
    EXPECT_EQ(*printer.chosenPrinter(), lobby);
    EXPECT_EQ(services.defaultLookups, 0);
}

} // namespace
} // namespace vantolex
