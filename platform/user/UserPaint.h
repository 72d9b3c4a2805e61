#pragma once
// Paint, with the Windows names and values: the areas left to draw, WM_PAINT's
// contexts and the contexts a window draws through at any time.

#include "platform/kernel/WinTypes.h"
#include "platform/user/UserTypes.h"

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
// A device context for `window`'s client area; GetDC(nullptr) views the whole screen.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
