#include "platform/user/WindowPainter.h"

#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/kernel/Kernel.h"

namespace {

// Children that are not clipped out of their parent are repainted with it.
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;

}  // namespace

void WindowPainter::Invalidate(HWND handle, const RECT* area, bool erase) {
    if (handle == nullptr) {
        for (const HWND top : m_table.TopLevelWindows()) Invalidate(top, nullptr, erase);
        return;
    }
    const Window* window = m_table.Find(handle);
    if (window == nullptr) return;
    InvalidateTree(handle, area != nullptr ? *area : window->ClientRect(), erase);
}

void WindowPainter::InvalidateTree(HWND handle, RECT area, bool erase) {
    Window* window = m_table.Find(handle);
    const RECT client = window->ClientRect();
    RECT inside{};
    if (!IntersectRect(&inside, &area, &client)) return;
    UnionRect(&window->update, &window->update, &inside);
    window->eraseNeeded = window->eraseNeeded || erase;
    if ((window->style & WS_CLIPCHILDREN) != 0) return;
    for (const HWND child : m_table.Children(handle)) {
        RECT childArea = inside;
        const Window* childWindow = m_table.Find(child);
        OffsetRect(&childArea, -childWindow->rect.left, -childWindow->rect.top);
        InvalidateTree(child, childArea, erase);
    }
}

void WindowPainter::Validate(HWND handle) {
    if (Window* window = m_table.Find(handle)) {
        window->update = RECT{};
        window->eraseNeeded = false;
    }
}

std::optional<MSG> WindowPainter::NextPaintMessage() {
    for (const HWND top : m_table.TopLevelWindows()) {
        if (const HWND dirty = FindWindowToPaint(top))
            return m_queue.MakeMessage(dirty, WM_PAINT, 0, 0);
    }
    return std::nullopt;
}

// A parent is painted before its children, so that children draw over it.
HWND WindowPainter::FindWindowToPaint(HWND handle) {
    const Window* window = m_table.Find(handle);
    if (window == nullptr || !window->IsVisible() || window->iconic) return nullptr;
    if (!IsRectEmpty(window->update)) return handle;
    for (const HWND child : m_table.Children(handle)) {
        if (const HWND dirty = FindWindowToPaint(child)) return dirty;
    }
    return nullptr;
}

HDC WindowPainter::ContextFor(HWND handle, const RECT& clientClip) {
    const HWND top = m_table.TopLevelOf(handle);
    if (top == nullptr) return nullptr;
    const POINT topOrigin = m_table.ClientOrigin(top);
    const POINT origin = m_table.ClientOrigin(handle);
    const POINT inTop{origin.x - topOrigin.x, origin.y - topOrigin.y};
    RECT clip = clientClip;
    OffsetRect(&clip, inTop.x, inTop.y);
    // A child draws only inside itself and each of its ancestors.
    for (HWND ancestor = handle; ancestor != nullptr && ancestor != top;) {
        const Window* window = m_table.Find(ancestor);
        const RECT place = m_table.ScreenRectOf(window->parent);
        RECT parentClient{place.left - topOrigin.x, place.top - topOrigin.y,
                          place.right - topOrigin.x, place.bottom - topOrigin.y};
        IntersectRect(&clip, &clip, &parentClient);
        ancestor = window->parent;
    }
    return CreateSurfaceDC(m_table.Find(top)->surface.get(), inTop, clip);
}

HDC WindowPainter::BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    Window* window = m_table.Find(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    const RECT area = window->update;
    const bool erase = window->eraseNeeded;
    Validate(handle);
    HDC dc = ContextFor(handle, area);
    *paint = PAINTSTRUCT{dc, FALSE, area};
    if (erase)
        paint->fErase = m_queue.Send(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0
                            ? TRUE
                            : FALSE;
    return dc;
}

void WindowPainter::EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    if (paint != nullptr) ReleaseDC(handle, paint->hdc);
}

HDC WindowPainter::GetDC(HWND handle) {
    if (handle == nullptr)
        return CreateSurfaceDC(&m_screen.Pixels(), POINT{0, 0}, m_screen.Pixels().Bounds());
    const Window* window = m_table.Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return ContextFor(handle, window->ClientRect());
}

// Only what was drawn through the context reaches the screen: a context taken and
// given back untouched presents nothing.
int WindowPainter::ReleaseDC(HWND handle, HDC dc) {
    if (dc == nullptr) return 0;
    RECT changed = dc->drawn;
    const HWND top = m_table.TopLevelOf(handle);
    ReleaseSurfaceDC(dc);
    if (handle == nullptr) {
        m_screen.Present(changed);
    } else if (top != nullptr) {
        const POINT origin = m_table.ClientOrigin(top);
        OffsetRect(&changed, origin.x, origin.y);
        RefreshScreen(changed);
    }
    return 1;
}

void WindowPainter::RefreshScreen(const RECT& screenArea) {
    if (IsRectEmpty(screenArea)) return;
    std::vector<Screen::Layer> layers;
    for (const HWND top : m_table.TopLevelWindows()) {
        const Window* window = m_table.Find(top);
        if (window->IsVisible() && !window->iconic)
            layers.push_back({window->surface.get(), window->rect});
    }
    m_screen.Refresh(screenArea, layers);
}
