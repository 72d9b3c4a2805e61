#pragma once
// The parts of the album's picture dialogs that the program draws or lays out at run
// time: words lettered over the pictures (a sum, a setting, the version) with the
// lettering of the album's message boxes, the keyboard's choice, and the buttons.

#include <cstdint>
#include <string_view>

#include "platform/user/Dialog.h"
#include "platform/user/UserTypes.h"

enum class LetterSize { Text, Title };

constexpr uint32_t kLetteringInk = 0x2B2340;
constexpr uint32_t kLetteringRed = 0xF0524F;

// Draws `text` centred in `box` (coordinates of `dc`), clipped to the context.
void DrawLettering(HDC dc, const RECT& box, std::string_view text, LetterSize size,
                   uint32_t colour);
// Frames `box` with a band `thickness` pixels wide just inside it: the keyboard's choice.
void DrawChoiceFrame(HDC dc, const RECT& box, LONG thickness, uint32_t colour);
// Where the face of a picture button lies as it is drawn now: above its shadow, or sunk
// into it while pressed; its words go with it.
RECT ButtonFace(const DRAWITEMSTRUCT& item);
// An owner-drawn picture button with the id `id` at `place` (pixels) of its dialog.
DialogItem PictureButtonItem(int id, const RECT& place);
// Centres the dialog on its parent and gives it the keys, so that the arrows reach it
// rather than the button first in its layout. WM_INITDIALOG then answers FALSE.
void CentreWithKeys(HWND dialog);
