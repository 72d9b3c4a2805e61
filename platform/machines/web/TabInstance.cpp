// The single-instance channel in a browser. The page runs the album in one tab of a
// browser profile at a time (it holds a lock of the browser's for as long as the
// album runs, and another tab says the album is already open there), so the program
// is always the first copy: nothing listens, and asking finds no other copy.
#include "platform/kernel/InstanceChannel.h"

struct InstanceChannel::Listener {};

std::unique_ptr<InstanceChannel> InstanceChannel::Listen(const std::string&) {
    return nullptr;
}

std::optional<DWORD> InstanceChannel::Ask(const std::string&, Request) {
    return std::nullopt;
}

InstanceChannel::~InstanceChannel() = default;
