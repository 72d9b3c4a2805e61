#pragma once
// The album's dialogs: modal pictures without caption or frame, whose whole face is a
// bitmap resource, with one or two buttons that are bitmap resources too (an up and a
// down picture each). The caller picks the layout, the procedure and the background.

#include <cstdint>

#include "platform/user/UserTypes.h"

enum BitmapDialogKind : int32_t {
    // A question with YES (1) and NO (2), 360 x 360.
    kDialogYesNo = 0,
    // A message with OK (1), 360 x 360.
    kDialogOk = 1,
    // The ending screen with Quit (1), 1024 x 768.
    kDialogEnding = 2,
    // A celebration screen without buttons, 1024 x 768: any click or key closes it (1).
    kDialogCelebration = 3,
};
constexpr int32_t kNumberOfDialogKinds = 4;

// Runs the dialog of `kind` modally over `parent` with `background` as its face and
// answers the value the procedure ended it with; 0 when the dialog cannot be built,
// -1 when it cannot be shown (its picture is missing).
int ShowBitmapDialog(HWND parent, int32_t kind, DLGPROC procedure, const char* background);
// The yes/no question with `background` as its face: true for YES only, so a question
// that cannot be shown keeps things as they are.
bool AskYesNo(HWND parent, const char* background);

// The procedures of the kinds. Enter is id 1 and Escape id 2: YES/NO and OK end with
// either, the ending screen only with its Quit button (or Enter), the celebration with
// any button press or key.
INT_PTR YesNoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR OkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR QuitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CelebrationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the bitmap resource `name` unscaled at (x, y); a missing resource draws
// nothing. Answers 1.
int DrawBitmapResource(HDC dc, const char* name, int x, int y);
// Draws the down picture of an owner-drawn button while it is selected, else its up
// picture, at the item's top-left corner. Answers 0.
int DrawBitmapButton(const DRAWITEMSTRUCT* drawItem, const char* downName, const char* upName);
// Centres `dialog` on its parent window, moved down by `yOffset`.
void CentreOnParent(HWND dialog, int yOffset);
