#include "platform/WindowManager.h"

#include <algorithm>
#include <cctype>

#include "platform/Backend.h"
#include "platform/Cursor.h"
#include "platform/DeviceContext.h"
#include "platform/Kernel.h"

namespace {

// Handles are small even numbers that are never given out twice, like the ones
// the program logs and shares with its second copy as 32-bit values.
constexpr uintptr_t kFirstHandle = 0x10010;
constexpr uintptr_t kHandleStep = 2;
// Children that are not clipped out of their parent are repainted with it.
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
// Waiting for input has no end of its own: posting from another thread wakes it.
constexpr DWORD kWaitForever = 0xFFFFFFFF;

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

WindowManager& WindowManager::Instance() {
    static WindowManager manager;
    return manager;
}

WindowManager::WindowManager() : m_nextHandle(kFirstHandle) {}

HWND WindowManager::NewHandle() {
    const uintptr_t value = m_nextHandle;
    m_nextHandle += kHandleStep;
    return reinterpret_cast<HWND>(value);
}

bool WindowManager::RegisterClass(const WindowClass& windowClass) {
    if (windowClass.procedure == nullptr || windowClass.name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const auto [place, added] = m_classes.emplace(Folded(windowClass.name), windowClass);
    if (!added) SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return added;
}

bool WindowManager::UnregisterClass(const std::string& name) {
    return m_classes.erase(Folded(name)) == 1;
}

const WindowClass* WindowManager::FindClass(const std::string& name) const {
    const auto found = m_classes.find(Folded(name));
    return found != m_classes.end() ? &found->second : nullptr;
}

Window* WindowManager::Find(HWND handle) {
    if (handle == nullptr) return nullptr;
    const auto found = m_windows.find(Key(handle));
    return found != m_windows.end() ? found->second.get() : nullptr;
}

std::vector<HWND> WindowManager::Children(HWND parent) const {
    std::vector<HWND> children;
    for (const auto& [key, window] : m_windows) {
        if (window->IsChild() && window->parent == parent) children.push_back(window->handle);
    }
    return children;
}

std::vector<HWND> WindowManager::TopLevelWindows() const {
    return m_zOrder;
}

HWND WindowManager::TopLevelOf(HWND handle) {
    Window* window = Find(handle);
    while (window != nullptr && window->IsChild()) {
        handle = window->parent;
        window = Find(handle);
    }
    return window != nullptr ? handle : nullptr;
}

HWND WindowManager::Create(const WindowCreation& creation) {
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
    if (Send(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        Destroy(handle);
        return nullptr;
    }
    if (Find(handle) == nullptr) return nullptr;
    if ((creation.style & WS_VISIBLE) != 0) Show(handle, SW_SHOW);
    return handle;
}

bool WindowManager::Destroy(HWND handle) {
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
        Invalidate(parent, &area, true);
    }
    RefreshScreen(screenArea);
    return true;
}

void WindowManager::DestroyTree(HWND handle) {
    Window* window = Find(handle);
    if (window == nullptr || window->destroying) return;
    window->destroying = true;
    if (m_capture == handle) ReleaseCapture();
    if (m_focus == handle) m_focus = nullptr;
    if (m_leaveTracked == handle) m_leaveTracked = nullptr;
    Send(handle, WM_DESTROY, 0, 0);
    for (const HWND child : Children(handle)) DestroyTree(child);
    Send(handle, WM_NCDESTROY, 0, 0);
    ForgetWindow(handle);
}

void WindowManager::ForgetWindow(HWND handle) {
    ++m_destroyedCount;
    std::erase(m_zOrder, handle);
    if (m_focus == handle) m_focus = nullptr;
    if (m_capture == handle) m_capture = nullptr;
    if (m_leaveTracked == handle) m_leaveTracked = nullptr;
    {
        std::lock_guard lock(m_postLock);
        std::erase_if(m_posted, [handle](const MSG& message) { return message.hwnd == handle; });
    }
    std::erase_if(m_input, [handle](const MSG& message) { return message.hwnd == handle; });
    m_windows.erase(Key(handle));
}

POINT WindowManager::ClientOrigin(HWND handle) {
    POINT origin{0, 0};
    for (Window* window = Find(handle); window != nullptr; window = Find(window->parent)) {
        origin.x += window->rect.left;
        origin.y += window->rect.top;
        if (!window->IsChild()) break;
    }
    return origin;
}

RECT WindowManager::ScreenRectOf(HWND handle) {
    const Window* window = Find(handle);
    if (window == nullptr) return RECT{};
    const POINT origin = ClientOrigin(handle);
    return RECT{origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
}

bool WindowManager::Move(HWND handle, RECT rect, bool repaint) {
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
        Invalidate(handle, nullptr, true);
    }
    if (repaint) {
        Invalidate(handle, nullptr, true);
        if (window->IsChild()) {
            const POINT origin = ClientOrigin(window->parent);
            RECT old = oldScreen;
            OffsetRect(&old, -origin.x, -origin.y);
            Invalidate(window->parent, &old, true);
        }
    }
    RefreshScreen(oldScreen);
    RefreshScreen(ScreenRectOf(handle));
    if (resized) {
        Send(handle, WM_SIZE, 0,
             MAKELPARAM(static_cast<WORD>(rect.right - rect.left),
                        static_cast<WORD>(rect.bottom - rect.top)));
    }
    return true;
}

bool WindowManager::Show(HWND handle, int command) {
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
    if (wasIconic && !window->iconic && !window->IsChild()) CurrentBackend().RestoreWindow();
    if (window->IsVisible() && (!wasVisible || wasIconic)) Invalidate(handle, nullptr, true);
    RefreshScreen(ScreenRectOf(handle));
    return wasVisible;
}

bool WindowManager::Enable(HWND handle, bool enable) {
    Window* window = Find(handle);
    if (window == nullptr) return false;
    const bool wasDisabled = !window->IsEnabled();
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        if (m_focus == handle) SetFocus(nullptr);
        if (m_capture == handle) ReleaseCapture();
    }
    Send(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

bool WindowManager::BringToFront(HWND handle) {
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
    CurrentBackend().RaiseWindow();
    RefreshScreen(m_screen.Pixels().Bounds());
    return true;
}

HWND WindowManager::WindowFromPoint(POINT screenPoint) {
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

bool WindowManager::ReceivesInput(HWND handle) {
    for (Window* window = Find(handle); window != nullptr;
         window = Find(window->IsChild() ? window->parent : nullptr)) {
        if (!window->IsEnabled()) return false;
    }
    return handle != nullptr;
}

LRESULT WindowManager::Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* window = Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return window->procedure(handle, message, wParam, lParam);
}

MSG WindowManager::MakeMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) const {
    return MSG{handle, message, wParam, lParam, CurrentBackend().MillisecondClock(), m_pointer};
}

bool WindowManager::Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG posted = MakeMessage(handle, message, wParam, lParam);
    {
        std::lock_guard lock(m_postLock);
        m_posted.push_back(posted);
    }
    CurrentBackend().Wake();
    return true;
}

void WindowManager::PostQuit(int exitCode) {
    {
        std::lock_guard lock(m_postLock);
        m_quitCode = exitCode;
    }
    CurrentBackend().Wake();
}

void WindowManager::RunOnInterfaceThread(std::function<void()> work) {
    {
        std::lock_guard lock(m_postLock);
        m_handedWork.push_back(std::move(work));
    }
    CurrentBackend().Wake();
}

void WindowManager::RunHandedWork() {
    std::vector<std::function<void()>> work;
    {
        std::lock_guard lock(m_postLock);
        work.swap(m_handedWork);
    }
    for (auto& item : work) item();
}

// The order is Windows' own: posted messages, then the quit request, then input,
// and WM_PAINT only when nothing else waits.
bool WindowManager::Peek(MSG* message, bool remove) {
    RunHandedWork();
    {
        std::lock_guard lock(m_postLock);
        if (!m_posted.empty()) {
            *message = m_posted.front();
            if (remove) m_posted.pop_front();
            return true;
        }
        if (m_quitCode) {
            *message = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(*m_quitCode), 0);
            if (remove) m_quitCode.reset();
            return true;
        }
    }
    if (TakeInput(remove, message)) return true;
    if (const auto paint = NextPaintMessage()) {
        *message = *paint;
        return true;
    }
    CurrentBackend().Settled();
    return false;
}

bool WindowManager::Get(MSG* message) {
    while (!Peek(message, true)) Wait();
    return message->message != WM_QUIT;
}

bool WindowManager::PeekOrWait(MSG* message) {
    const uint64_t destroyedBefore = m_destroyedCount;
    if (Peek(message, true)) return true;
    WaitSince(destroyedBefore);
    return false;
}

// Waiting also ends when a window goes, so that a modal loop whose dialog was
// destroyed by the work just done sees it at once.
void WindowManager::Wait() {
    WaitSince(m_destroyedCount);
}

void WindowManager::WaitSince(uint64_t destroyedBefore) {
    MSG waiting{};
    while (m_destroyedCount == destroyedBefore && !Peek(&waiting, false))
        CurrentBackend().WaitForInput(kWaitForever);
}

LRESULT WindowManager::Dispatch(const MSG& message) {
    if (message.hwnd == nullptr) return 0;
    return Send(message.hwnd, message.message, message.wParam, message.lParam);
}

bool WindowManager::TakeInput(bool remove, MSG* message) {
    while (m_input.empty()) {
        const std::optional<InputEvent> event = CurrentBackend().NextInputEvent();
        if (!event) return false;
        Translate(*event);
    }
    *message = m_input.front();
    if (remove) m_input.pop_front();
    return true;
}

void WindowManager::Translate(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::PointerMove:
        case InputEvent::Kind::ButtonDown:
        case InputEvent::Kind::ButtonUp:
            TranslatePointer(event);
            break;
        case InputEvent::Kind::KeyDown:
        case InputEvent::Kind::KeyUp:
            TranslateKey(event);
            break;
        case InputEvent::Kind::Activate:
            TranslateActivation(event.active);
            break;
        case InputEvent::Kind::Minimize:
            for (const HWND top : TopLevelWindows()) Show(top, SW_MINIMIZE);
            break;
        case InputEvent::Kind::Close:
            if (!m_zOrder.empty()) m_input.push_back(MakeMessage(m_zOrder.back(), WM_CLOSE, 0, 0));
            break;
        case InputEvent::Kind::EndSession:
            EndSession();
            PostQuit(0);
            break;
    }
}

// As Windows does at a logout: every top-level window hears at once that the session
// ends, whatever modal loop runs, so that the program saves before the process ends.
void WindowManager::EndSession() {
    for (const HWND top : TopLevelWindows()) {
        if (Find(top) != nullptr) Send(top, WM_ENDSESSION, TRUE, 0);
    }
}

void WindowManager::TranslatePointer(const InputEvent& event) {
    POINT point = event.point;
    if (m_pointerClip) {
        point.x = std::clamp(point.x, m_pointerClip->left, m_pointerClip->right - 1);
        point.y = std::clamp(point.y, m_pointerClip->top, m_pointerClip->bottom - 1);
    }
    m_pointer = point;
    const WPARAM flag = event.button == InputEvent::Button::Left ? MK_LBUTTON : MK_RBUTTON;
    UINT message = WM_MOUSEMOVE;
    if (event.kind == InputEvent::Kind::ButtonDown) {
        m_buttons |= flag;
        message = flag == MK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
    } else if (event.kind == InputEvent::Kind::ButtonUp) {
        m_buttons &= ~flag;
        message = flag == MK_LBUTTON ? WM_LBUTTONUP : WM_RBUTTONUP;
    }
    const HWND underPointer = WindowFromPoint(point);
    CheckPointerLeave(underPointer);
    const HWND target = m_capture != nullptr ? m_capture : underPointer;
    if (!ReceivesInput(target)) return;
    if (m_capture == nullptr) {
        Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
             MAKELPARAM(HTCLIENT, static_cast<WORD>(message)));
        if (Find(target) == nullptr) return;
    }
    const POINT origin = ClientOrigin(target);
    const POINT client{point.x - origin.x, point.y - origin.y};
    m_input.push_back(MakeMessage(target, message, m_buttons, PointToLParam(client)));
}

void WindowManager::CheckPointerLeave(HWND underPointer) {
    if (m_leaveTracked == nullptr || m_leaveTracked == underPointer) return;
    Post(m_leaveTracked, WM_MOUSELEAVE, 0, 0);
    m_leaveTracked = nullptr;
}

void WindowManager::TranslateKey(const InputEvent& event) {
    HWND target = m_focus;
    if (target == nullptr && !m_zOrder.empty()) target = m_zOrder.back();
    if (!ReceivesInput(target)) return;
    const UINT message = event.kind == InputEvent::Kind::KeyDown ? WM_KEYDOWN : WM_KEYUP;
    // Bit 0 of lParam counts one press; bits 30 and 31 mark a release.
    const LPARAM details = message == WM_KEYDOWN ? 1 : static_cast<LPARAM>(0xC0000001u);
    m_input.push_back(MakeMessage(target, message, event.key, details));
}

void WindowManager::TranslateActivation(bool active) {
    for (const HWND top : TopLevelWindows()) Send(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

void WindowManager::Invalidate(HWND handle, const RECT* area, bool erase) {
    if (handle == nullptr) {
        for (const HWND top : TopLevelWindows()) Invalidate(top, nullptr, erase);
        return;
    }
    const Window* window = Find(handle);
    if (window == nullptr) return;
    InvalidateTree(handle, area != nullptr ? *area : window->ClientRect(), erase);
}

void WindowManager::InvalidateTree(HWND handle, RECT area, bool erase) {
    Window* window = Find(handle);
    const RECT client = window->ClientRect();
    RECT inside{};
    if (!IntersectRect(&inside, &area, &client)) return;
    UnionRect(&window->update, &window->update, &inside);
    window->eraseNeeded = window->eraseNeeded || erase;
    if ((window->style & WS_CLIPCHILDREN) != 0) return;
    for (const HWND child : Children(handle)) {
        RECT childArea = inside;
        const Window* childWindow = Find(child);
        OffsetRect(&childArea, -childWindow->rect.left, -childWindow->rect.top);
        InvalidateTree(child, childArea, erase);
    }
}

void WindowManager::Validate(HWND handle) {
    if (Window* window = Find(handle)) {
        window->update = RECT{};
        window->eraseNeeded = false;
    }
}

std::optional<MSG> WindowManager::NextPaintMessage() {
    for (const HWND top : TopLevelWindows()) {
        if (const HWND dirty = FindWindowToPaint(top)) return MakeMessage(dirty, WM_PAINT, 0, 0);
    }
    return std::nullopt;
}

// A parent is painted before its children, so that children draw over it.
HWND WindowManager::FindWindowToPaint(HWND handle) {
    const Window* window = Find(handle);
    if (window == nullptr || !window->IsVisible() || window->iconic) return nullptr;
    if (!IsRectEmpty(window->update)) return handle;
    for (const HWND child : Children(handle)) {
        if (const HWND dirty = FindWindowToPaint(child)) return dirty;
    }
    return nullptr;
}

HDC WindowManager::ContextFor(HWND handle, const RECT& clientClip) {
    const HWND top = TopLevelOf(handle);
    if (top == nullptr) return nullptr;
    const POINT topOrigin = ClientOrigin(top);
    const POINT origin = ClientOrigin(handle);
    const POINT inTop{origin.x - topOrigin.x, origin.y - topOrigin.y};
    RECT clip = clientClip;
    OffsetRect(&clip, inTop.x, inTop.y);
    // A child draws only inside itself and each of its ancestors.
    for (HWND ancestor = handle; ancestor != nullptr && ancestor != top;) {
        const Window* window = Find(ancestor);
        const RECT place = ScreenRectOf(window->parent);
        RECT parentClient{place.left - topOrigin.x, place.top - topOrigin.y,
                          place.right - topOrigin.x, place.bottom - topOrigin.y};
        IntersectRect(&clip, &clip, &parentClient);
        ancestor = window->parent;
    }
    return CreateSurfaceDC(Find(top)->surface.get(), inTop, clip);
}

HDC WindowManager::BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    Window* window = Find(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    const RECT area = window->update;
    const bool erase = window->eraseNeeded;
    Validate(handle);
    HDC dc = ContextFor(handle, area);
    *paint = PAINTSTRUCT{dc, FALSE, area};
    if (erase)
        paint->fErase =
            Send(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0 ? TRUE : FALSE;
    return dc;
}

void WindowManager::EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    if (paint != nullptr) ReleaseDC(handle, paint->hdc);
}

HDC WindowManager::GetDC(HWND handle) {
    if (handle == nullptr)
        return CreateSurfaceDC(&m_screen.Pixels(), POINT{0, 0}, m_screen.Pixels().Bounds());
    const Window* window = Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return ContextFor(handle, window->ClientRect());
}

// Only what was drawn through the context reaches the screen: a context taken and
// given back untouched presents nothing.
int WindowManager::ReleaseDC(HWND handle, HDC dc) {
    if (dc == nullptr) return 0;
    RECT changed = dc->drawn;
    const HWND top = TopLevelOf(handle);
    ReleaseSurfaceDC(dc);
    if (handle == nullptr) {
        m_screen.Present(changed);
    } else if (top != nullptr) {
        const POINT origin = ClientOrigin(top);
        OffsetRect(&changed, origin.x, origin.y);
        RefreshScreen(changed);
    }
    return 1;
}

void WindowManager::RefreshScreen(const RECT& screenArea) {
    if (IsRectEmpty(screenArea)) return;
    std::vector<Screen::Layer> layers;
    for (const HWND top : m_zOrder) {
        const Window* window = Find(top);
        if (window->IsVisible() && !window->iconic)
            layers.push_back({window->surface.get(), window->rect});
    }
    m_screen.Refresh(screenArea, layers);
}

HWND WindowManager::SetFocus(HWND handle) {
    if (handle != nullptr && Find(handle) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const HWND previous = m_focus;
    if (previous == handle) return previous;
    m_focus = handle;
    if (previous != nullptr) Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    // The old window may have moved the focus on while it lost it.
    if (handle != nullptr && m_focus == handle)
        Send(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND WindowManager::SetCapture(HWND handle) {
    const HWND previous = m_capture;
    if (Find(handle) == nullptr) return previous;
    m_capture = handle;
    if (previous != nullptr && previous != handle) {
        Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
    }
    return previous;
}

bool WindowManager::ReleaseCapture() {
    const HWND previous = m_capture;
    m_capture = nullptr;
    if (previous != nullptr) Send(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HCURSOR WindowManager::SetCursor(HCURSOR cursor) {
    const HCURSOR previous = m_cursor;
    if (cursor == previous) return previous;
    m_cursor = cursor;
    CurrentBackend().SetCursorImage(cursor != nullptr ? &cursor->image : nullptr);
    return previous;
}

// The pointer shows while the display counter is 0 or more, as on Windows.
int WindowManager::ShowCursor(bool show) {
    const bool wasShown = m_cursorCount >= 0;
    m_cursorCount += show ? 1 : -1;
    const bool shown = m_cursorCount >= 0;
    if (shown != wasShown) CurrentBackend().SetCursorVisible(shown);
    return m_cursorCount;
}

void WindowManager::SetPointerPosition(POINT screenPoint) {
    CurrentBackend().WarpPointer(screenPoint);
    // Windows answers a moved pointer with a mouse move, as if the user had moved it.
    Translate(InputEvent{InputEvent::Kind::PointerMove, screenPoint});
}

void WindowManager::ClipPointer(const RECT* area) {
    if (area != nullptr && !IsRectEmpty(*area)) {
        m_pointerClip = *area;
    } else {
        m_pointerClip.reset();
    }
    CurrentBackend().ConfinePointer(m_pointerClip ? &*m_pointerClip : nullptr);
}

bool WindowManager::TrackLeave(HWND handle, bool cancel) {
    if (Find(handle) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (cancel) {
        if (m_leaveTracked == handle) m_leaveTracked = nullptr;
        return true;
    }
    // A window the pointer is not over hears at once that it has been left.
    if (WindowFromPoint(m_pointer) != handle) {
        Post(handle, WM_MOUSELEAVE, 0, 0);
        return true;
    }
    m_leaveTracked = handle;
    return true;
}

void WindowManager::Reset() {
    for (const HWND top : TopLevelWindows()) Destroy(top);
    m_windows.clear();
    m_zOrder.clear();
    m_classes.clear();
    {
        std::lock_guard lock(m_postLock);
        m_posted.clear();
        m_handedWork.clear();
        m_quitCode.reset();
    }
    m_input.clear();
    m_focus = m_capture = m_leaveTracked = nullptr;
    m_cursor = nullptr;
    m_cursorCount = 0;
    m_pointer = POINT{};
    m_pointerClip.reset();
    m_buttons = 0;
    m_screen.Pixels().Fill(0);
}
