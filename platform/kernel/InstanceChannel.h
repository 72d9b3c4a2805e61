#pragma once
// The channel between running copies of the program. On the desktop the first copy
// listens on a local socket named after its single-instance mutex and the user, and
// answers the copies started after it (InstanceSocket.cpp): a second copy asks for the
// first copy's shared window handle and can ask it to restore, raise and enable that
// window. Only copies run by the same user may talk: each side checks the other's user
// id. In a browser the page lets one copy run per profile, and nothing listens.

#include <functional>
#include <memory>
#include <optional>
#include <string>

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
    // What listens for later copies: it lives as long as the channel.
    struct Listener;

    explicit InstanceChannel(std::unique_ptr<Listener> listener);
    // The first copy's answer to `request` (the action carried out); nothing for an
    // unknown request.
    static std::optional<DWORD> Answer(Request request);

    std::unique_ptr<Listener> m_listener;
};
