#pragma once
// How running copies of the program reach each other on this machine: the first copy
// listens under the name of its single-instance mutex, and a later copy asks it what
// InstanceChannel answers. The desktop's link, a local socket (InstanceSocket), is the
// default; a machine with a way of its own (the browser's tab) installs it when it
// starts.

#include <memory>
#include <optional>
#include <string>

#include "platform/kernel/InstanceChannel.h"
#include "platform/kernel/WinTypes.h"

class InstanceLink {
public:
    // Listens for later copies for as long as it lives.
    class Listener {
    public:
        virtual ~Listener() = default;
    };

    virtual ~InstanceLink() = default;

    // Listens as the first copy for `name`; null when another copy already listens.
    virtual std::unique_ptr<Listener> Listen(const std::string& name) = 0;
    // Asks the copy that listens for `name`; nothing when none answers.
    virtual std::optional<DWORD> Ask(const std::string& name, InstanceChannel::Request request) = 0;
};
