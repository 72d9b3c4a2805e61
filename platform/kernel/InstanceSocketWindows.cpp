#include "platform/kernel/InstanceSocket.h"

#include "platform/kernel/LocalPipe.h"

// On Windows the link is a named pipe named after the mutex: its one instance belongs to
// the first copy. Another user's copy may not write to it, so it asks nothing of this one.

namespace {

struct PipeListener final : InstanceLink::Listener {
    explicit PipeListener(std::unique_ptr<LocalPipe> served) : pipe(std::move(served)) {}
    std::unique_ptr<LocalPipe> pipe;
};

std::string PipeName(const std::string& name) {
    return "quillory-instance-" + name;
}

}  // namespace

std::unique_ptr<InstanceLink::Listener> InstanceSocket::Listen(const std::string& name) {
    auto pipe = LocalPipe::Serve(PipeName(name), [](char code) -> std::optional<uint32_t> {
        return InstanceChannel::Answer(static_cast<InstanceChannel::Request>(code));
    });
    if (pipe == nullptr) return nullptr;
    return std::make_unique<PipeListener>(std::move(pipe));
}

std::optional<DWORD> InstanceSocket::Ask(const std::string& name,
                                         InstanceChannel::Request request) {
    return LocalPipe::Ask(PipeName(name), static_cast<char>(request));
}
