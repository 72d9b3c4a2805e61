#pragma once
// The work of the main window's creation: the album folder with its save folder, the
// check for the data files, the options, the title screen, the arrow pointer and the
// used-sticker record; and opening another album chosen on the title screen.

#include <string>

#include "platform/user/UserTypes.h"

class Album;
class CAnimDoc;
class SingleInstance;

class AlbumStartUp {
public:
    explicit AlbumStartUp(Album& album) : m_album(album) {}

    // Answers 0, or -1 (with a message) when a data file is missing, which refuses the
    // main window `window`.
    LRESULT OpenAlbum(HWND window);
    // Opens the album `name` in place of the one open, taking its single-instance name
    // and folder lock in `guard`: its save folder, options, record and first page. False
    // (the album cannot go on) when a copy here has it, which comes forward, or a copy on
    // another screen holds its folder, which is told.
    bool SwitchTo(HWND window, SingleInstance& guard, const std::string& name);

    // Makes the title the screen of `window`, started by the next UM_START_PHASE.
    void ShowTitle(HWND window);

    // Loads the current page (at start, page 0) of `document` with its stickers.
    static void LoadFirstPage(CAnimDoc& document, HWND mainWindow);

private:
    // Makes the open album's save folder and keeps a named album on the shelf.
    void MakeSaveFolder();
    void ReadOptions();
    void TakeArrowCursor();

    Album& m_album;
};
