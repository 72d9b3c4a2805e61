#include "app/KeyboardPlay.h"

#include <algorithm>
#include <optional>

#include "album/Album.h"
#include "catalogue/PageGeometry.h"
#include "platform/user/User.h"

namespace {

// Bit 30 of a key-down's lParam: the key was down before, so this is a held key's repeat.
constexpr LPARAM kPreviouslyDown = 0x40000000;

// A picked sticker starts in the middle of the page, where a child's eyes already are
// and from where every home is near.
constexpr POINT kMiddleOfPage{kPageWidth / 2, kPageHeight / 2};

std::optional<POINT> DirectionOfArrow(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return POINT{-1, 0};
        case VK_RIGHT:
            return POINT{1, 0};
        case VK_UP:
            return POINT{0, -1};
        case VK_DOWN:
            return POINT{0, 1};
        default:
            return std::nullopt;
    }
}

bool IsPress(WPARAM key) {
    return key == VK_SPACE || key == VK_RETURN;
}

POINT PointerOnPage(HWND page) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(page, &pointer);
    return pointer;
}

// The pointer carries the sticker: putting it elsewhere moves the sticker there as a
// move of the mouse does, and the mouse goes on from there.
void PutPointerOnPage(HWND page, POINT at) {
    ClientToScreen(page, &at);
    SetCursorPos(at.x, at.y);
}

}  // namespace

bool KeyboardPlay::OnKeyDown(HWND mainWindow, WPARAM key, LPARAM details) {
    const bool again = (details & kPreviouslyDown) != 0;
    m_repeats = again ? m_repeats + 1 : 0;
    const ChildWindow* pageWindow = m_album.PageWindow();
    if (pageWindow == nullptr) return false;
    const HWND page = pageWindow->GetHWnd();
    if (key == VK_TAB) {
        MoveRing(GetKeyState(static_cast<int>(VK_SHIFT)) >= 0);
        return true;
    }
    if (m_album.View().IsDragging()) return WhileCarrying(page, key, again);
    return WhileChoosing(mainWindow, page, key, again);
}

bool KeyboardPlay::WhileCarrying(HWND page, WPARAM key, bool again) {
    if (const std::optional<POINT> direction = DirectionOfArrow(key)) {
        MoveCarried(page, *direction);
        return true;
    }
    if (IsPress(key)) {
        if (!again) Drop(page);
        return true;
    }
    if (key == VK_ESCAPE) {
        if (!again) m_album.View().AbandonCarry(page);
        return true;
    }
    return false;
}

bool KeyboardPlay::WhileChoosing(HWND mainWindow, HWND page, WPARAM key, bool again) {
    if (key == VK_LEFT || key == VK_RIGHT) {
        MoveRing(key == VK_RIGHT);
        return true;
    }
    // Held from a press, a drop or the title's start, the key does nothing more.
    if (IsPress(key) && (again || m_album.KeyboardRing().IsShown())) {
        if (!again) PressRinged(mainWindow, page);
        return true;
    }
    return false;
}

void KeyboardPlay::MoveRing(bool forward) {
    FocusRing& ring = m_album.KeyboardRing();
    const int32_t left = ring.Ringed();
    ring.Move(forward);
    RedrawButton(left);
    RedrawButton(ring.Ringed());
}

void KeyboardPlay::PressRinged(HWND mainWindow, HWND page) {
    const int32_t command = m_album.KeyboardRing().Ringed();
    const HWND button = ButtonWindow(command);
    if (button == nullptr) return;
    SendMessageA(button, BM_CLICK, 0, 0);
    // The pointer was never over the button: it forgets the press as it would when the
    // pointer left it, so that it is drawn afresh from the pick alone.
    if (IsWindow(button)) SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    // The click gave the button the focus; the keys belong to the main window.
    if (IsWindow(mainWindow) && IsWindowEnabled(mainWindow)) SetFocus(mainWindow);
    // Only now, after the hint a first pick shows: a move over the page while the hint
    // is up would take the keys away from it.
    if (m_album.View().IsDragging()) PutPointerOnPage(page, kMiddleOfPage);
}

// The sticker's middle stays on the page, as the pointer that carries it does.
void KeyboardPlay::MoveCarried(HWND page, POINT direction) {
    const LONG step = m_repeats < kRepeatsBeforeFast ? kStep : kFastStep;
    const POINT from = PointerOnPage(page);
    PutPointerOnPage(page, POINT{std::clamp(from.x + direction.x * step, 0, kPageWidth),
                                 std::clamp(from.y + direction.y * step, 0, kPageHeight)});
}

void KeyboardPlay::Drop(HWND page) {
    const POINT at = PointerOnPage(page);
    m_album.View().OnLButtonDown(page, MK_LBUTTON, at.x, at.y);
}

void KeyboardPlay::RedrawButton(int32_t command) const {
    if (const HWND button = ButtonWindow(command)) InvalidateRect(button, nullptr, FALSE);
}

HWND KeyboardPlay::ButtonWindow(int32_t command) const {
    ButtonSets& buttons = m_album.ButtonFamilies();
    if (StickerSelection::IsSheetCommand(command))
        return buttons.sheets.GetWindow(command - IDM_SHEET1);
    if (StickerSelection::IsStickerCommand(command))
        return buttons.stickers.GetWindow(command - IDM_STICKER1);
    return nullptr;
}
