#pragma once
// A CUPS server of the test's own: its configuration, spool and printers in a
// temporary folder, reached on a local socket that is made the test's CUPS_SERVER.
// Its printers are raw queues whose backend copies each job into a file.

#include <sys/types.h>

#include <filesystem>
#include <string>

#include "tests/support/TempDirectory.h"

class CupsServer {
public:
    CupsServer();
    ~CupsServer();

    bool Running() const { return m_running; }
    // Adds printer `name` whose jobs land in `output`; with `isDefault` it becomes the
    // default destination.
    bool AddFilePrinter(const std::string& name, const std::filesystem::path& output,
                        bool isDefault);
    // What the server logged, for a failing test's message.
    std::string ErrorLog() const;

private:
    TempDirectory m_root;
    std::filesystem::path m_socket = m_root / "cups.sock";
    pid_t m_process = -1;
    bool m_running = false;
};
