#include "platform/kernel/InstanceGuard.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/kernel/InstalledInstanceLink.h"
#include "platform/kernel/KernelObject.h"
#include "platform/kernel/LastError.h"

namespace {

// The single-instance mutexes this copy made, each with what listens for later copies
// under its name; and the name of the mutex another copy already held.
std::mutex g_mutexesLock;
std::map<HANDLE, std::unique_ptr<InstanceLink::Listener>> g_mutexes;
std::optional<std::string> g_otherCopyMutex;
DWORD g_otherCopyWindow = 0;

}  // namespace

HANDLE CreateMutexA(void*, BOOL, const char* name) {
    const std::string mutexName = name != nullptr ? name : "";
    InstanceLink& link = InstanceLinkSlot::Current();
    auto listener = link.Listen(mutexName);
    HANDLE mutex = new KernelObject{KernelObject::Kind::Mutex};
    if (listener == nullptr && link.Ask(mutexName, InstanceChannel::Request::WindowHandle)) {
        g_otherCopyMutex = mutexName;
        SetLastError(ERROR_ALREADY_EXISTS);
        return mutex;
    }
    // A name held by a stranger (another user, or no copy answering) leaves this copy
    // to run on its own rather than to end without a word.
    std::lock_guard lock(g_mutexesLock);
    g_mutexes.emplace(mutex, std::move(listener));
    SetLastError(ERROR_SUCCESS);
    return mutex;
}

BOOL ReleaseMutex(HANDLE mutex) {
    return KernelObject::IsA(mutex, KernelObject::Kind::Mutex) ? TRUE : FALSE;
}

BOOL CloseInstanceMutex(HANDLE mutex) {
    std::unique_ptr<InstanceLink::Listener> listener;
    {
        std::lock_guard lock(g_mutexesLock);
        const auto found = g_mutexes.find(mutex);
        if (found != g_mutexes.end()) {
            listener = std::move(found->second);
            g_mutexes.erase(found);
        }
    }
    listener.reset();
    delete mutex;
    return TRUE;
}

HWND GetSharedWindowHandle() {
    if (!g_otherCopyMutex)
        return reinterpret_cast<HWND>(static_cast<uintptr_t>(InstanceChannel::PublishedWindow()));
    g_otherCopyWindow = AskOtherCopy(InstanceChannel::Request::WindowHandle);
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(g_otherCopyWindow));
}

void SetSharedWindowHandle(HWND window) {
    InstanceChannel::PublishWindow(static_cast<DWORD>(reinterpret_cast<uintptr_t>(window)));
}

bool IsOtherCopysWindow(HWND window) {
    return g_otherCopyMutex && window != nullptr &&
           reinterpret_cast<uintptr_t>(window) == static_cast<uintptr_t>(g_otherCopyWindow);
}

DWORD AskOtherCopy(InstanceChannel::Request request) {
    if (!g_otherCopyMutex) return 0;
    return InstanceLinkSlot::Current().Ask(*g_otherCopyMutex, request).value_or(0);
}
