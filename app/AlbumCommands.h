#pragma once
// The commands of the playing screen's buttons and keys: quit, print, Clear All, About,
// the two page turns, the sheets and the stickers. Each works on the album it is given.

#include <cstdint>

#include "platform/user/UserTypes.h"

class Album;

class AlbumCommands {
public:
    explicit AlbumCommands(Album& album) : m_album(album) {}

    // Answers 1 for a handled command, 0 for IDM_QUIT and unknown ids.
    LRESULT DoCommand(HWND window, int32_t id);

    // A command that works on the page first ends a carry, as a right click does, so that
    // nothing keeps using a sticker the page lets go of.
    void EndAnyCarry();

    // The page window's handle, or null before the playing screen.
    HWND PageWindowHandle() const;

    // The grown-up gesture was made: the grown-ups' question, and on its right answer
    // their panel.
    void OpenGrownUps(HWND window);

private:
    void Print(HWND window);
    void ShowAbout(HWND window);
    void BringBackBook(HWND window);
    void TurnPage(HWND window, int32_t direction);
    void ChooseSheet(HWND window, int32_t sheetCommand);

    Album& m_album;
};
