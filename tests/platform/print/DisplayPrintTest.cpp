#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/print/Print.h"
#include "platform/user/Display.h"
#include "tests/platform/user/WindowFixture.h"

class DisplayPrintTest : public WindowFixture {};

// Switching, restoring and each failing step are checked through gfx/DisplayMode; here,
// what only the display object promises.
TEST_F(DisplayPrintTest, TheDisplayModeIsGivenBackOnReleaseAfterAFailedRestore) {
    DisplayObject* display = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &display, nullptr), DD_OK);
    EXPECT_EQ(display->SetCooperativeLevel(MakeWindow("main", {0, 0, 10, 10}),
                                           DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN),
              DD_OK);
    EXPECT_EQ(display->SetDisplayMode(1024, 768, 32), DD_OK);
    machine.FailDisplayAt(HeadlessBackend::DisplayStep::Restore);
    EXPECT_LT(display->RestoreDisplayMode(), 0);
    machine.FailDisplayAt(std::nullopt);
    display->Release();
    EXPECT_FALSE(machine.FullScreen());
}

// The program's choice through the dialog is checked through gfx/Printer; here, what only
// a printer context promises: a reset to landscape, and an end by DeleteDC.
TEST_F(DisplayPrintTest, APrinterContextPrintsPagesOnlyInsideADocument) {
    machine.InstallPrinter(PrinterDescription{"paper", 30, 40});
    PRINTDLGA request{66, nullptr, nullptr, nullptr, nullptr, PD_RETURNDEFAULT | PD_RETURNDC, 1};
    ASSERT_TRUE(PrintDlgA(&request));
    const HDC printer = request.hDC;
    request.hDevMode->dmFields |= DM_ORIENTATION;
    request.hDevMode->dmOrientation = DMORIENT_LANDSCAPE;
    ASSERT_EQ(ResetDCA(printer, request.hDevMode), printer);
    EXPECT_EQ(printer->surface->Width(), 40);
    EXPECT_EQ(StartPage(printer), 0);
    EXPECT_EQ(EndPage(printer), 0);
    EXPECT_EQ(EndDoc(printer), 0);

    DOCINFOA document{20, "Quillory: Printing", nullptr, nullptr, 0};
    EXPECT_GT(StartDocA(printer, &document), 0);
    EXPECT_GT(StartPage(printer), 0);
    printer->surface->SetPixel(10, 20, 0x123456);
    EXPECT_GT(EndPage(printer), 0);
    EXPECT_GT(EndDoc(printer), 0);
    EXPECT_TRUE(DeleteDC(printer));
    EXPECT_EQ(StartDocA(printer, &document), 0) << "a deleted context is no printer's";
    ASSERT_EQ(machine.PrintedPages().size(), 1u);
    EXPECT_EQ(machine.PrintedPages()[0].Pixel(10, 20), 0x123456u);
    EXPECT_EQ(machine.PrintedDocuments(), (std::vector<std::string>{"Quillory: Printing"}));
}
