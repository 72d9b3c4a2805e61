#pragma once
// The work of the main window's creation: the album folder with its save folder, the
// check for the data files, the options, the title screen, the arrow pointer and the
// used-sticker record.

#include "platform/user/UserTypes.h"

class Album;

class AlbumStartUp {
public:
    explicit AlbumStartUp(Album& album) : m_album(album) {}

    // Answers 0, or -1 (with a message) when a data file is missing, which refuses the
    // main window `window`.
    LRESULT OpenAlbum(HWND window);

private:
    void ShowTitle(HWND window);
    void TakeArrowCursor();

    Album& m_album;
};
