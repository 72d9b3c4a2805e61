#include "platform/user/WindowTree.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/kernel/InstanceChannel.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/UserBackend.h"

WindowTree::WindowTree(WindowTable& table, MessageQueue& queue, WindowPainter& painter,
                       FocusAndPointer& focusAndPointer, std::function<void(HWND)> windowGone)
    : m_table(table),
      m_queue(queue),
      m_painter(painter),
      m_focusAndPointer(focusAndPointer),
      m_windowGone(std::move(windowGone)) {}

HWND WindowTree::Create(const WindowCreation& creation) {
    const WindowClass* windowClass = m_table.FindClass(creation.className);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    const bool child = (creation.style & WS_CHILD) != 0;
    if (child && m_table.Find(creation.parent) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    auto window = std::make_unique<Window>();
    window->className = windowClass->name;
    window->procedure = windowClass->procedure;
    window->classCursor = windowClass->cursor;
    window->style = creation.style & ~WS_VISIBLE;
    window->parent = child ? creation.parent : nullptr;
    window->owner = child ? nullptr : m_table.TopLevelOf(creation.parent);
    window->id = creation.id;
    window->instance = creation.instance;
    window->rect = creation.rect;
    if (!child) window->surface = std::make_unique<Surface>(window->Width(), window->Height());
    const HWND handle = m_table.Add(std::move(window));

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
    if (m_queue.Send(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        Destroy(handle);
        return nullptr;
    }
    if (m_table.Find(handle) == nullptr) return nullptr;
    if ((creation.style & WS_VISIBLE) != 0) Show(handle, SW_SHOW);
    return handle;
}

bool WindowTree::Destroy(HWND handle) {
    Window* window = m_table.Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (window->destroying) return true;
    // The windows a top-level window owns (its dialogs) go first, as on Windows.
    for (const HWND owned : m_table.TopLevelWindows()) {
        const Window* candidate = m_table.Find(owned);
        if (candidate != nullptr && candidate->owner == handle) Destroy(owned);
    }
    window = m_table.Find(handle);
    if (window == nullptr) return true;
    const RECT screenArea = m_table.ScreenRectOf(handle);
    const bool wasVisible = window->IsVisible();
    const HWND parent = window->parent;
    DestroyTree(handle);
    if (m_table.Find(parent) != nullptr && wasVisible) InvalidateScreenArea(parent, screenArea);
    m_painter.RefreshScreen(screenArea);
    return true;
}

void WindowTree::DestroyTree(HWND handle) {
    Window* window = m_table.Find(handle);
    if (window == nullptr || window->destroying) return;
    window->destroying = true;
    m_focusAndPointer.WindowClosing(handle);
    m_queue.Send(handle, WM_DESTROY, 0, 0);
    for (const HWND child : m_table.Children(handle)) DestroyTree(child);
    m_queue.Send(handle, WM_NCDESTROY, 0, 0);
    m_windowGone(handle);
    m_table.Remove(handle);
}

void WindowTree::InvalidateScreenArea(HWND handle, RECT screenArea) {
    const POINT origin = m_table.ClientOrigin(handle);
    OffsetRect(&screenArea, -origin.x, -origin.y);
    m_painter.Invalidate(handle, &screenArea, true);
}

bool WindowTree::Move(HWND handle, RECT rect, bool repaint) {
    Window* window = m_table.Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    const RECT oldScreen = m_table.ScreenRectOf(handle);
    const bool resized =
        rect.right - rect.left != window->Width() || rect.bottom - rect.top != window->Height();
    window->rect = rect;
    if (resized && window->surface != nullptr) {
        window->surface = std::make_unique<Surface>(window->Width(), window->Height());
        m_painter.Invalidate(handle, nullptr, true);
    }
    if (repaint) {
        m_painter.Invalidate(handle, nullptr, true);
        if (window->IsChild()) InvalidateScreenArea(window->parent, oldScreen);
    }
    m_painter.RefreshScreen(oldScreen);
    m_painter.RefreshScreen(m_table.ScreenRectOf(handle));
    if (resized) {
        m_queue.Send(handle, WM_SIZE, 0,
                     MAKELPARAM(static_cast<WORD>(rect.right - rect.left),
                                static_cast<WORD>(rect.bottom - rect.top)));
    }
    return true;
}

bool WindowTree::Show(HWND handle, int command) {
    Window* window = m_table.Find(handle);
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
    if (restored && !window->IsChild() && !owned) UserBackendSlot::Current().RestoreWindow();
    if (window->IsVisible() && (!wasVisible || wasIconic))
        m_painter.Invalidate(handle, nullptr, true);
    m_painter.RefreshScreen(m_table.ScreenRectOf(handle));
    // A later copy asks whether the shared window is minimised without the window system.
    if (reinterpret_cast<uintptr_t>(handle) == InstanceChannel::PublishedWindow())
        InstanceChannel::PublishIconic(window->iconic);
    if (wasIconic != window->iconic) ShowOwned(handle, window->iconic);
    return wasVisible;
}

// The windows a top-level window owns (its dialogs) are minimised and restored with it.
void WindowTree::ShowOwned(HWND owner, bool iconic) {
    for (const HWND top : m_table.TopLevelWindows()) {
        const Window* window = m_table.Find(top);
        if (window != nullptr && window->owner == owner && window->IsVisible() &&
            window->iconic != iconic)
            Show(top, iconic ? SW_MINIMIZE : SW_RESTORE);
    }
}

bool WindowTree::Enable(HWND handle, bool enable) {
    Window* window = m_table.Find(handle);
    if (window == nullptr) return false;
    const bool wasDisabled = !window->IsEnabled();
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        if (m_focusAndPointer.Focus() == handle) m_focusAndPointer.SetFocus(nullptr);
        if (m_focusAndPointer.Capture() == handle) m_focusAndPointer.ReleaseCapture();
    }
    m_queue.Send(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

bool WindowTree::BringToFront(HWND handle) {
    const HWND top = m_table.TopLevelOf(handle);
    if (top == nullptr) return false;
    m_table.Raise(top);
    UserBackendSlot::Current().RaiseWindow();
    m_painter.RefreshScreen(m_painter.TheScreen().Pixels().Bounds());
    return true;
}

void WindowTree::Clear() {
    for (const HWND top : m_table.TopLevelWindows()) Destroy(top);
    m_table.Clear();
}
