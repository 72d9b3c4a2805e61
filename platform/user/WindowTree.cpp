#include "platform/user/WindowTree.h"

#include <algorithm>
#include <cctype>

#include "platform/gdi/DeviceContext.h"
#include "platform/kernel/InstanceChannel.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/UserBackend.h"
#include "platform/user/WindowManager.h"

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

WindowTree::WindowTree(WindowManager& manager) : m_manager(manager), m_nextHandle(kFirstHandle) {}

HWND WindowTree::NewHandle() {
    const uintptr_t value = m_nextHandle;
    m_nextHandle += kHandleStep;
    return reinterpret_cast<HWND>(value);
}

bool WindowTree::RegisterClass(const WindowClass& windowClass) {
    if (windowClass.procedure == nullptr || windowClass.name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const auto [place, added] = m_classes.emplace(Folded(windowClass.name), windowClass);
    if (!added) SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return added;
}

bool WindowTree::UnregisterClass(const std::string& name) {
    return m_classes.erase(Folded(name)) == 1;
}

const WindowClass* WindowTree::FindClass(const std::string& name) const {
    const auto found = m_classes.find(Folded(name));
    return found != m_classes.end() ? &found->second : nullptr;
}

Window* WindowTree::Find(HWND handle) {
    if (handle == nullptr) return nullptr;
    const auto found = m_windows.find(Key(handle));
    return found != m_windows.end() ? found->second.get() : nullptr;
}

std::vector<HWND> WindowTree::Children(HWND parent) const {
    std::vector<HWND> children;
    for (const auto& [key, window] : m_windows) {
        if (window->IsChild() && window->parent == parent) children.push_back(window->handle);
    }
    return children;
}

HWND WindowTree::TopLevelOf(HWND handle) {
    Window* window = Find(handle);
    while (window != nullptr && window->IsChild()) {
        handle = window->parent;
        window = Find(handle);
    }
    return window != nullptr ? handle : nullptr;
}

HWND WindowTree::Create(const WindowCreation& creation) {
    const WindowClass* windowClass = FindClass(creation.className);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    const bool child = (creation.style & WS_CHILD) != 0;
    if (child && Find(creation.parent) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    auto window = std::make_unique<Window>();
    window->handle = NewHandle();
    window->className = windowClass->name;
    window->procedure = windowClass->procedure;
    window->classCursor = windowClass->cursor;
    window->style = creation.style & ~WS_VISIBLE;
    window->parent = child ? creation.parent : nullptr;
    window->owner = child ? nullptr : TopLevelOf(creation.parent);
    window->id = creation.id;
    window->instance = creation.instance;
    window->rect = creation.rect;
    if (!child) window->surface = std::make_unique<Surface>(window->Width(), window->Height());
    const HWND handle = window->handle;
    m_windows.emplace(Key(handle), std::move(window));
    if (!child) m_zOrder.push_back(handle);

    CREATESTRUCTA create{creation.parameter,
                         creation.instance,
                         nullptr,
                         creation.parent,
                         creation.rect.bottom - creation.rect.top,
                         creation.rect.right - creation.rect.left,
                         creation.rect.top,
                         creation.rect.left,
                         static_cast<LONG>(creation.style),
                         creation.title.c_str(),
                         creation.className.c_str(),
                         0};
    if (m_manager.Send(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        Destroy(handle);
        return nullptr;
    }
    if (Find(handle) == nullptr) return nullptr;
    if ((creation.style & WS_VISIBLE) != 0) Show(handle, SW_SHOW);
    return handle;
}

bool WindowTree::Destroy(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (window->destroying) return true;
    // The windows a top-level window owns (its dialogs) go first, as on Windows.
    for (const HWND owned : TopLevelWindows()) {
        const Window* candidate = Find(owned);
        if (candidate != nullptr && candidate->owner == handle) Destroy(owned);
    }
    window = Find(handle);
    if (window == nullptr) return true;
    const RECT screenArea = ScreenRectOf(handle);
    const bool wasVisible = window->IsVisible();
    const HWND parent = window->parent;
    DestroyTree(handle);
    if (Find(parent) != nullptr && wasVisible) {
        const POINT origin = ClientOrigin(parent);
        RECT area = screenArea;
        OffsetRect(&area, -origin.x, -origin.y);
        m_manager.Invalidate(parent, &area, true);
    }
    m_manager.Painter().RefreshScreen(screenArea);
    return true;
}

void WindowTree::DestroyTree(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr || window->destroying) return;
    window->destroying = true;
    m_manager.Pointer().WindowClosing(handle);
    m_manager.Send(handle, WM_DESTROY, 0, 0);
    for (const HWND child : Children(handle)) DestroyTree(child);
    m_manager.Send(handle, WM_NCDESTROY, 0, 0);
    ForgetWindow(handle);
}

void WindowTree::ForgetWindow(HWND handle) {
    std::erase(m_zOrder, handle);
    m_manager.ForgetWindow(handle);
    m_windows.erase(Key(handle));
}

POINT WindowTree::ClientOrigin(HWND handle) {
    POINT origin{0, 0};
    for (Window* window = Find(handle); window != nullptr; window = Find(window->parent)) {
        origin.x += window->rect.left;
        origin.y += window->rect.top;
        if (!window->IsChild()) break;
    }
    return origin;
}

RECT WindowTree::ScreenRectOf(HWND handle) {
    const Window* window = Find(handle);
    if (window == nullptr) return RECT{};
    const POINT origin = ClientOrigin(handle);
    return RECT{origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
}

bool WindowTree::Move(HWND handle, RECT rect, bool repaint) {
    Window* window = Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    const RECT oldScreen = ScreenRectOf(handle);
    const bool resized =
        rect.right - rect.left != window->Width() || rect.bottom - rect.top != window->Height();
    window->rect = rect;
    if (resized && window->surface != nullptr) {
        window->surface = std::make_unique<Surface>(window->Width(), window->Height());
        m_manager.Invalidate(handle, nullptr, true);
    }
    if (repaint) {
        m_manager.Invalidate(handle, nullptr, true);
        if (window->IsChild()) {
            const POINT origin = ClientOrigin(window->parent);
            RECT old = oldScreen;
            OffsetRect(&old, -origin.x, -origin.y);
            m_manager.Invalidate(window->parent, &old, true);
        }
    }
    m_manager.Painter().RefreshScreen(oldScreen);
    m_manager.Painter().RefreshScreen(ScreenRectOf(handle));
    if (resized) {
        m_manager.Send(handle, WM_SIZE, 0,
                       MAKELPARAM(static_cast<WORD>(rect.right - rect.left),
                                  static_cast<WORD>(rect.bottom - rect.top)));
    }
    return true;
}

bool WindowTree::Show(HWND handle, int command) {
    Window* window = Find(handle);
    if (window == nullptr) return false;
    const bool wasVisible = window->IsVisible();
    const bool wasIconic = window->iconic;
    switch (command) {
        case SW_HIDE:
            window->style &= ~WS_VISIBLE;
            break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
            window->style |= WS_VISIBLE;
            window->iconic = true;
            break;
        default:
            window->style |= WS_VISIBLE;
            window->iconic = false;
            break;
    }
    const bool restored = wasIconic && !window->iconic;
    const bool owned = window->owner != nullptr;
    if (restored && !window->IsChild() && !owned) CurrentUserBackend().RestoreWindow();
    if (window->IsVisible() && (!wasVisible || wasIconic))
        m_manager.Invalidate(handle, nullptr, true);
    m_manager.Painter().RefreshScreen(ScreenRectOf(handle));
    // A later copy asks whether the shared window is minimised without the window system.
    if (Key(handle) == InstanceChannel::PublishedWindow())
        InstanceChannel::PublishIconic(window->iconic);
    if (wasIconic != window->iconic) ShowOwned(handle, window->iconic);
    return wasVisible;
}

// The windows a top-level window owns (its dialogs) are minimised and restored with it.
void WindowTree::ShowOwned(HWND owner, bool iconic) {
    for (const HWND top : TopLevelWindows()) {
        const Window* window = Find(top);
        if (window != nullptr && window->owner == owner && window->IsVisible() &&
            window->iconic != iconic)
            Show(top, iconic ? SW_MINIMIZE : SW_RESTORE);
    }
}

bool WindowTree::Enable(HWND handle, bool enable) {
    Window* window = Find(handle);
    if (window == nullptr) return false;
    const bool wasDisabled = !window->IsEnabled();
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        if (m_manager.Focus() == handle) m_manager.SetFocus(nullptr);
        if (m_manager.Capture() == handle) m_manager.ReleaseCapture();
    }
    m_manager.Send(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

bool WindowTree::BringToFront(HWND handle) {
    const HWND top = TopLevelOf(handle);
    if (top == nullptr) return false;
    // The window and the windows it owns move above all others, keeping their order.
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
    CurrentUserBackend().RaiseWindow();
    m_manager.Painter().RefreshScreen(m_manager.TheScreen().Pixels().Bounds());
    return true;
}

HWND WindowTree::WindowFromPoint(POINT screenPoint) {
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

bool WindowTree::ReceivesInput(HWND handle) {
    for (Window* window = Find(handle); window != nullptr;
         window = Find(window->IsChild() ? window->parent : nullptr)) {
        if (!window->IsEnabled()) return false;
    }
    return handle != nullptr;
}

void WindowTree::Clear() {
    for (const HWND top : TopLevelWindows()) Destroy(top);
    m_windows.clear();
    m_zOrder.clear();
    m_classes.clear();
}
