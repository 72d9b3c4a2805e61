#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "platform/user/WindowManager.h"
#include "tests/scenarios/AlbumScenario.h"
#include "tests/support/FileSizeLimit.h"

namespace fs = std::filesystem;

class Saving : public AlbumScenario {
protected:
    const int32_t first = StickersOf(0)[0];
    const int32_t second = StickersOf(0)[1];

    void SetSaveFilesWritable(bool writable) const {
        for (const auto& entry : fs::directory_iterator(folder.Path() / "save003"))
            fs::permissions(entry.path(), fs::perms::owner_write,
                            writable ? fs::perm_options::add : fs::perm_options::remove);
    }
    size_t BoxesShown() const { return machine.MessageBoxesShown().size(); }
    // A restart of a first start: no save folder and no options.
    void RestartAfresh() const {
        ResetMachine();
        fs::remove_all(folder.Path() / "save003");
        fs::remove(FileIn("options03.dta"));
    }
    void ExpectSaved(const std::vector<int32_t>& stickers) const {
        EXPECT_EQ(StickersInPageFile(0), stickers);
        EXPECT_EQ(StickersInRecord(), stickers);
    }
};

// While the save files cannot be written, the stickers stay on screen across page
// turns and the parent is told once; once they can be written again, the end of the
// album writes every sticker.
TEST_F(Saving, WhileTheFilesCannotBeWrittenNothingVanishesAndTheParentIsToldOnce) {
    const struct {
        const char* what;
        std::optional<uint64_t> room;  // none: the save files are read-only
        const char* reason;
    } troubles[] = {
        {"read-only files", std::nullopt, "the folder or its files may not be written"},
        {"disk full", 0, "the disk is full"},
        {"disk full inside a page", 30, "the disk is full"},
        {"disk full inside the record", 500, "the disk is full"},
    };
    for (const auto& trouble : troubles) {
        SCOPED_TRACE(trouble.what);
        std::unique_ptr<FileSizeLimit> limit;
        StartBook();
        Then([&] {
            if (trouble.room) limit = std::make_unique<FileSizeLimit>(*trouble.room);
            if (!trouble.room) SetSaveFilesWritable(false);
        });
        Stick(first, true);
        // Away and back: the page comes back from memory, not from its old file.
        PressKey(VK_NEXT);
        PressKey(VK_PRIOR);
        Stick(second);
        Then([&] {
            EXPECT_TRUE(ShowsAtHome(first) && ShowsAtHome(second));
            const auto boxes = machine.MessageBoxesShown();
            ASSERT_EQ(boxes.size(), 1u);
            // The first save to fail names its folder: the save folder, or the album folder
            // of the options when the hint's setting is the first to fail.
            const std::string& text = boxes[0].text;
            EXPECT_NE(text.find("in the folder " + folder.Path().string()), std::string::npos)
                << text;
            EXPECT_NE(text.find(std::string(": ") + trouble.reason + "."), std::string::npos)
                << text;
            limit.reset();
            SetSaveFilesWritable(true);
        });
        EXPECT_EQ(RunAndCloseAlbum(), 0);
        EXPECT_EQ(machine.MessageBoxesShown().size(), 1u);
        ExpectSaved({first, second});
        RestartAfresh();
    }
}

// A failed save is told before any other input is handled: at start-up over the title,
// at a stick, and at a page turn (a kind not told yet) with the new page's picture and
// label; a page turn draws both at once, also when nothing failed. Once the files can
// be written again, the end of the session saves the sticker whose save failed. (The
// steps below look at the screen before the album has idled.)
TEST_F(Saving, AFailedSaveIsToldAtOnceOverTheScreenAsItIsAndTheSessionsEndKeepsTheSticker) {
    fs::create_directory(folder.Path() / "save003");
    WriteBytes(FileIn("save003/page00.sav"), StringBytes("damaged"));
    SetSaveFilesWritable(false);
    std::unique_ptr<FileSizeLimit> diskFull;
    machine.Then([&] {
        EXPECT_EQ(BoxesShown(), 1u) << "told at start-up";
        EXPECT_NE(machine.ScreenPixels().Pixel(0, 0), 0u) << "over the title, drawn";
    });
    StartBook();
    Stick(first, true);
    machine.Then([&] {
        EXPECT_EQ(BoxesShown(), 1u) << "the same kind";
        fs::remove(FileIn("save003/page00.sav"));
        SetSaveFilesWritable(true);
        diskFull = std::make_unique<FileSizeLimit>(0);
    });
    Stick(second);
    machine.Then([&] { EXPECT_EQ(BoxesShown(), 2u) << "told at the stick"; });
    PressKey(VK_NEXT);
    machine.Then([&] {
        EXPECT_EQ(BoxesShown(), 2u);
        EXPECT_TRUE(ShowsPage(1)) << "the page turned to";
        SetSaveFilesWritable(false);
        diskFull.reset();
    });
    PressKey(VK_PRIOR);
    machine.Then([&] {
        EXPECT_EQ(BoxesShown(), 3u) << "told at the page turn";
        EXPECT_TRUE(ShowsPage(0)) << "the page turned to";
        SetSaveFilesWritable(true);
    });
    machine.EndSession();
    EXPECT_EQ(RunAlbum(), 0);
    EXPECT_EQ(BoxesShown(), 3u);
    ExpectSaved({first, second});
}

// A folder held by a copy on another screen is refused: no window, nothing written.
TEST_F(Saving, AFolderHeldByAnotherCopyIsRefused) {
    const HANDLE held =
        CreateFileA("save003.lock", GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(
        LockFileEx(held, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, nullptr));
    EXPECT_EQ(RunAlbum(), 0);
    const auto boxes = machine.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Quillory 3 is already open on another screen");
    EXPECT_FALSE(fs::exists(FileIn("save003")));
    CloseHandle(held);
}

// However the album is ended from outside (a termination signal, the end of the desktop
// session, the display gone: each reaches the program as the end of the session), it
// saves every stuck sticker at once and ends with status 0 whatever is open: a message
// box, a picture dialog, the Clear All question (nothing is cleared), the ending screen
// (unanswered), a carried sticker (not stuck); and no window is left behind.
TEST_F(Saving, TheEndOfTheSessionInEveryOpenStateSavesEverythingAndLeavesNoWindow) {
    const struct {
        const char* state;
        std::function<void()> open;
        size_t boxes;
    } states[] = {
        {"the no-printer message box", [this] { PressKey('P'); }, 1},
        {"the About dialog", [this] { PressKey('I'); }, 0},
        {"the Clear All question", [this] { PressKey('C'); }, 0},
        {"the ending screen", [this] { machine.Close(); }, 0},
        {"a carried sticker",
         [this] {
             ChooseSheetOf(second);
             PickSticker(second);
         },
         0},
        {"the playing screen", [] {}, 0},
    };
    for (const auto& [state, open, boxes] : states) {
        SCOPED_TRACE(state);
        RestartAfresh();
        log.Clear();
        machine.HoldMessageBoxes();
        StartBook();
        Stick(first, true);
        open();
        Then([] {});
        machine.EndSession();
        EXPECT_EQ(RunAlbum(), 0);
        ExpectSaved({first});
        EXPECT_TRUE(WindowManager::Instance().TopLevelWindows().empty());
        EXPECT_EQ(album->PageWindow(), nullptr) << "the page window outlived the main window";
        EXPECT_TRUE(log.Contains("WM_ENDSESSION: saving and ending"));
        EXPECT_EQ(machine.MessageBoxesShown().size(), boxes);
    }
}
