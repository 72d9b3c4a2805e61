#pragma once
// A virtual X server of the test's own, on a display number it picks itself, made
// the test's DISPLAY while it runs; with a window manager on it when asked.

#include <sys/types.h>

#include <optional>
#include <set>
#include <string>

#include "platform/gdi/Surface.h"

class XvfbServer {
public:
    XvfbServer(LONG width, LONG height, bool windowManager = false);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool Running() const { return !m_display.empty(); }
    const std::string& Display() const { return m_display; }
    // The whole screen as the X server shows it, taken with xwd; also kept in the xwd
    // file `keptIn` when one is named.
    std::optional<Surface> Screenshot(const std::string& keptIn = "") const;
    // Runs xdotool with `arguments` on this display; true when it succeeded.
    bool Xdotool(const std::string& arguments) const;
    // The ids of the windows on show whose titles match `name`, the server's own too.
    std::set<std::string> WindowsOnShow(const std::string& name = ".*") const;
    // Where the window titled `title` lies on the screen, as the X server has it.
    std::optional<RECT> WindowPlace(const std::string& title) const;
    // Waits a few seconds for a window titled `title` on show and presses `key` in it
    // until it is gone from the screen, as a person answering a message box would.
    bool PressKeyInWindow(const std::string& title, const std::string& key) const;

private:
    LONG m_width;
    LONG m_height;
    pid_t m_process = -1;
    pid_t m_manager = -1;
    std::string m_display;
};
