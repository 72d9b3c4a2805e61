#include "app/WinMain.h"

#include <memory>
#include <string>

#include "album/Album.h"
#include "app/AlbumStartUp.h"
#include "app/Application.h"
#include "app/BitmapDialogs.h"
#include "app/EmbeddedResources.h"
#include "app/SingleInstance.h"
#include "app/WM_Messages.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "diag/Assert.h"
#include "diag/Log.h"
#include "io/AlbumName.h"
#include "io/FileManager.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/ChildWindow.h"
#include "sound/MidiManager.h"

namespace {

int HandleNumber(HWND window) {
    return static_cast<int>(reinterpret_cast<intptr_t>(window));
}

void ShowNewStickerHint(HWND mainWindow) {
    ShowBitmapDialog(mainWindow, kDialogOk, OkDialogProc, "NewStkrDialogBkg");
}

void ShowBookFullScreen(HWND mainWindow) {
    ShowBitmapDialog(mainWindow, kDialogCelebration, CelebrationDialogProc, "BookFullDialogBkg");
}

void WireThePage(Album& album, HWND mainWindow) {
    album.ConnectPage(mainWindow);
    album.View().SetNewStickerHint(ShowNewStickerHint);
    album.View().SetBookFullScreen(ShowBookFullScreen);
    SetAssertOwner(mainWindow);
}

void RunMessageLoop(HWND mainWindow, WM_Messages& messages, Album& album) {
    WriteLog("%s", "");
    WriteLog("------------------Beginning of Message Loop------------------");
    WriteLog("%s", "");
    MSG message{};
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&message, nullptr, 0, 0)) break;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else if (messages.IsActive() != 0) {
            // Nothing waits, so the title is on screen: time for what only the book needs.
            messages.PrepareButtonsWhenAtHand(mainWindow);
            const ChildWindow* page = album.PageWindow();
            if (messages.GetPlayState() == kPlayStatePlaying && page != nullptr) {
                album.View().Update(page->GetHWnd());
            }
            // Every change of the page comes with a message, so once it is drawn the loop
            // can wait for the next one instead of looking again every few milliseconds.
            WaitMessage();
        } else {
            WaitMessage();
        }
    }
    WriteLog("%s", "");
    WriteLog("------------------End of Message Loop------------------");
    WriteLog("%s", "");
}

}  // namespace

int WinMain(HINSTANCE instance, HINSTANCE, const char* commandLine, int showCommand) {
    const std::string name = commandLine != nullptr ? commandLine : "";
    const std::unique_ptr<Album> album = Album::Open(AlbumName::IsValid(name) ? name : "", {});
    return RunAlbum(*album, instance, showCommand);
}

int RunAlbum(Album& album, HINSTANCE instance, int showCommand) {
    EmbeddedResources::Register();
    CFileManager::SetAlbumName(album.Name());
    SingleInstance guard;
    if (!guard.Check(kMainWindowClass, SingleInstance::MutexNameOf(album.Name()).c_str())) return 0;
    if (!guard.LockAlbumFolder()) {
        MessageBoxA(nullptr, SingleInstance::kAlreadyOpenText, kAlbumTitle,
                    MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }

    WM_Messages messages(album, guard);
    const CApplication application(
        ApplicationParameters{&WM_Messages::MainWindowProc, kMainWindowClass, kAlbumTitle, instance,
                              showCommand, kScreenWidth, kScreenHeight, WS_POPUP, &messages});
    const HWND mainWindow = application.getHWnd();
    if (mainWindow == nullptr) {
        WriteLog("No handle was created.");
        return 0;
    }
    SetSharedWindowHandle(mainWindow);
    WriteLog("hGlobal %i  CApplication->getHWnd() %i", HandleNumber(GetSharedWindowHandle()),
             HandleNumber(mainWindow));

    WireThePage(album, mainWindow);
    AlbumStartUp::LoadFirstPage(album.Document(), mainWindow);
    MIDI_MANAGER.StartAtStartUp(mainWindow);
    RunMessageLoop(mainWindow, messages, album);
    return 0;
}
