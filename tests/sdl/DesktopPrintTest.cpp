// Printing against a real CUPS server started by the test: the default destination,
// and the page of a print job arriving at a printer as a one-page landscape PDF.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include "platform/Backend.h"
#include "platform/DeviceContext.h"
#include "platform/Gdi.h"
#include "platform/Print.h"
#include "platform/sdl/CupsPrinter.h"
#include "platform/sdl/SdlBackend.h"
#include "tests/sdl/CupsServer.h"
#include "tests/sdl/HostCommand.h"
#include "tests/sdl/XvfbServer.h"
#include "tests/support/TempDirectory.h"

namespace {

// The request as the program makes it: the default printer's settings, then (once
// turned to landscape) the confirmation. A person answers each box with Enter.
BOOL RequestPrinter(const XvfbServer& display, PRINTDLGA& request) {
    bool answered = false;
    std::thread person([&] { answered = display.PressKeyInWindow("Print", "Return"); });
    const BOOL chosen = PrintDlgA(&request);
    person.join();
    EXPECT_TRUE(answered) << "no box to answer";
    return chosen;
}

}  // namespace

// With no destination at all there is no job, and the printer request tells the person
// at the computer what to do in a box of its own. With printers, the default one is
// chosen with its paper in device pixels, and a confirmed job arrives at it as one
// landscape page with the picture centred.
TEST(DesktopPrintTest, WithoutPrintersTheRequestSaysWhatToDoAndWithOneAJobArrives) {
    const std::string missing = MissingTool(
        {"cupsd", "lpadmin", "pdfinfo", "pdftoppm", "convert", "Xvfb", "xdotool", "xwininfo"});
    if (!missing.empty()) GTEST_SKIP() << missing << " is not installed";
    TempDirectory folder;
    CupsServer server;
    ASSERT_TRUE(server.Running()) << "cupsd did not start:\n" << server.ErrorLog();
    XvfbServer display(1024, 768);
    ASSERT_TRUE(display.Running());
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(1024, 768);
    ASSERT_NE(backend, nullptr);
    Backend* previous = InstallBackend(backend.get());
    CupsPrinter printer;
    EXPECT_FALSE(printer.DefaultPrinter());
    EXPECT_FALSE(printer.StartJob("Quillory: Printing"));
    EXPECT_FALSE(printer.EndJob());
    PRINTDLGA request{66, nullptr, nullptr, nullptr, nullptr, PD_RETURNDEFAULT | PD_RETURNDC, 1};
    EXPECT_FALSE(RequestPrinter(display, request)) << "a request without printers";
    EXPECT_EQ(request.hDC, nullptr);

    const std::filesystem::path output = folder / "album.pdf";
    ASSERT_TRUE(server.AddFilePrinter("side-printer", folder / "side.pdf", false));
    ASSERT_TRUE(server.AddFilePrinter("album-printer", output, true));
    const std::optional<PrinterDescription> chosen = printer.DefaultPrinter();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->name, "album-printer");
    EXPECT_EQ(chosen->width, 1240) << "A4 at 150 dots an inch, portrait";
    EXPECT_EQ(chosen->height, 1753);

    request = PRINTDLGA{66, nullptr, nullptr, nullptr, nullptr, PD_RETURNDEFAULT | PD_RETURNDC, 1};
    ASSERT_TRUE(PrintDlgA(&request));
    request.hDevMode->dmFields |= DM_ORIENTATION;
    request.hDevMode->dmOrientation = DMORIENT_LANDSCAPE;
    ASSERT_EQ(ResetDCA(request.hDC, request.hDevMode), request.hDC);
    DeleteDC(request.hDC);
    request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    ASSERT_TRUE(RequestPrinter(display, request)) << "the confirmation";
    HDC dc = request.hDC;
    const LONG paperWidth = GetDeviceCaps(dc, HORZRES), paperHeight = GetDeviceCaps(dc, VERTRES);
    EXPECT_GT(paperWidth, paperHeight);
    const DOCINFOA document{20, "Quillory: Printing", nullptr, nullptr, 0};
    ASSERT_GT(StartDocA(dc, &document), 0);
    ASSERT_GT(StartPage(dc), 0);
    // Where the program puts its 848 x 592 picture: three quarters of the paper's width,
    // centred both ways.
    const LONG width = paperWidth * 3 / 4, height = 592 * width / 848;
    for (LONG y = (paperHeight - height) / 2; y < (paperHeight + height) / 2; ++y) {
        for (LONG x = (paperWidth - width) / 2; x < (paperWidth + width) / 2; ++x)
            dc->surface->SetPixel(x, y, 0x204080);
    }
    EXPECT_GT(EndPage(dc), 0);
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);
    InstallBackend(previous);

    ASSERT_TRUE(
        WaitUntil([&] { return std::filesystem::exists(output); }, std::chrono::seconds(10)))
        << server.ErrorLog();
    const std::string info = RunCommand("pdfinfo '" + output.string() + "'").output;
    EXPECT_TRUE(std::regex_search(info, std::regex("\nPages: +1\n"))) << info;
    // The page's size at 30 dots an inch, and the box around its pixels darker than grey.
    const std::string page = RunCommand("pdftoppm -r 30 -singlefile '" + output.string() +
                                        "' | convert ppm:- -colorspace gray -threshold 50% "
                                        "-format '%w %h %@' info:")
                                 .output;
    int pageWidth = 0, pageHeight = 0, boxWidth = 0, boxHeight = 0, left = 0, top = 0;
    ASSERT_EQ(std::sscanf(page.c_str(), "%d %d %dx%d+%d+%d", &pageWidth, &pageHeight, &boxWidth,
                          &boxHeight, &left, &top),
              6)
        << page;
    EXPECT_GT(pageWidth, pageHeight);
    EXPECT_NEAR(boxWidth * 4, pageWidth * 3, 4 * 2) << "three quarters wide";
    EXPECT_NEAR(left, pageWidth - left - boxWidth, 2) << "centred";
    EXPECT_NEAR(top, pageHeight - top - boxHeight, 2) << "centred";
}
