#include "tests/sdl/CupsServer.h"

#include <cups/cups.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "tests/sdl/HostCommand.h"
#include "tests/support/Files.h"

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

}  // namespace

CupsServer::CupsServer() {
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

CupsServer::~CupsServer() {
    StopProgram(m_process);
}

bool CupsServer::AddFilePrinter(const std::string& name, const fs::path& output, bool isDefault) {
    const std::string host = "-h '" + m_socket.string() + "'";
    std::string command = "lpadmin " + host + " -p '" + name + "' -v '" + kBackendName + ":" +
                          output.string() + "' -E";
    if (isDefault) command += " && lpadmin " + host + " -d '" + name + "'";
    return RunCommand("PATH=\"$PATH:/usr/sbin\" " + command + " >/dev/null 2>&1").exitCode == 0;
}

std::string CupsServer::ErrorLog() const {
    return ReadText(m_root / "log/error_log");
}
