#include "platform/user/WindowTable.h"

#include <algorithm>
#include <cctype>

#include "platform/gdi/DeviceContext.h"
#include "platform/kernel/Kernel.h"

namespace {

// Handles are small even numbers that are never given out twice, like the ones
// the program logs and shares with its second copy as 32-bit values.
constexpr uintptr_t kFirstHandle = 0x10010;
constexpr uintptr_t kHandleStep = 2;

std::string Folded(const std::string& name) {
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

uintptr_t Key(HWND handle) {
    return reinterpret_cast<uintptr_t>(handle);
}

}  // namespace

WindowTable::WindowTable() : m_nextHandle(kFirstHandle) {}

HWND WindowTable::NewHandle() {
    const uintptr_t value = m_nextHandle;
    m_nextHandle += kHandleStep;
    return reinterpret_cast<HWND>(value);
}

bool WindowTable::RegisterClass(const WindowClass& windowClass) {
    if (windowClass.procedure == nullptr || windowClass.name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const auto [place, added] = m_classes.emplace(Folded(windowClass.name), windowClass);
    if (!added) SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return added;
}

void WindowTable::AddStandardClass(const WindowClass& windowClass) {
    if (RegisterClass(windowClass)) m_standardClasses.push_back(windowClass);
}

bool WindowTable::UnregisterClass(const std::string& name) {
    return m_classes.erase(Folded(name)) == 1;
}

const WindowClass* WindowTable::FindClass(const std::string& name) const {
    const auto found = m_classes.find(Folded(name));
    return found != m_classes.end() ? &found->second : nullptr;
}

HWND WindowTable::Add(std::unique_ptr<Window> window) {
    const HWND handle = NewHandle();
    window->handle = handle;
    if (!window->IsChild()) m_zOrder.push_back(handle);
    m_windows.emplace(Key(handle), std::move(window));
    return handle;
}

void WindowTable::Remove(HWND handle) {
    std::erase(m_zOrder, handle);
    m_windows.erase(Key(handle));
}

Window* WindowTable::Find(HWND handle) {
    if (handle == nullptr) return nullptr;
    const auto found = m_windows.find(Key(handle));
    return found != m_windows.end() ? found->second.get() : nullptr;
}

std::vector<HWND> WindowTable::Children(HWND parent) const {
    std::vector<HWND> children;
    for (const auto& [key, window] : m_windows) {
        if (window->IsChild() && window->parent == parent) children.push_back(window->handle);
    }
    return children;
}

HWND WindowTable::TopLevelOf(HWND handle) {
    Window* window = Find(handle);
    while (window != nullptr && window->IsChild()) {
        handle = window->parent;
        window = Find(handle);
    }
    return window != nullptr ? handle : nullptr;
}

POINT WindowTable::ClientOrigin(HWND handle) {
    POINT origin{0, 0};
    for (Window* window = Find(handle); window != nullptr; window = Find(window->parent)) {
        origin.x += window->rect.left;
        origin.y += window->rect.top;
        if (!window->IsChild()) break;
    }
    return origin;
}

RECT WindowTable::ScreenRectOf(HWND handle) {
    const Window* window = Find(handle);
    if (window == nullptr) return RECT{};
    const POINT origin = ClientOrigin(handle);
    return RECT{origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
}

HWND WindowTable::WindowFromPoint(POINT screenPoint) {
    for (auto top = m_zOrder.rbegin(); top != m_zOrder.rend(); ++top) {
        const Window* window = Find(*top);
        if (window == nullptr || !window->IsVisible() || window->iconic) continue;
        if (!PtInRect(&window->rect, screenPoint)) continue;
        HWND hit = *top;
        // Descend into the topmost child under the point, the latest created first.
        for (bool descended = true; descended;) {
            descended = false;
            const std::vector<HWND> children = Children(hit);
            for (auto child = children.rbegin(); child != children.rend(); ++child) {
                const RECT place = ScreenRectOf(*child);
                if (Find(*child)->IsVisible() && PtInRect(&place, screenPoint)) {
                    hit = *child;
                    descended = true;
                    break;
                }
            }
        }
        return hit;
    }
    return nullptr;
}

bool WindowTable::ReceivesInput(HWND handle) {
    for (Window* window = Find(handle); window != nullptr;
         window = Find(window->IsChild() ? window->parent : nullptr)) {
        if (!window->IsEnabled()) return false;
    }
    return handle != nullptr;
}

void WindowTable::Raise(HWND top) {
    std::vector<HWND> raised;
    for (const HWND candidate : m_zOrder) {
        const Window* window = Find(candidate);
        if (candidate == top || (window != nullptr && window->owner == top))
            raised.push_back(candidate);
    }
    std::erase_if(m_zOrder, [&raised](HWND candidate) {
        return std::find(raised.begin(), raised.end(), candidate) != raised.end();
    });
    m_zOrder.insert(m_zOrder.end(), raised.begin(), raised.end());
}

void WindowTable::Clear() {
    m_windows.clear();
    m_zOrder.clear();
    m_classes.clear();
    for (const WindowClass& standard : m_standardClasses) RegisterClass(standard);
}
