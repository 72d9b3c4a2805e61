#pragma once
// Disables every enabled top-level window but `owner` (which the dialog disables
// itself) and gives them back when it ends: no window but a message box takes input.

#include <vector>

#include "platform/user/UserTypes.h"

class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND owner);
    ~OtherWindowsDisabled();
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    std::vector<HWND> m_disabled;
};
