#pragma once
// Focus, capture, the keys and the pointer, with the Windows names and values: which
// window takes the keys and the pointer's messages, which keys are held, and the
// pointer's image, place and clip.

#include "platform/kernel/WinTypes.h"
#include "platform/user/UserTypes.h"

HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
// The high bit (a negative answer) while the key is held down.
SHORT GetKeyState(int virtualKey);

// The pointer.
HCURSOR LoadImageA(HINSTANCE instance, const char* name, UINT type, int width, int height,
                   UINT flags);
BOOL DestroyCursor(HCURSOR cursor);
HCURSOR SetCursor(HCURSOR cursor);
int ShowCursor(BOOL show);
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
BOOL ClipCursor(const RECT* rect);
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
