#include "platform/DeviceContext.h"
#include "platform/Display.h"
#include "platform/Gdi.h"
#include "platform/Print.h"
#include "tests/platform/WindowFixture.h"

class DisplayTest : public WindowFixture {};

// Switching and restoring are checked through gfx/DisplayMode; here, what only the
// display object promises: a mode it set is given back when it is released.
TEST_F(DisplayTest, EachStepCanFailOnItsOwnAndTheModeIsStillGivenBack) {
    machine.FailDisplayAt(HeadlessBackend::DisplayStep::Open);
    DisplayObject* display = nullptr;
    EXPECT_LT(DirectDrawCreate(nullptr, &display, nullptr), 0);
    EXPECT_EQ(display, nullptr);

    machine.FailDisplayAt(HeadlessBackend::DisplayStep::TakeExclusive);
    ASSERT_EQ(DirectDrawCreate(nullptr, &display, nullptr), DD_OK);
    EXPECT_LT(display->SetCooperativeLevel(MakeWindow("main", {0, 0, 10, 10}),
                                           DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN),
              0);
    machine.FailDisplayAt(HeadlessBackend::DisplayStep::Restore);
    EXPECT_EQ(display->SetDisplayMode(1024, 768, 32), DD_OK);
    EXPECT_LT(display->RestoreDisplayMode(), 0);
    machine.FailDisplayAt(std::nullopt);
    display->Release();
    EXPECT_FALSE(machine.FullScreen());
}

class PrintTest : public WindowFixture {
protected:
    // The program's two-step choice: the default printer turned to landscape, then the dialog.
    HDC ChoosePrinter() {
        PRINTDLGA request{66, nullptr, nullptr, nullptr, nullptr, PD_RETURNDEFAULT | PD_RETURNDC,
                          1};
        if (!PrintDlgA(&request)) return nullptr;
        request.hDevMode->dmFields |= DM_ORIENTATION;
        request.hDevMode->dmOrientation = DMORIENT_LANDSCAPE;
        ResetDCA(request.hDC, request.hDevMode);
        DeletePrinterDC(request.hDC);
        request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
        return PrintDlgA(&request) ? request.hDC : nullptr;
    }
};

TEST_F(PrintTest, AConfirmedJobKeepsTheLandscapePage) {
    machine.InstallPrinter(PrinterDescription{"paper", 3000, 4000});
    const HDC printer = ChoosePrinter();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->surface->Width(), 4000);
    EXPECT_EQ(printer->surface->Height(), 3000);
    DOCINFOA document{20, "Quillory: Printing", nullptr, nullptr, 0};
    EXPECT_GT(StartDocA(printer, &document), 0);
    EXPECT_GT(StartPage(printer), 0);
    printer->surface->SetPixel(10, 20, 0x123456);
    EXPECT_GT(EndPage(printer), 0);
    EXPECT_GT(EndDoc(printer), 0);
    EXPECT_TRUE(DeleteDC(printer)) << "the program ends a printer context with DeleteDC";
    EXPECT_FALSE(IsPrinterDC(printer));
    ASSERT_EQ(machine.PrintedPages().size(), 1u);
    EXPECT_EQ(machine.PrintedPages()[0].Pixel(10, 20), 0x123456u);
    EXPECT_EQ(machine.PrintedDocuments(), (std::vector<std::string>{"Quillory: Printing"}));
}

TEST_F(PrintTest, APageOutsideADocumentIsRefused) {
    machine.InstallPrinter(PrinterDescription{"paper", 30, 40});
    const HDC printer = ChoosePrinter();
    EXPECT_EQ(StartPage(printer), 0);
    EXPECT_EQ(EndPage(printer), 0);
    EXPECT_EQ(EndDoc(printer), 0);
    DeletePrinterDC(printer);
}
