#include "platform/machines/web/TabInstance.h"

std::unique_ptr<InstanceLink::Listener> TabInstance::Listen(const std::string&) {
    return nullptr;
}

std::optional<DWORD> TabInstance::Ask(const std::string&, InstanceChannel::Request) {
    return std::nullopt;
}
