#pragma once
// Modal dialogs built from a layout: a popup window with owner-drawn buttons, run
// with its own message loop while its owner is disabled. The dialog procedure sees
// WM_INITDIALOG, WM_ERASEBKGND with the dialog's context, WM_DRAWITEM for its
// buttons and WM_COMMAND; Enter sends it id 1 (IDOK) and Escape id 2 (IDCANCEL).

#include <string>
#include <vector>

#include "platform/user/UserTypes.h"

// Sizes and places are in dialog units: with the base units of 8 by 16 pixels that
// GetDialogBaseUnits answers, one unit is 2 pixels across and 2 pixels down.
struct DialogItem {
    std::string className;  // "button"
    int id;
    DWORD style;
    int16_t x;
    int16_t y;
    int16_t cx;
    int16_t cy;
};

struct DialogLayout {
    DWORD style;
    int16_t x;
    int16_t y;
    int16_t cx;
    int16_t cy;
    std::vector<DialogItem> items;
};

// Runs the dialog and answers the value EndDialog gave, or -1 when the dialog could
// not be made or was destroyed without EndDialog.
INT_PTR DialogBoxLayout(HINSTANCE instance, const DialogLayout& layout, HWND owner,
                        DLGPROC procedure, LPARAM initParameter);
BOOL EndDialog(HWND dialog, INT_PTR result);
// The low word is the horizontal base unit (8), the high word the vertical one (16).
LONG GetDialogBaseUnits();
BOOL MapDialogRect(HWND dialog, RECT* rect);

struct WindowClass;

// The class of dialog windows, which the window system has from its start.
WindowClass DialogClass();
