#pragma once
// The instance link in a browser. The page runs the album in one tab of a browser
// profile at a time (it holds a lock of the browser's for as long as the album runs,
// and another tab says the album is already open there), so the program is always the
// first copy: nothing listens, and asking finds no other copy.

#include "platform/kernel/InstanceLink.h"

class TabInstance final : public InstanceLink {
public:
    std::unique_ptr<Listener> Listen(const std::string& name) override;
    std::optional<DWORD> Ask(const std::string& name, InstanceChannel::Request request) override;
};
