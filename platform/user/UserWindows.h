#pragma once
// Window classes and windows, with the Windows names and values: creating and
// destroying them, where they lie, showing, enabling and raising them. Class names are
// found without regard to case; the standard "button" class is always there.

#include "platform/kernel/WinTypes.h"
#include "platform/user/UserTypes.h"

// The program's own instance. It is a small number, so that it fits the 32-bit
// GWL_HINSTANCE slot as it did on Windows.
HINSTANCE ProgramInstance();

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass);
BOOL UnregisterClassA(const char* className, HINSTANCE instance);
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     void* parameter);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
BOOL IsWindowEnabled(HWND window);
HWND GetParent(HWND window);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND window, int command);
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
BOOL IsIconic(HWND window);
BOOL SetForegroundWindow(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
