#include "platform/kernel/Kernel.h"
#include "tests/scenarios/AlbumScenario.h"

// On a machine where the program cannot end (a web page), Quit shows the ending screen
// and then the title, where the album waits let go of: saved, its folder free for another
// copy, the music stopped, the machine's sound and screen given up.
class QuitToTitle : public AlbumScenario {
protected:
    QuitToTitle() { machine.ReturnToTitleAtQuit(true); }

    void QuitOnTheEndingScreen() {
        machine.Close();
        PressKey(VK_RETURN);
    }
    // Whether another copy could take the album's folder now; it lets go at once.
    static bool FolderIsFree() {
        const HANDLE lock =
            CreateFileA("save003.lock", GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        const bool taken = lock != INVALID_HANDLE_VALUE &&
                           LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                                      1, 0, nullptr) != FALSE;
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        return taken;
    }
};

// Quit twice: each time the title comes back with the album let go of, an activation
// there starts no music, and the start takes everything back with the stickers stuck
// before.
TEST_F(QuitToTitle, TheTitleWaitsWithTheAlbumLetGoAndTheStartTakesItBack) {
    const int32_t sticker = StickersOf(0).front();
    machine.Activate(true);
    StartBook();
    Stick(sticker, true);
    for (int round = 0; round < 2; ++round) {
        QuitOnTheEndingScreen();
        machine.Activate(false);
        machine.Activate(true);
        Then([this, sticker, round] {
            SCOPED_TRACE(round);
            EXPECT_EQ(Messages().GetPlayState(), kPlayStateTitle);
            EXPECT_EQ(album->PageWindow(), nullptr);
            EXPECT_EQ(album->ButtonFamilies().commands.GetWindow(0), nullptr);
            EXPECT_EQ(album->ButtonFamilies().stickers.GetWindow(0), nullptr);
            EXPECT_NE(album->ButtonFamilies().start.GetWindow(0), nullptr);
            EXPECT_TRUE(machine.SetAsideNow());
            EXPECT_EQ(multimedia.RunningTimers(), 0u) << "no music at the title";
            EXPECT_EQ(StickersInPageFile(0), std::vector<int32_t>{sticker});
            EXPECT_TRUE(FolderIsFree());
        });
        StartBook();
        Then([this, sticker, round] {
            SCOPED_TRACE(round);
            EXPECT_EQ(Messages().GetPlayState(), kPlayStatePlaying);
            EXPECT_FALSE(machine.SetAsideNow());
            EXPECT_EQ(multimedia.RunningTimers(), 1u) << "the song plays again";
            EXPECT_FALSE(FolderIsFree());
            EXPECT_TRUE(ShowsAtHome(sticker));
        });
    }
    machine.EndSession();
    EXPECT_EQ(RunAlbum(), 0);
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
}

// Another copy that opened the album while the title waited keeps it: the start says the
// album is open elsewhere and the program ends, writing nothing over that copy's saves.
TEST_F(QuitToTitle, AStartAfterAnotherCopyTookTheAlbumSaysSoAndEnds) {
    const int32_t sticker = StickersOf(0).front();
    machine.Activate(true);
    StartBook();
    Stick(sticker, true);
    QuitOnTheEndingScreen();
    HANDLE other = INVALID_HANDLE_VALUE;
    const Bytes othersPage = PageFileOf({});
    Then([this, &other, &othersPage] {
        other = CreateFileA("save003.lock", GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        ASSERT_TRUE(LockFileEx(other, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                               nullptr));
        WriteBytes(FileIn(ToHostPath(PageSaveFiles[0] + 1)), othersPage);
    });
    StartBook();
    EXPECT_EQ(RunAlbum(), 0);
    const auto boxes = machine.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Quillory 3 is already open on another screen");
    EXPECT_EQ(PageFileBytes(0), othersPage);
    CloseHandle(other);
}
