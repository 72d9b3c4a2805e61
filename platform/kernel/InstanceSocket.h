#pragma once
// The desktop's instance link: the first copy listens on a local socket named after its
// single-instance mutex, the user and the display, and answers on a thread of its own.
// Only copies run by the same user may talk: each side checks the other's user id.
// On Windows the socket is a named pipe (InstanceSocketWindows.cpp).

#include "platform/kernel/InstanceLink.h"

class InstanceSocket final : public InstanceLink {
public:
    std::unique_ptr<Listener> Listen(const std::string& name) override;
    std::optional<DWORD> Ask(const std::string& name, InstanceChannel::Request request) override;
};
