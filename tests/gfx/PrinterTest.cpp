#include <gtest/gtest.h>

#include <optional>

#include "catalogue/PageGeometry.h"
#include "gfx/DIB.h"
#include "gfx/Printer.h"
#include "platform/gdi/Gdi.h"
#include "tests/gfx/FreshMachine.h"
#include "tests/gfx/PictureBytes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

constexpr COLORREF kPageColour = 0x3060C0;
// A printer whose printable area is 3000 x 4000 upright: 4000 x 3000 in landscape.
const PrinterDescription kPrinter{"test", 3000, 4000};

// A page of the album's size that prints as one colour into the place it is given.
class SolidPage : public PrintablePage {
public:
    void GetBufferRect(RECT& out) const override { out = RECT{0, 0, kPageWidth, kPageHeight}; }
    void PrintPage(HDC printer, const RECT& dest) override {
        ++prints;
        given = dest;
        CDIB pixel(1, 1);
        FillPicture(pixel, [](LONG, LONG) { return kPageColour; });
        StretchDIBits(printer, dest.left, dest.top, dest.right, dest.bottom, 0, 0, 1, 1,
                      pixel.GetPixels(), pixel.GetInfo(), DIB_RGB_COLORS, SRCCOPY);
    }

    int prints = 0;
    RECT given{};
};

class PrinterTest : public ::testing::Test, protected FreshMachine {
protected:
    TempDirectory folder;
    LogCapture log;
    SolidPage page;
};

// Without a printer or when cancelled nothing is printed; without a printer the person at
// the computer is told, once, what to do.
TEST_F(PrinterTest, PrintsOnlyWhenConfirmedOnAnInstalledPrinter) {
    for (const auto& installed : {std::optional<PrinterDescription>(), std::optional(kPrinter)}) {
        SCOPED_TRACE(installed ? "cancelled" : "no printer");
        LogCapture caseLog;
        machine.InstallPrinter(installed);
        if (installed) machine.ScriptPrinterAnswers({HeadlessBackend::PrinterAnswer::Cancel});
        CPrinter printer(nullptr, "Quillory: Printing", page);
        EXPECT_EQ(page.prints, 0);
        EXPECT_TRUE(machine.PrintedPages().empty());
        EXPECT_TRUE(machine.PrintedDocuments().empty());
        EXPECT_EQ(caseLog.Messages(),
                  (std::vector<std::string>{"CPrinter::CPrinter: Printer Dialog",
                                            "CPrinter::CPrinter: Unable to get a printer DC"}));
    }
    const std::vector<HeadlessBackend::MessageBoxShown> shown = machine.MessageBoxesShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Print");
    EXPECT_NE(shown[0].text.find("add it in the computer's printer settings"), std::string::npos)
        << shown[0].text;

    // Confirming prints one landscape page, three quarters wide and centred.
    machine.InstallPrinter(kPrinter);
    machine.ScriptPrinterAnswers({HeadlessBackend::PrinterAnswer::Confirm});
    CPrinter printer(nullptr, "Quillory: Printing", page);

    EXPECT_TRUE(machine.LastPrintAskedLandscape());
    ASSERT_EQ(machine.PrintedPages().size(), 1u);
    EXPECT_EQ(machine.PrintedDocuments(), std::vector<std::string>{"Quillory: Printing"});
    const Surface& sheet = machine.PrintedPages()[0];
    ASSERT_EQ((SIZE{sheet.Width(), sheet.Height()}), (SIZE{4000, 3000}));
    // 848 x 592 (the page and its frame) fitted to three quarters of 4000.
    EXPECT_EQ(page.given, (RECT{500, 453, 3000, 2094}));
    EXPECT_EQ(SurfaceColour(sheet.Pixel(500, 453)), kPageColour);
    EXPECT_EQ(SurfaceColour(sheet.Pixel(3499, 2546)), kPageColour);
    EXPECT_EQ(sheet.Pixel(499, 453) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(sheet.Pixel(3500, 2547) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_FALSE(log.Contains("CPrinter::CPrinter: EndPage failed"));

    RECT empty{0, 0, 0, 10};
    CPrinter::FitToPage(nullptr, empty);
    EXPECT_EQ(empty, (RECT{0, 0, 0, 10})) << "an empty source is left alone";
}

}  // namespace
