// The real Windows window behind HostWindow.h. Only this file and the other host files
// of this folder include <windows.h>.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#endif
#include "platform/machines/win32/HostWindow.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "platform/machines/win32/HostText.h"

namespace {

constexpr const wchar_t* kWindowClass = L"Quillory3Window";
// Without a caption, but minimised like any window (from the taskbar, or by the desktop).
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kAloneStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// The mark Windows leaves on the mouse messages it makes from touch and pen input,
// which arrive as pointer messages already.
constexpr LPARAM kPenOrTouchMask = 0xFFFFFF00;
constexpr LPARAM kPenOrTouchSignature = 0xFF515700;
constexpr WORD kIconResource = 1;

bool MadeFromTouch() {
    return (GetMessageExtraInfo() & kPenOrTouchMask) == kPenOrTouchSignature;
}

RECT MonitorArea(HMONITOR monitor, bool workArea) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info) == FALSE)
        return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return workArea ? info.rcWork : info.rcMonitor;
}

// The outer rectangle of a window of `style` whose client area is `width` x `height`,
// centred in `area`; a window too large for `area` is made smaller in the same shape.
RECT CentredFrame(const RECT& area, DWORD style, int32_t width, int32_t height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const LONG roomWidth = (area.right - area.left) - (frame.right - frame.left - width);
    const LONG roomHeight = (area.bottom - area.top) - (frame.bottom - frame.top - height);
    if (width > 0 && height > 0 && roomWidth > 0 && roomHeight > 0 &&
        (width > roomWidth || height > roomHeight)) {
        const bool widthDecides = int64_t{roomWidth} * height < int64_t{roomHeight} * width;
        const LONG fitWidth = widthDecides ? roomWidth : roomHeight * width / height;
        const LONG fitHeight = widthDecides ? roomWidth * height / width : roomHeight;
        frame = RECT{0, 0, fitWidth, fitHeight};
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    }
    const LONG frameWidth = frame.right - frame.left;
    const LONG frameHeight = frame.bottom - frame.top;
    const LONG left = area.left + std::max<LONG>(0, (area.right - area.left - frameWidth) / 2);
    const LONG top = area.top + std::max<LONG>(0, (area.bottom - area.top - frameHeight) / 2);
    return RECT{left, top, left + frameWidth, top + frameHeight};
}

class Win32Window final : public HostWindow {
public:
    Win32Window(int32_t width, int32_t height, Kind kind, Handlers handlers)
        : m_width(width),
          m_height(height),
          m_handlers(std::move(handlers)),
          m_wake(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
        // The window's pixels are the display's own: with display scaling on, Windows would
        // otherwise stretch the finished picture once more, blurred.
        SetProcessDPIAware();
        POINT cursor{};
        GetCursorPos(&cursor);
        m_monitor = MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY);
        m_fullScreen = kind == Kind::FullScreen;
    }
    ~Win32Window() override {
        if (m_clipping) ClipCursor(nullptr);
        if (m_window != nullptr) DestroyWindow(m_window);
        if (m_cursor != nullptr) DestroyIcon(m_cursor);
        if (m_wake != nullptr) CloseHandle(m_wake);
    }
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    bool Create(const std::string& title) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &Win32Window::Procedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = kWindowClass;
        RegisterClassExW(&windowClass);
        const DWORD style = CurrentStyle();
        const RECT place = CurrentPlace();
        m_window = CreateWindowExW(0, kWindowClass, HostText::Wide(title).c_str(), style,
                                   place.left, place.top, place.right - place.left,
                                   place.bottom - place.top, nullptr, nullptr, instance, this);
        return m_window != nullptr && m_wake != nullptr;
    }

    void* SystemHandle() const override { return m_window; }
    int32_t Width() const override { return ClientRect().right; }
    int32_t Height() const override { return ClientRect().bottom; }

    void SetPicture(Picture picture) override {
        m_picture = picture;
        InvalidateRect(m_window, nullptr, FALSE);
    }

    void Show(Area area) override {
        if (Hidden() || IsIconic(m_window) != FALSE) return;
        const HDC dc = GetDC(m_window);
        Draw(dc, area);
        ReleaseDC(m_window, dc);
    }

    void Pump() override {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void Wait(uint32_t milliseconds) override {
        MsgWaitForMultipleObjectsEx(1, &m_wake, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }

    void Wake() override { SetEvent(m_wake); }

    void Reveal() override {
        ShowWindow(m_window, SW_SHOW);
        SetForegroundWindow(m_window);
        UpdateWindow(m_window);
    }
    void Hide() override { ShowWindow(m_window, SW_HIDE); }
    bool Hidden() const override { return IsWindowVisible(m_window) == FALSE; }

    void ToggleFullScreen() override {
        m_fullScreen = !m_fullScreen;
        Place();
    }

    void ShowAlone(int32_t width, int32_t height) override {
        m_alone = std::make_pair(width, height);
        Place();
    }
    void ShowWhole() override {
        m_alone.reset();
        Place();
    }

    void Restore() override {
        if (IsIconic(m_window) != FALSE) ShowWindow(m_window, SW_RESTORE);
        SetForegroundWindow(m_window);
    }
    void Raise() override {
        BringWindowToTop(m_window);
        SetForegroundWindow(m_window);
    }

    void SetCursor(const uint32_t* pixels, int32_t width, int32_t height, int32_t hotX,
                   int32_t hotY, int32_t scale) override {
        const HCURSOR made =
            pixels != nullptr ? MakeCursor(pixels, width, height, hotX, hotY, scale) : nullptr;
        if (pixels != nullptr && made == nullptr) return;
        if (m_cursor != nullptr) DestroyIcon(m_cursor);
        m_cursor = made;
        ApplyCursor();
    }
    void SetCursorVisible(bool visible) override {
        m_cursorVisible = visible;
        ApplyCursor();
    }

    void MovePointer(int32_t x, int32_t y) override {
        POINT place{x, y};
        ClientToScreen(m_window, &place);
        SetCursorPos(place.x, place.y);
    }

    void Confine(const Area* area) override {
        m_confinement = area != nullptr ? std::optional<Area>(*area) : std::nullopt;
        ApplyConfinement();
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            auto* self = static_cast<Win32Window*>(creation->lpCreateParams);
            self->m_window = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        return self->Handle(message, wParam, lParam);
    }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_MOUSEMOVE:
                if (!MadeFromTouch()) Send(WindowEvent::Kind::MouseMove, lParam);
                return 0;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                if (!MadeFromTouch()) SendButton(message, lParam);
                return 0;
            case WM_POINTERDOWN:
            case WM_POINTERUPDATE:
            case WM_POINTERUP:
                if (SendFinger(message, wParam, lParam)) return 0;
                break;
            case WM_KEYDOWN:
            case WM_KEYUP:
                SendKey(message == WM_KEYDOWN, wParam, lParam);
                return 0;
            // F10 is the system's menu key, but an ordinary key of the program. Alt with
            // a key (Alt+F4 closes) stays the system's.
            case WM_SYSKEYDOWN:
            case WM_SYSKEYUP:
                if (wParam != VK_F10) break;
                SendKey(message == WM_SYSKEYDOWN, wParam, lParam);
                return 0;
            case WM_ACTIVATEAPP:
                m_active = wParam != FALSE;
                ApplyConfinement();
                Send(WindowEvent{.kind = WindowEvent::Kind::Activate, .active = m_active});
                return 0;
            case WM_SIZE:
                Resized(wParam, lParam);
                return 0;
            case WM_MOVE:
                ApplyConfinement();
                return 0;
            case WM_DISPLAYCHANGE:
                if (m_fullScreen && !m_alone) Place();
                return 0;
            case WM_SETCURSOR:
                if (LOWORD(lParam) != HTCLIENT) break;
                ApplyCursor();
                return TRUE;
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT:
                Paint();
                return 0;
            case WM_CLOSE:
                Send(WindowEvent{.kind = WindowEvent::Kind::Close});
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            // The session ends: Windows may end the process as soon as this returns, so
            // the album saves now and ends itself, with status 0.
            case WM_ENDSESSION:
                if (wParam == FALSE) return 0;
                if (m_handlers.sessionEnds) m_handlers.sessionEnds();
                ExitProcess(0);
            default:
                break;
        }
        return DefWindowProcW(m_window, message, wParam, lParam);
    }

    void Send(const WindowEvent& event) {
        if (m_handlers.input) m_handlers.input(event);
    }
    void Send(WindowEvent::Kind kind, LPARAM lParam) {
        Send(WindowEvent{.kind = kind, .x = GET_X_LPARAM(lParam), .y = GET_Y_LPARAM(lParam)});
    }

    void SendButton(UINT message, LPARAM lParam) {
        const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
        Send(WindowEvent{.kind = down ? WindowEvent::Kind::MouseDown : WindowEvent::Kind::MouseUp,
                         .x = GET_X_LPARAM(lParam),
                         .y = GET_Y_LPARAM(lParam),
                         .right = message == WM_RBUTTONDOWN || message == WM_RBUTTONUP});
    }

    // A finger on a touch screen; the mouse (and a pen) are read from the mouse
    // messages. Answers whether the message was a finger's.
    bool SendFinger(UINT message, WPARAM wParam, LPARAM lParam) {
        const UINT32 pointer = GET_POINTERID_WPARAM(wParam);
        POINTER_INPUT_TYPE type = PT_POINTER;
        if (GetPointerType(pointer, &type) == FALSE || type != PT_TOUCH) return false;
        POINT place{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(m_window, &place);
        WindowEvent::Kind kind = WindowEvent::Kind::FingerMove;
        if (message == WM_POINTERDOWN) kind = WindowEvent::Kind::FingerDown;
        if (message == WM_POINTERUP) kind = WindowEvent::Kind::FingerUp;
        // A finger that hovers without touching is no finger of the album's.
        if (kind == WindowEvent::Kind::FingerMove && !IS_POINTER_INCONTACT_WPARAM(wParam))
            return true;
        Send(WindowEvent{.kind = kind, .x = place.x, .y = place.y, .finger = pointer});
        return true;
    }

    void SendKey(bool down, WPARAM wParam, LPARAM lParam) {
        constexpr LPARAM kWasDown = LPARAM{1} << 30;
        Send(WindowEvent{.kind = down ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp,
                         .key = static_cast<uint32_t>(wParam),
                         .repeat = down && (lParam & kWasDown) != 0});
    }

    void Resized(WPARAM kind, LPARAM lParam) {
        if (kind == SIZE_MINIMIZED) {
            m_minimized = true;
            Send(WindowEvent{.kind = WindowEvent::Kind::Minimize});
            return;
        }
        if (m_minimized) {
            m_minimized = false;
            Send(WindowEvent{.kind = WindowEvent::Kind::Restore});
        }
        if (m_handlers.resized) m_handlers.resized(LOWORD(lParam), HIWORD(lParam));
        ApplyConfinement();
    }

    void Paint() {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(m_window, &paint);
        // The bars around the picture are black; the picture is drawn over the rest.
        const RECT client = ClientRect();
        const Area& place = m_picture.place;
        const auto brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        const RECT bars[] = {
            {0, 0, client.right, place.top},
            {0, place.bottom, client.right, client.bottom},
            {0, place.top, place.left, place.bottom},
            {place.right, place.top, client.right, place.bottom},
        };
        for (const RECT& bar : bars) {
            if (bar.left < bar.right && bar.top < bar.bottom) FillRect(dc, &bar, brush);
        }
        Draw(dc, place);
        EndPaint(m_window, &paint);
    }

    // Draws `area` (window pixels) of the picture, pixel for pixel. Only the rows drawn
    // are described to GDI, top row first, so that the first of them is the bitmap's first
    // row whichever way GDI counts rows.
    void Draw(HDC dc, Area area) const {
        const Area& place = m_picture.place;
        const int32_t left = std::max(area.left, place.left);
        const int32_t top = std::max(area.top, place.top);
        const int32_t right = std::min(area.right, place.right);
        const int32_t bottom = std::min(area.bottom, place.bottom);
        if (m_picture.pixels == nullptr || left >= right || top >= bottom) return;
        const int32_t width = right - left;
        const int32_t height = bottom - top;
        const int32_t pictureWidth = place.right - place.left;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = pictureWidth;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        const uint32_t* rows = m_picture.pixels + static_cast<size_t>(top - place.top) *
                                                      static_cast<size_t>(pictureWidth);
        StretchDIBits(dc, left, top, width, height, left - place.left, 0, width, height, rows,
                      &info, DIB_RGB_COLORS, SRCCOPY);
    }

    RECT ClientRect() const {
        RECT client{};
        GetClientRect(m_window, &client);
        return client;
    }

    DWORD CurrentStyle() const {
        if (m_alone) return kAloneStyle;
        return m_fullScreen ? kFullScreenStyle : kWindowStyle;
    }

    RECT CurrentPlace() const {
        if (m_alone)
            return CentredFrame(MonitorArea(m_monitor, true), kAloneStyle, m_alone->first,
                                m_alone->second);
        if (m_fullScreen) return MonitorArea(m_monitor, false);
        return CentredFrame(MonitorArea(m_monitor, true), kWindowStyle, m_width, m_height);
    }

    // Gives the window the style and place of what it is now.
    void Place() {
        const bool visible = IsWindowVisible(m_window) != FALSE;
        SetWindowLongPtrW(m_window, GWL_STYLE,
                          static_cast<LONG_PTR>(CurrentStyle() | (visible ? WS_VISIBLE : 0)));
        const RECT place = CurrentPlace();
        SetWindowPos(m_window, HWND_TOP, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_FRAMECHANGED | SWP_NOACTIVATE);
        InvalidateRect(m_window, nullptr, FALSE);
    }

    static HCURSOR MakeCursor(const uint32_t* pixels, int32_t width, int32_t height, int32_t hotX,
                              int32_t hotY, int32_t scale) {
        const int32_t scaledWidth = width * scale;
        const int32_t scaledHeight = height * scale;
        BITMAPV5HEADER header{};
        header.bV5Size = sizeof(header);
        header.bV5Width = scaledWidth;
        header.bV5Height = -scaledHeight;
        header.bV5Planes = 1;
        header.bV5BitCount = 32;
        header.bV5Compression = BI_BITFIELDS;
        header.bV5RedMask = 0x00FF0000;
        header.bV5GreenMask = 0x0000FF00;
        header.bV5BlueMask = 0x000000FF;
        header.bV5AlphaMask = 0xFF000000;
        void* bits = nullptr;
        const HDC screen = GetDC(nullptr);
        const HBITMAP colour =
            CreateDIBSection(screen, reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS,
                             &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        if (colour == nullptr) return nullptr;
        auto* out = static_cast<uint32_t*>(bits);
        for (int32_t y = 0; y < scaledHeight; ++y) {
            for (int32_t x = 0; x < scaledWidth; ++x) {
                out[static_cast<size_t>(y) * static_cast<size_t>(scaledWidth) +
                    static_cast<size_t>(x)] =
                    pixels[static_cast<size_t>(y / scale) * static_cast<size_t>(width) +
                           static_cast<size_t>(x / scale)];
            }
        }
        // The alpha of the colour picture decides; the mask only has to be there.
        const std::vector<uint8_t> clear(
            static_cast<size_t>((scaledWidth + 15) / 16 * 2) * static_cast<size_t>(scaledHeight),
            0);
        const HBITMAP mask = CreateBitmap(scaledWidth, scaledHeight, 1, 1, clear.data());
        ICONINFO icon{};
        icon.fIcon = FALSE;
        icon.xHotspot = static_cast<DWORD>(hotX * scale);
        icon.yHotspot = static_cast<DWORD>(hotY * scale);
        icon.hbmMask = mask;
        icon.hbmColor = colour;
        const HCURSOR cursor = CreateIconIndirect(&icon);
        DeleteObject(colour);
        if (mask != nullptr) DeleteObject(mask);
        return cursor;
    }

    // The picture shows while the pointer is over the window's client area.
    void ApplyCursor() {
        POINT place{};
        GetCursorPos(&place);
        if (WindowFromPoint(place) != m_window) return;
        ::SetCursor(m_cursorVisible ? m_cursor : nullptr);
    }

    // A hold only while the program is the active one: the pointer is the user's
    // again in another program.
    void ApplyConfinement() {
        if (!m_confinement || !m_active || IsIconic(m_window) != FALSE) {
            if (m_clipping) ClipCursor(nullptr);
            m_clipping = false;
            return;
        }
        POINT topLeft{m_confinement->left, m_confinement->top};
        POINT bottomRight{std::max(m_confinement->right, m_confinement->left + 1),
                          std::max(m_confinement->bottom, m_confinement->top + 1)};
        ClientToScreen(m_window, &topLeft);
        ClientToScreen(m_window, &bottomRight);
        const RECT area{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
        m_clipping = ClipCursor(&area) != FALSE;
    }

    int32_t m_width;
    int32_t m_height;
    Handlers m_handlers;
    HANDLE m_wake;
    HWND m_window = nullptr;
    HMONITOR m_monitor = nullptr;
    bool m_fullScreen = true;
    std::optional<std::pair<int32_t, int32_t>> m_alone;
    Picture m_picture{};
    bool m_minimized = false;
    bool m_active = false;
    HCURSOR m_cursor = nullptr;
    bool m_cursorVisible = true;
    std::optional<Area> m_confinement;
    bool m_clipping = false;
};

}  // namespace

std::unique_ptr<HostWindow> HostWindow::Open(const std::string& title, int32_t width,
                                             int32_t height, Kind kind, Handlers handlers) {
    auto window = std::make_unique<Win32Window>(width, height, kind, std::move(handlers));
    if (!window->Create(title)) return nullptr;
    return window;
}
