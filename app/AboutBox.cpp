#include "app/AboutBox.h"

#include "app/BitmapDialogs.h"
#include "app/PictureDialogParts.h"

namespace {

constexpr const char* kBackground = "AboutDialogBkg";
// The band of the About picture left free for the line, above the OK button.
constexpr RECT kLineBox{20, 252, 340, 290};

INT_PTR AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const INT_PTR answer = OkDialogProc(dialog, message, wParam, lParam);
    if (message == WM_ERASEBKGND)
        DrawLettering(reinterpret_cast<HDC>(wParam), kLineBox, AboutLine(), LetterSize::Text,
                      kLetteringInk);
    return answer;
}

}  // namespace

const char* AboutLine() {
    return "Version " QUILLORY_VERSION " - MIT License";
}

void ShowAboutBox(HWND parent) {
    ShowBitmapDialog(parent, kDialogOk, AboutDialogProc, kBackground);
}
