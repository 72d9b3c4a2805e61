#pragma once
// The window-system services the program uses, with the Windows names and values: the
// one header the program includes for them. The message box and the beep are here; the
// rest stands in a header for each subject.

#include "platform/kernel/WinTypes.h"
#include "platform/user/UserMessages.h"
#include "platform/user/UserPaint.h"
#include "platform/user/UserPointer.h"
#include "platform/user/UserTypes.h"
#include "platform/user/UserWindows.h"
#include "platform/user/WindowLongs.h"

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr UINT MB_TASKMODAL = 0x00002000;
constexpr UINT MB_TYPEMASK = 0x0000000F;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a modal message box owned by `owner` and answers with the chosen button's id.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
// The id a message box of `type` answers when the user just presses Enter.
int DefaultMessageBoxAnswer(UINT type);
BOOL MessageBeep(UINT type);
