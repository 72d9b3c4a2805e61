#include "tests/sdl/CupsServer.h"

#include <cups/cups.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/sdl/HostCommand.h"
#include "tests/support/Files.h"

namespace {

constexpr const char* kBackendName = "albumcopy";
constexpr const char* kSystemServerBin = "/usr/lib/cups";

// Copies the job (its file, or standard input) to the file named in the device URI.
constexpr const char* kBackendScript = R"(#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct albumcopy "Unknown" "Copy to a file"'; exit 0; fi
out="${DEVICE_URI#albumcopy:}"
if [ $# -ge 6 ]; then cat "$6" > "$out.part"; else cat > "$out.part"; fi
mv "$out.part" "$out"
)";

bool WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path);
    file << text;
    return static_cast<bool>(file);
}

}  // namespace

CupsServer::CupsServer() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillory-cups-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    m_root = pattern;
    m_socket = m_root / "cups.sock";
    if (!WriteConfiguration()) return;
    m_process = fork();
    if (m_process == 0) {
        const std::string config = (m_root / "cupsd.conf").string();
        const std::string files = (m_root / "cups-files.conf").string();
        execlp("cupsd", "cupsd", "-f", "-c", config.c_str(), "-s", files.c_str(),
               static_cast<char*>(nullptr));
        execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", config.c_str(), "-s", files.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    m_running = m_process > 0 && WaitForSocket();
    if (m_running) {
        setenv("CUPS_SERVER", m_socket.c_str(), 1);
        // Forgets a server an earlier test of this process used.
        cupsSetServer(nullptr);
        // The user's own choice of printer would otherwise win over the server's default.
        unsetenv("LPDEST");
        unsetenv("PRINTER");
    }
}

CupsServer::~CupsServer() {
    if (m_process > 0) {
        kill(m_process, SIGTERM);
        waitpid(m_process, nullptr, 0);
    }
    std::error_code ignored;
    if (!m_root.empty()) std::filesystem::remove_all(m_root, ignored);
}

bool CupsServer::WriteConfiguration() {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const char* folder :
         {"spool", "spool/tmp", "cache", "state", "bin/backend", "log", "ppd"}) {
        fs::create_directories(m_root / folder, error);
    }
    // The server runs its helpers from the system's folders, and our backend from ours.
    for (const char* part : {"daemon", "filter", "notifier", "cgi-bin", "monitor"}) {
        fs::create_directory_symlink(fs::path(kSystemServerBin) / part, m_root / "bin" / part,
                                     error);
    }
    const fs::path backend = m_root / "bin/backend" / kBackendName;
    if (!WriteFile(backend, kBackendScript)) return false;
    // Mode 0700: CUPS runs such a backend as root, so it can write anywhere the test says.
    fs::permissions(backend, fs::perms::owner_all, error);
    fs::permissions(m_root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec,
                    error);
    const std::string root = m_root.string();
    std::ostringstream files;
    files << "ServerRoot " << root << "\nRequestRoot " << root << "/spool\nTempDir " << root
          << "/spool/tmp\nCacheDir " << root << "/cache\nStateDir " << root << "/state\nServerBin "
          << root << "/bin\nErrorLog " << root << "/log/error_log\nAccessLog " << root
          << "/log/access_log\nPageLog " << root
          << "/log/page_log\nSystemGroup root\nSandboxing Relaxed\n";
    std::ostringstream server;
    server << "Listen " << m_socket.string() << "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
           << "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
           << "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
    return WriteFile(m_root / "cups-files.conf", files.str()) &&
           WriteFile(m_root / "cupsd.conf", server.str());
}

bool CupsServer::WaitForSocket() const {
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (std::filesystem::exists(m_socket)) return true;
        if (waitpid(m_process, nullptr, WNOHANG) == m_process) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool CupsServer::AddFilePrinter(const std::string& name, const std::filesystem::path& output,
                                bool isDefault) {
    const std::string host = "-h '" + m_socket.string() + "'";
    std::string command = "lpadmin " + host + " -p '" + name + "' -v '" + kBackendName + ":" +
                          output.string() + "' -E";
    if (isDefault) command += " && lpadmin " + host + " -d '" + name + "'";
    return RunCommand("PATH=\"$PATH:/usr/sbin\" " + command + " >/dev/null 2>&1").exitCode == 0;
}

std::string CupsServer::ErrorLog() const {
    return ReadText(m_root / "log/error_log");
}
