#include "app/Application.h"

#include "platform/user/User.h"

CApplication::CApplication(const ApplicationParameters& parameters) : m_parameters(parameters) {
    RegisterWindowClass();
    m_window = CreateWindowExA(0, parameters.className, parameters.title, parameters.style, 0, 0,
                               parameters.width, parameters.height, nullptr, nullptr,
                               parameters.instance, parameters.creationData);
    if (m_window == nullptr) return;
    ShowWindow(m_window, parameters.showCommand);
    // A failed switch is logged by the display mode; the album then runs in its window.
    m_display.SetFullScreen(m_window, parameters.width, parameters.height);
}

CApplication::~CApplication() {
    m_display.RestoreScreen();
    if (m_window != nullptr && IsWindow(m_window)) DestroyWindow(m_window);
    // The class goes with the window, so that a later main window registers it afresh.
    UnregisterClassA(m_parameters.className, m_parameters.instance);
}

bool CApplication::RegisterWindowClass() const {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = m_parameters.windowProcedure;
    windowClass.hInstance = m_parameters.instance;
    windowClass.lpszClassName = m_parameters.className;
    return RegisterClassExA(&windowClass) != 0;
}
