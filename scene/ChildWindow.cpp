#include "scene/ChildWindow.h"

#include "catalogue/PageGeometry.h"
#include "platform/user/User.h"
#include "scene/AnimView.h"

CAnimView* ChildWindow::ms_View = nullptr;

namespace {

constexpr UINT kWindowClassSize = sizeof(WNDCLASSEXA);

LONG MouseX(LPARAM lParam) {
    return LParamToPoint(lParam).x;
}
LONG MouseY(LPARAM lParam) {
    return LParamToPoint(lParam).y;
}

}  // namespace

void ChildWindow::RegisterOnce(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = kWindowClassSize;
    windowClass.lpfnWndProc = &ChildWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    // A class already registered by an earlier page window serves again.
    RegisterClassExA(&windowClass);
}

ChildWindow::ChildWindow(HINSTANCE instance, HWND parent, CAnimView* view) {
    ms_View = view;
    RegisterOnce(instance);
    // Created without a size: its own size handler puts it in its place. The window
    // system sends no size message at creation, so the window gets its first one here.
    m_window = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                               nullptr, instance, nullptr);
    if (m_window != nullptr) SendMessageA(m_window, WM_SIZE, 0, 0);
}

ChildWindow::~ChildWindow() {
    if (m_window != nullptr && IsWindow(m_window)) DestroyWindow(m_window);
}

LRESULT ChildWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CAnimView* view = ms_View;
    if (view == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_SIZE:
            MoveWindow(window, kPageLeft, kPageTop, kPageWidth, kPageHeight, TRUE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            view->Paint(window);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_SETCURSOR:
            view->Cursors().ShowCurrent();
            return 0;
        case WM_MOUSEMOVE:
            // The keyboard stays with the main window, which takes the commands.
            if (GetFocus() != window) SetFocus(GetParent(window));
            view->OnMouseMove(window, wParam, MouseX(lParam), MouseY(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            view->OnLButtonDown(window, wParam, MouseX(lParam), MouseY(lParam));
            return 0;
        case WM_LBUTTONUP:
            view->OnLButtonUp(window, wParam, MouseX(lParam), MouseY(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            view->OnRButtonDown(window, wParam, MouseX(lParam), MouseY(lParam));
            return 0;
        case UM_STICKER_STUCK:
            view->OnStickerStuck();
            return 0;
        case WM_TIMER:
            view->OnTimer(window, wParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
