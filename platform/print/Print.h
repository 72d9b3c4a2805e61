#pragma once
// Printing: the printer choice, with the default printer's settings first and then
// the print dialog with a landscape preset; a printer context whose surface is the
// printer's page; and the job's start, page and end. The backend does the printing.

#include <cstdint>

#include "platform/user/UserTypes.h"

constexpr DWORD DM_ORIENTATION = 0x00000001;
constexpr int16_t DMORIENT_PORTRAIT = 1;
constexpr int16_t DMORIENT_LANDSCAPE = 2;

constexpr DWORD PD_NOSELECTION = 0x00000004;
constexpr DWORD PD_NOPAGENUMS = 0x00000008;
constexpr DWORD PD_RETURNDC = 0x00000100;
constexpr DWORD PD_RETURNDEFAULT = 0x00000400;
constexpr DWORD PD_NOWARNING = 0x00000080;
constexpr DWORD PD_HIDEPRINTTOFILE = 0x00100000;

// The printer's settings. The platform keeps it; the program reads and changes it
// through the pointer it is given, with no global memory to lock.
struct DEVMODEA {
    DWORD dmFields;
    int16_t dmOrientation;
};

struct PRINTDLGA {
    DWORD lStructSize;
    HWND hwndOwner;
    DEVMODEA* hDevMode;
    void* hDevNames;
    HDC hDC;
    DWORD Flags;
    WORD nCopies;
};

struct DOCINFOA {
    int cbSize;
    const char* lpszDocName;
    const char* lpszOutput;
    const char* lpszDatatype;
    DWORD fwType;
};

// With PD_RETURNDEFAULT: the default printer's settings (and with PD_RETURNDC its
// context) without asking; FALSE when there is no printer. Without it: asks the user,
// with the orientation of the settings given preset; FALSE when the user cancels.
// When there is no printer, a message tells the user what to do (unless PD_NOWARNING).
BOOL PrintDlgA(PRINTDLGA* request);
// Gives the printer context the orientation of `settings`; its page is made anew.
HDC ResetDCA(HDC printer, const DEVMODEA* settings);

int StartDocA(HDC printer, const DOCINFOA* document);
int StartPage(HDC printer);
int EndPage(HDC printer);
int EndDoc(HDC printer);
