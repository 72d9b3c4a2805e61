#include "tests/sdl/XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/sdl/HostCommand.h"

XvfbServer::XvfbServer(int width, int height, bool windowManager) {
    int pipes[2];
    if (pipe(pipes) != 0) return;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string displayFd = std::to_string(pipes[1]);
    m_process = fork();
    if (m_process == 0) {
        close(pipes[0]);
        // The server keeps no pipe of the test's open: its output goes nowhere.
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        // A white root: a black window, or none where one should be, shows up against it.
        execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", "-wr", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipes[1]);
    // The server writes its display number once it is ready for clients.
    std::string number;
    pollfd waiting{pipes[0], POLLIN, 0};
    char c = 0;
    while (m_process > 0 && poll(&waiting, 1, 10000) == 1 && read(pipes[0], &c, 1) == 1 &&
           c != '\n')
        number += c;
    close(pipes[0]);
    if (number.empty()) return;
    m_display = ":" + number;
    setenv("DISPLAY", m_display.c_str(), 1);
    if (!windowManager) return;
    m_manager = fork();
    if (m_manager == 0) {
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        execlp("openbox", "openbox", static_cast<char*>(nullptr));
        _exit(127);
    }
    // It takes the screen over before the test goes on.
    std::this_thread::sleep_for(std::chrono::seconds(1));
}

XvfbServer::~XvfbServer() {
    for (const pid_t process : {m_manager, m_process}) {
        if (process <= 0) continue;
        kill(process, SIGTERM);
        waitpid(process, nullptr, 0);
    }
}

std::optional<Surface> XvfbServer::Screenshot(const std::string& keptIn) const {
    const std::string kept = keptIn.empty() ? "" : " | tee '" + keptIn + "'";
    const CommandResult shot = RunCommand("xwd -root -silent -display " + m_display +
                                          " | convert xwd:- -strip ppm:-" + kept);
    if (shot.exitCode != 0) return std::nullopt;
    return ReadPpm(shot.output);
}

std::optional<RECT> XvfbServer::WindowPlace(const std::string& title) const {
    const CommandResult info =
        RunCommand("xwininfo -display " + m_display + " -name '" + title + "'");
    const auto field = [&info](const std::string& name) -> std::optional<LONG> {
        const size_t at = info.output.find(name);
        if (at == std::string::npos) return std::nullopt;
        return static_cast<LONG>(std::stol(info.output.substr(at + name.size())));
    };
    const auto x = field("Absolute upper-left X:"), y = field("Absolute upper-left Y:");
    const auto width = field("Width:"), height = field("Height:");
    if (info.exitCode != 0 || !x || !y || !width || !height) return std::nullopt;
    return RECT{*x, *y, *x + *width, *y + *height};
}

bool XvfbServer::PressKeyInWindow(const std::string& title, const std::string& key) const {
    // Found through the window tree: xdotool's own search passes over message boxes,
    // which carry no class.
    const std::string find = "xwininfo -root -tree -display " + m_display + " | awk '$2 == \"\\\"" +
                             title + "\\\":\" { printf \"%s\", $1; exit }'";
    // SDL shows a box from a process forked off the caller's. Were this thread inside the
    // C library at that moment, the box's process could wait on a lock for ever; so the
    // first look comes once the fork is surely done. A box that is mapped may not yet
    // read its keys: the key is pressed again until the box is gone.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    bool pressed = false;
    return WaitUntil(
        [&] {
            const std::string window = RunCommand(find).output;
            // Sent to the box itself: without a window manager the focus may never reach it.
            if (window.empty()) return pressed;
            pressed = Xdotool("key --window " + window + " --delay 100 " + key) || pressed;
            return false;
        },
        std::chrono::seconds(20));
}

bool XvfbServer::Xdotool(const std::string& arguments) const {
    return RunCommand("DISPLAY=" + m_display + " xdotool " + arguments + " >/dev/null 2>&1")
               .exitCode == 0;
}
