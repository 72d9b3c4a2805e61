// Printing against a real CUPS server started by the test: the default destination,
// and the page of a print job arriving at a printer as a one-page landscape PDF.

#include <gtest/gtest.h>

#include <cups/cups.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/machines/Backend.h"
#include "platform/machines/sdl/CupsPrinter.h"
#include "platform/machines/sdl/SdlBackend.h"
#include "platform/print/Print.h"
#include "tests/platform/machines/sdl/HostCommand.h"
#include "tests/platform/machines/sdl/XvfbServer.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr const char* kBackendName = "albumcopy";

// Copies the job (its file, or standard input) to the file named in the device URI.
constexpr const char* kBackendScript = R"(#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct albumcopy "Unknown" "Copy to a file"'; exit 0; fi
out="${DEVICE_URI#albumcopy:}"
if [ $# -ge 6 ]; then cat "$6" > "$out.part"; else cat > "$out.part"; fi
mv "$out.part" "$out"
)";

void WriteConfiguration(const fs::path& root, const fs::path& socket) {
    std::error_code error;
    for (const char* folder : {"spool/tmp", "cache", "state", "bin/backend", "log", "ppd"})
        fs::create_directories(root / folder, error);
    // The server runs its helpers from the system's folders, and our backend from ours.
    for (const char* part : {"daemon", "filter", "notifier", "cgi-bin", "monitor"})
        fs::create_directory_symlink(fs::path("/usr/lib/cups") / part, root / "bin" / part, error);
    const fs::path backend = root / "bin/backend" / kBackendName;
    std::ofstream(backend) << kBackendScript;
    // Mode 0700: CUPS runs such a backend as root, so it can write anywhere the test says.
    fs::permissions(backend, fs::perms::owner_all, error);
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec,
                    error);
    const std::string r = root.string();
    std::ofstream(root / "cups-files.conf")
        << "ServerRoot " << r << "\nRequestRoot " << r << "/spool\nTempDir " << r
        << "/spool/tmp\nCacheDir " << r << "/cache\nStateDir " << r << "/state\nServerBin " << r
        << "/bin\nErrorLog " << r << "/log/error_log\nAccessLog " << r << "/log/access_log\n"
        << "PageLog " << r << "/log/page_log\nSystemGroup root\nSandboxing Relaxed\n";
    std::ofstream(root / "cupsd.conf")
        << "Listen " << socket.string() << "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
        << "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        << "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
}

// A CUPS server of the test's own: its configuration, spool and printers in a
// temporary folder, reached on a local socket that is made the test's CUPS_SERVER.
// Its printers are raw queues whose backend copies each job into a file.
class CupsServer {
public:
    CupsServer() {
        WriteConfiguration(m_root.Path(), m_socket);
        m_process =
            StartProgram({"sh", "-c",
                          "PATH=\"$PATH:/usr/sbin\" exec cupsd -f -c '" + m_root / "cupsd.conf" +
                              "' -s '" + m_root / "cups-files.conf" + "'"});
        // Until the socket is there, or the server has given up.
        const auto ended = [this] {
            return m_process <= 0 || waitpid(m_process, nullptr, WNOHANG) != 0;
        };
        m_running =
            WaitUntil([&] { return fs::exists(m_socket) || ended(); }, 10s) && fs::exists(m_socket);
        if (!m_running) return;
        setenv("CUPS_SERVER", m_socket.c_str(), 1);
        // Forgets a server an earlier test of this process used.
        cupsSetServer(nullptr);
        // The user's own choice of printer would otherwise win over the server's default.
        unsetenv("LPDEST");
        unsetenv("PRINTER");
    }
    ~CupsServer() { StopProgram(m_process); }

    bool Running() const { return m_running; }
    // Adds printer `name` whose jobs land in `output`; with `isDefault` it becomes the
    // default destination.
    bool AddFilePrinter(const std::string& name, const fs::path& output, bool isDefault) {
        const std::string host = "-h '" + m_socket.string() + "'";
        std::string command = "lpadmin " + host + " -p '" + name + "' -v '" + kBackendName + ":" +
                              output.string() + "' -E";
        if (isDefault) command += " && lpadmin " + host + " -d '" + name + "'";
        return RunCommand("PATH=\"$PATH:/usr/sbin\" " + command + " >/dev/null 2>&1").exitCode == 0;
    }
    std::string ErrorLog() const { return ReadText(m_root / "log/error_log"); }

private:
    TempDirectory m_root;
    fs::path m_socket = m_root / "cups.sock";
    pid_t m_process = -1;
    bool m_running = false;
};

// The request as the program makes it: the default printer's settings, then (once
// turned to landscape) the confirmation. A person answers each box with Enter; before
// any window of the album is on show, a box comes in a small window of its own.
BOOL RequestPrinter(const XvfbServer& display, PRINTDLGA& request) {
    bool answered = false;
    std::thread person([&] { answered = display.PressKeyInWindow(SdlBackend::kTitle, "Return"); });
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
    if (!RequireTools(
            {"cupsd", "lpadmin", "pdfinfo", "pdftoppm", "convert", "Xvfb", "xdotool", "xwininfo"}))
        return;
    TempDirectory folder;
    CupsServer server;
    ASSERT_TRUE(server.Running()) << "cupsd did not start:\n" << server.ErrorLog();
    XvfbServer display(1024, 768);
    ASSERT_TRUE(display.Running());
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(1024, 768);
    ASSERT_NE(backend, nullptr);
    Backend* previous = InstallBackend(backend.get());
    CupsPrinter printer;
    EXPECT_FALSE(printer.DefaultPrinter() || printer.StartJob("Quillory: Printing") ||
                 printer.EndJob());
    PRINTDLGA request{66, nullptr, nullptr, nullptr, nullptr, PD_RETURNDEFAULT | PD_RETURNDC, 1};
    EXPECT_FALSE(RequestPrinter(display, request)) << "a request without printers";
    EXPECT_EQ(request.hDC, nullptr);

    const fs::path output = folder / "album.pdf";
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

    ASSERT_TRUE(WaitUntil([&] { return fs::exists(output); }, std::chrono::seconds(10)))
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
