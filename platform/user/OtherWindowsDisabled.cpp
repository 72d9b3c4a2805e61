#include "platform/user/OtherWindowsDisabled.h"

#include "platform/user/UserWindows.h"
#include "platform/user/WindowManager.h"

OtherWindowsDisabled::OtherWindowsDisabled(HWND owner) {
    for (const HWND top : WindowManager::Instance().TopLevelWindows()) {
        if (top == owner || !IsWindowEnabled(top)) continue;
        EnableWindow(top, FALSE);
        m_disabled.push_back(top);
    }
}

OtherWindowsDisabled::~OtherWindowsDisabled() {
    for (const HWND top : m_disabled) {
        if (IsWindow(top)) EnableWindow(top, TRUE);
    }
}
