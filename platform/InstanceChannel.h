#pragma once
// The channel between running copies of the program: the first copy listens on a
// local socket named after its single-instance mutex and the user, and answers the
// copies started after it. A second copy asks for the first copy's shared window
// handle and can ask it to restore, raise and enable that window.
//
// Only copies run by the same user may talk: each side checks the other's user id.

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/WinTypes.h"

class InstanceChannel {
public:
    enum class Request : char {
        WindowHandle = 'H',
        IsIconic = 'I',
        Restore = 'R',
        Raise = 'F',
        Enable = 'E'
    };

    // Listens as the first copy for `name`; null when another copy already listens.
    static std::unique_ptr<InstanceChannel> Listen(const std::string& name);
    // Asks the copy that listens for `name`; nothing when none answers.
    static std::optional<DWORD> Ask(const std::string& name, Request request);

    ~InstanceChannel();
    InstanceChannel(const InstanceChannel&) = delete;
    InstanceChannel& operator=(const InstanceChannel&) = delete;

    // What the first copy answers and does. The window handle and its minimised state
    // are kept here, so that the listening thread answers without the window system.
    static void PublishWindow(DWORD handle);
    static void PublishIconic(bool iconic);
    static DWORD PublishedWindow();
    // Restore, Raise and Enable requests are handed to this (on the listening thread).
    static void SetActionHandler(std::function<void(Request)> handler);

private:
    explicit InstanceChannel(int socket);
    void Serve();
    void Answer(int connection);

    int m_socket;
    std::thread m_thread;
};
