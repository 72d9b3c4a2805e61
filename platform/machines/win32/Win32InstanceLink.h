#pragma once
// The instance link on Windows: the first copy holds a named mutex and answers later
// copies through a hidden window (HostInstance); a later copy asks it there.

#include "platform/kernel/InstanceLink.h"

class Win32InstanceLink final : public InstanceLink {
public:
    std::unique_ptr<Listener> Listen(const std::string& name) override;
    std::optional<DWORD> Ask(const std::string& name, InstanceChannel::Request request) override;
};
