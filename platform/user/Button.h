#pragma once
// The standard "button" window class, as far as the program uses it: owner-drawn
// push buttons that capture the mouse while pressed, report a click to their parent
// and ask the parent to draw them.

#include "platform/user/UserTypes.h"

// Registers the "button" class (again after a reset of the window system).
void RegisterStandardButtonClass();

LRESULT ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
