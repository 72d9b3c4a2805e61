#include "app/AlbumStartUp.h"

#include <string>

#include "album/Album.h"
#include "album/ClearedBook.h"
#include "app/AlbumMessages.h"
#include "app/CheckFile.h"
#include "app/SingleInstance.h"
#include "app/WinMain.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "io/AlbumShelf.h"
#include "io/FileManager.h"
#include "io/Initialization.h"
#include "io/SaveProblems.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/User.h"

namespace {

constexpr const char* kSaveDirectory = "save003";

}  // namespace

LRESULT AlbumStartUp::OpenAlbum(HWND window) {
    // A posted message comes before any input: a failed save is told at once, also one
    // met while the window is being created.
    SaveProblems::SetTeller([window] { PostMessageA(window, UM_TELL_SAVE_PROBLEMS, 0, 0); });
    CFileManager::SetBaseDirectoryFromCurrent();
    MakeSaveFolder();

    CFileManager fileManager;
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
    ReadOptions();

    ShowTitle(window);
    TakeArrowCursor();
    m_album.Stickers().ReadStickersUsed();
    WriteLog("WM_Create END");
    return 0;
}

bool AlbumStartUp::SwitchTo(HWND window, SingleInstance& guard, const std::string& name) {
    WriteLog("The album chosen: %s", name.c_str());
    guard.Close();
    m_album.SetName(name);
    CFileManager::SetAlbumName(name);
    // A copy open on that album here comes forward instead.
    if (!guard.Check(kMainWindowClass, SingleInstance::MutexNameOf(name).c_str())) return false;
    if (!guard.LockAlbumFolder()) {
        MessageBoxA(window, SingleInstance::kAlreadyOpenText, kAlbumTitle,
                    MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    SetSharedWindowHandle(window);
    MakeSaveFolder();
    ReadOptions();
    m_album.Stickers().ReadStickersUsed();
    LoadFirstPage(m_album.Document(), window);
    return true;
}

void AlbumStartUp::LoadFirstPage(CAnimDoc& document, HWND mainWindow) {
    document.LoadPage(mainWindow,
                      PageBackgroundFiles[static_cast<size_t>(document.GetCurrentPage())],
                      &kPageCorners);
    document.LoadPageSprites();
}

void AlbumStartUp::MakeSaveFolder() {
    // A named album's folder is there already: its lock lies in it.
    const std::string albumFolder = CFileManager::AlbumFolder();
    const std::string saveDirectory =
        albumFolder.empty() ? kSaveDirectory : albumFolder.substr(1) + "\\" + kSaveDirectory;
    CFileManager::CheckForAndCreateDirectory(saveDirectory.c_str());
    if (!m_album.Name().empty()) AlbumShelf::Remember(m_album.Name());
    // A bring-back of a kept book that an ended run left halfway is finished before
    // anything of the book is read.
    ClearedBook::OfAlbum().FinishInterruptedBringBack();
}

void AlbumStartUp::ReadOptions() {
    std::string albumRoot;
    CFileManager().MakeAlbumPath(albumRoot, "");
    CInitialization options(albumRoot);
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
