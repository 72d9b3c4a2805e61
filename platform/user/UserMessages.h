#pragma once
// Window procedures and the message queue, with the Windows names and values: the
// default procedure, sending, posting, the loop's calls and the quit request.

#include "platform/kernel/WinTypes.h"
#include "platform/user/UserTypes.h"

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The filters are accepted for the Windows signature; every message qualifies.
BOOL PeekMessageA(MSG* message, HWND window, UINT first, UINT last, UINT remove);
BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last);
BOOL WaitMessage();
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
void PostQuitMessage(int exitCode);

// A window's timer: WM_TIMER with wParam `id` every `elapse` milliseconds (at least 10),
// when nothing else waits, until KillTimer. Setting it again starts its interval afresh.
// Only windows have timers: the procedure is accepted for the Windows signature, and
// WM_TIMER always goes to the window. Answers the id, or 0 without a window.
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC timerProc);
BOOL KillTimer(HWND window, UINT_PTR id);
