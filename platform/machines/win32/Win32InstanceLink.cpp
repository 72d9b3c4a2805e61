#include "platform/machines/win32/Win32InstanceLink.h"

#include <utility>

#include "platform/machines/win32/HostInstance.h"

namespace {

// The name held for as long as this lives.
class Holding final : public InstanceLink::Listener {
public:
    explicit Holding(std::unique_ptr<HostInstance> claim) : m_claim(std::move(claim)) {}

private:
    std::unique_ptr<HostInstance> m_claim;
};

}  // namespace

std::unique_ptr<InstanceLink::Listener> Win32InstanceLink::Listen(const std::string& name) {
    std::unique_ptr<HostInstance> claim =
        HostInstance::Claim(name, [](char request) -> std::optional<uint32_t> {
            return InstanceChannel::Answer(static_cast<InstanceChannel::Request>(request));
        });
    if (claim == nullptr) return nullptr;
    return std::make_unique<Holding>(std::move(claim));
}

std::optional<DWORD> Win32InstanceLink::Ask(const std::string& name,
                                            InstanceChannel::Request request) {
    return HostInstance::Ask(name, static_cast<char>(request));
}
