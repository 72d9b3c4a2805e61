#include "tests/platform/machines/sdl/XvfbServer.h"

#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

#include "tests/platform/machines/sdl/HostCommand.h"

XvfbServer::XvfbServer(LONG width, LONG height, bool windowManager)
    : m_width(width), m_height(height) {
    int pipes[2];
    if (pipe(pipes) != 0) return;
    // A white root: a black window, or none where one should be, shows up against it.
    m_process = StartProgram({"Xvfb", "-displayfd", std::to_string(pipes[1]), "-screen", "0",
                              std::to_string(width) + "x" + std::to_string(height) + "x24",
                              "-nolisten", "tcp", "-noreset", "-wr"});
    close(pipes[1]);
    // The server writes its display number once it is ready for clients.
    std::string number;
    pollfd waiting{pipes[0], POLLIN, 0};
    for (char c = 0; poll(&waiting, 1, 10000) == 1 && read(pipes[0], &c, 1) == 1 && c != '\n';)
        number += c;
    close(pipes[0]);
    if (number.empty()) return;
    m_display = ":" + number;
    setenv("DISPLAY", m_display.c_str(), 1);
    if (!windowManager) return;
    m_manager = StartProgram({"openbox"});
    // It takes the screen over before the test goes on.
    std::this_thread::sleep_for(std::chrono::seconds(1));
}

XvfbServer::~XvfbServer() {
    StopProgram(m_manager);
    StopProgram(m_process);
}

std::optional<Surface> XvfbServer::Screenshot(const std::string& keptIn) const {
    const std::string kept = keptIn.empty() ? "" : " | tee '" + keptIn + "'";
    return ReadRgb(RunCommand("xwd -root -silent -display " + m_display + kept +
                              " | convert xwd:- -depth 8 rgb:-")
                       .output,
                   m_width, m_height);
}

std::optional<RECT> XvfbServer::WindowPlace(const std::string& title) const {
    const std::string info =
        RunCommand("xwininfo -display " + m_display + " -name '" + title + "'").output;
    RECT place{};
    if (std::sscanf(info.c_str(),
                    " %*[^\n] Absolute upper-left X: %d Absolute upper-left Y: %d Relative "
                    "upper-left X: %*d Relative upper-left Y: %*d Width: %d Height: %d",
                    &place.left, &place.top, &place.right, &place.bottom) != 4)
        return std::nullopt;
    place.right += place.left;
    place.bottom += place.top;
    return place;
}

bool XvfbServer::PressKeyInWindow(const std::string& title, const std::string& key) const {
    // A window that is mapped may not yet read its keys: the key is pressed again until
    // the window is gone from the screen.
    bool pressed = false;
    return WaitUntil(
        [&] {
            const std::set<std::string> windows = WindowsOnShow("^" + title + "$");
            // Sent to the window itself: without a window manager the focus may never reach it.
            if (windows.empty()) return pressed;
            pressed =
                Xdotool("key --window " + *windows.begin() + " --delay 100 " + key) || pressed;
            return false;
        },
        std::chrono::seconds(20));
}

std::set<std::string> XvfbServer::WindowsOnShow(const std::string& name) const {
    std::istringstream lines(RunCommand("DISPLAY=" + m_display +
                                        " xdotool search --onlyvisible --name '" + name +
                                        "' 2>/dev/null")
                                 .output);
    std::set<std::string> found;
    for (std::string id; std::getline(lines, id);) found.insert(id);
    return found;
}

bool XvfbServer::Xdotool(const std::string& arguments) const {
    return RunCommand("DISPLAY=" + m_display + " xdotool " + arguments + " >/dev/null 2>&1")
               .exitCode == 0;
}
