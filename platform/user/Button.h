#pragma once
// The standard "button" window class, as far as the program uses it: owner-drawn
// push buttons that capture the mouse while pressed, report a click to their parent
// and ask the parent to draw them.

#include "platform/user/UserTypes.h"

struct WindowClass;

// The standard "button" class, which the window system has from its start.
WindowClass StandardButtonClass();

LRESULT ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
