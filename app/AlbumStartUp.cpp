#include "app/AlbumStartUp.h"

#include <string>

#include "album/Album.h"
#include "album/ClearedBook.h"
#include "app/AlbumMessages.h"
#include "app/CheckFile.h"
#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "io/FileManager.h"
#include "io/Initialization.h"
#include "io/SaveProblems.h"
#include "platform/user/User.h"

namespace {

constexpr const char* kSaveDirectory = "save003";

}  // namespace

LRESULT AlbumStartUp::OpenAlbum(HWND window) {
    // A posted message comes before any input: a failed save is told at once, also one
    // met while the window is being created.
    SaveProblems::SetTeller([window] { PostMessageA(window, UM_TELL_SAVE_PROBLEMS, 0, 0); });
    CFileManager::SetBaseDirectoryFromCurrent();
    CFileManager fileManager;
    fileManager.CheckForAndCreateDirectory(kSaveDirectory);
    // A bring-back of a kept book that an ended run left halfway is finished before
    // anything of the book is read.
    ClearedBook::OfAlbum().FinishInterruptedBringBack();

    std::string dataRoot;
    fileManager.MakeFullPath(dataRoot, "");
    WriteLog("WM_Create 3 %s", dataRoot.c_str());
    WriteLog("CCheckFile CheckMissingFiles.  NUMBEROFSTICKERGRAPHICS %i", NUMBEROFSTICKERGRAPHICS);
    CCheckFile checkFile(dataRoot);
    if (checkFile.CheckMissingFiles()) {
        const std::string text = FormatText("A file (%s) needed for Quillory is missing.",
                                            checkFile.MissingFile().c_str());
        MessageBoxA(window, text.c_str(), "Error", MB_ICONEXCLAMATION);
        return -1;
    }
    CInitialization options(dataRoot);

    ShowTitle(window);
    TakeArrowCursor();
    m_album.Stickers().ReadStickersUsed();
    WriteLog("WM_Create END");
    return 0;
}

void AlbumStartUp::ShowTitle(HWND window) {
    m_album.Phase().MakeCurrent(&m_album.Title());
    m_album.Title().Load(window);
    PostMessageA(window, UM_START_PHASE, 0, 0);
}

void AlbumStartUp::TakeArrowCursor() {
    CCursorSet& cursors = m_album.View().Cursors();
    cursors.SetArrowCursor(
        LoadImageA(ProgramInstance(), "ArrowCursor", IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR));
    cursors.SetKindQuietly(CCursorSet::kArrow);
}
