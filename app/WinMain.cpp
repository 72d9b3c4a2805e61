#include "app/WinMain.h"

#include <memory>

#include "album/AlbumView.h"
#include "album/GamePhase.h"
#include "album/PlayingPhase.h"
#include "album/StickerOverPosition.h"
#include "app/Application.h"
#include "app/BitmapDialogs.h"
#include "app/EmbeddedResources.h"
#include "app/SingleInstance.h"
#include "app/WM_Messages.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "diag/Assert.h"
#include "diag/Log.h"
#include "io/SaveProblems.h"
#include "platform/kernel/Kernel.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/ChildWindow.h"
#include "sound/MidiManager.h"

namespace {

constexpr const char* kTitle = "Quillory 3";

int HandleNumber(HWND window) {
    return static_cast<int>(reinterpret_cast<intptr_t>(window));
}

std::unique_ptr<CApplication>& Application() {
    static std::unique_ptr<CApplication> application;
    return application;
}

void ShowNewStickerHint(HWND mainWindow) {
    ShowBitmapDialog(mainWindow, kDialogOk, OkDialogProc, "NewStkrDialogBkg");
}

void WireThePage(HWND mainWindow) {
    CAlbumView& view = GetAlbumView();
    CAnimDoc& document = GetAlbumDocument();
    view.SetDocument(&document);
    document.SetView(&view);
    document.SetMainWindow(mainWindow);
    StickerOverPosition::SetViewAndDocument(&view, &document);
    view.SetNewStickerHint(ShowNewStickerHint);
    GetPlayingPhase().SetPageOnShow(&view);
    SetAssertOwner(mainWindow);
}

void LoadFirstPage(HWND mainWindow) {
    CAnimDoc& document = GetAlbumDocument();
    document.LoadPage(mainWindow,
                      PageBackgroundFiles[static_cast<size_t>(document.GetCurrentPage())],
                      &kPageCorners);
    document.LoadPageSprites();
}

void RunMessageLoop(HWND mainWindow) {
    WriteLog("%s", "");
    WriteLog("------------------Beginning of Message Loop------------------");
    WriteLog("%s", "");
    MSG message{};
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&message, nullptr, 0, 0)) break;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else if (MESSAGES.IsActive() != 0) {
            // Nothing waits, so the title is on screen: time for what only the book needs.
            MESSAGES.PrepareButtonsOnce(mainWindow);
            const ChildWindow* page = PageWindow();
            if (MESSAGES.GetPlayState() == kPlayStatePlaying && page != nullptr) {
                GetAlbumView().Update(page->GetHWnd());
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

int WinMain(HINSTANCE instance, HINSTANCE, const char*, int showCommand) {
    EmbeddedResources::Register();
    if (!GetSingleInstance().Check(kMainWindowClass, SingleInstance::kMutexName)) return 0;
    if (!GetSingleInstance().LockAlbumFolder()) {
        MessageBoxA(nullptr, "Quillory 3 is already open on another screen", kTitle,
                    MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }

    Application() = std::make_unique<CApplication>(
        ApplicationParameters{&WM_Messages::MainWindowProc, kMainWindowClass, kTitle, instance,
                              showCommand, kScreenWidth, kScreenHeight, WS_POPUP});
    const HWND mainWindow = Application()->getHWnd();
    if (mainWindow == nullptr) {
        WriteLog("No handle was created.");
        Application().reset();
        return 0;
    }
    SetSharedWindowHandle(mainWindow);
    WriteLog("hGlobal %i  CApplication->getHWnd() %i", HandleNumber(GetSharedWindowHandle()),
             HandleNumber(mainWindow));

    WireThePage(mainWindow);
    LoadFirstPage(mainWindow);
    MIDI_MANAGER.StartAtStartUp(mainWindow);
    RunMessageLoop(mainWindow);

    Application().reset();
    return 0;
}

void ResetProgramState() {
    MESSAGES.Reset();
    GetSingleInstance().Close();
    SetSharedWindowHandle(nullptr);
    SetCurrentPhase(nullptr);
    PlayingPhase& playing = GetPlayingPhase();
    playing.SetCurrentSheet(IDM_SHEET1);
    playing.SetStkrBtnPressed(kNoButton);
    playing.SetSheetPressed(0);
    CAnimDoc& document = GetAlbumDocument();
    while (document.GetCurrentPage() != 0) document.NextPage();
    document.DeleteContents();
    document.ForgetUnsavedPages();
    SaveProblems::Reset();
}
