#include "platform/kernel/InstanceChannel.h"

#include <atomic>
#include <mutex>

namespace {

std::atomic<DWORD> g_window{0};
std::atomic<bool> g_iconic{false};
std::mutex g_handlerLock;
std::function<void(InstanceChannel::Request)> g_handler;

}  // namespace

std::optional<DWORD> InstanceChannel::Answer(Request request) {
    switch (request) {
        case Request::WindowHandle:
            return g_window.load();
        case Request::IsIconic:
            return g_iconic.load() ? 1 : 0;
        case Request::Restore:
        case Request::Raise:
        case Request::Enable: {
            std::lock_guard lock(g_handlerLock);
            if (g_handler) g_handler(request);
            return 1;
        }
    }
    return std::nullopt;
}

void InstanceChannel::PublishWindow(DWORD handle) {
    g_window = handle;
}
void InstanceChannel::PublishIconic(bool iconic) {
    g_iconic = iconic;
}
DWORD InstanceChannel::PublishedWindow() {
    return g_window.load();
}

void InstanceChannel::SetActionHandler(std::function<void(Request)> handler) {
    std::lock_guard lock(g_handlerLock);
    g_handler = std::move(handler);
}
