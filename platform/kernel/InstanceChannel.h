#pragma once
// What the first running copy of the program tells the copies started after it, which
// reach it over the machine's instance link (InstanceLink.h): a second copy asks for the
// first copy's shared window handle and can ask it to restore, raise and enable that
// window.

#include <functional>
#include <optional>

#include "platform/kernel/WinTypes.h"

class InstanceChannel {
public:
    enum class Request : char {
        WindowHandle = 'H',
        IsIconic = 'I',
        Restore = 'R',
        Raise = 'F',
        Enable = 'E'
    };

    // What the first copy answers and does. The window handle and its minimised state
    // are kept here, so that the listening thread answers without the window system.
    static void PublishWindow(DWORD handle);
    static void PublishIconic(bool iconic);
    static DWORD PublishedWindow();
    // Restore, Raise and Enable requests are handed to this (on the listening thread).
    static void SetActionHandler(std::function<void(Request)> handler);

    // The first copy's answer to `request` (the action carried out); nothing for an
    // unknown request.
    static std::optional<DWORD> Answer(Request request);
};
