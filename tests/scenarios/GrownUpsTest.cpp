#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "album/ClearedBook.h"
#include "app/GrownUpQuestion.h"
#include "app/GrownUpsPanel.h"
#include "app/PictureDialogParts.h"
#include "catalogue/CommandIds.h"
#include "io/SettingsFile.h"
#include "tests/scenarios/AlbumScenario.h"

namespace fs = std::filesystem;

namespace {

// The question and the panel lie in the middle of the 1024 x 768 screen.
constexpr POINT kQuestionCorner{(1024 - 360) / 2, (768 - 360) / 2};
constexpr POINT kPanelCorner{(1024 - 640) / 2, (768 - 680) / 2};
// Every question of these runs is 2 + 2, with the right answer (4) first.
constexpr int32_t kRightPlace = 0;
constexpr int32_t kWrongPlace = 1;

// Every file of the book by name; a page never shown has none.
using BookFileBytes = std::map<std::string, std::optional<Bytes>>;

const ButtonRow& CommandButton(int32_t command) {
    return CommandButtonRows[static_cast<size_t>(command - IDM_QUIT)];
}

}  // namespace

class GrownUps : public AlbumScenario {
protected:
    GrownUps() {
        GrownUpQuestion::UseNumbers([](int32_t) { return 0; });
    }
    ~GrownUps() override { GrownUpQuestion::UseNumbers(nullptr); }

    // Time passes while a button or key is held.
    void Wait(DWORD milliseconds) {
        Then([this, milliseconds] { machine.SetVirtualClock(timeGetTime() + milliseconds); });
    }
    void HoldButton(const ButtonRow& row, DWORD milliseconds) {
        const POINT centre = CentreOf(AreaOf(row));
        machine.PressButton(centre);
        Wait(milliseconds);
        machine.ReleaseButton(centre);
    }
    // The desktop repeats a held key; the repeats are no new presses.
    void HoldKey(UINT key, DWORD milliseconds) {
        machine.KeyDown(key);
        Wait(milliseconds / 2);
        machine.KeyDown(key);
        Wait(milliseconds - milliseconds / 2);
        machine.KeyUp(key);
    }
    void ExpectQuestion(bool shown) {
        Then([shown] { EXPECT_EQ(GrownUpQuestion::OnShow() != nullptr, shown); });
    }
    void Answer(int32_t place) {
        machine.Click(
            CentreOf(GrownUpQuestion::kAnswerPlaces[static_cast<size_t>(place)], kQuestionCorner));
    }
    void PressRow(GrownUpsPanel::Row row) {
        machine.Click(CentreOf(GrownUpsPanel::PlaceOf(row), kPanelCorner));
    }
    BookFileBytes BookFiles() const {
        BookFileBytes files;
        for (const char* relative : PageSaveFiles) {
            const std::string file = FileIn(ToHostPath(relative + 1));
            files[file] = fs::exists(file) ? std::optional(ReadBytes(file)) : std::nullopt;
        }
        return files;
    }

    // A run that sticks three stickers on the first two pages, and one that clears them
    // all; answers the files of the book as the first run left them.
    BookFileBytes MakeABookAndClearIt() {
        StartBook();
        Stick(sticker, true);
        Stick(StickersOf(0)[1]);
        PressKey(VK_NEXT);
        Stick(StickersOf(1)[0]);
        PressKey(VK_PRIOR);
        RunAndCloseAlbum();
        auto book = BookFiles();
        ResetMachine();
        StartBook();
        PressKey('C');
        PressKey(VK_RETURN);
        RunAndCloseAlbum();
        return book;
    }

    // After a restart the book made shows, and the run leaves its files as `before`.
    void ExpectTheBookAfterARestart(const BookFileBytes& before) {
        ResetMachine();
        StartBook();
        Then([this] {
            EXPECT_TRUE(ShowsAtHome(sticker));
            EXPECT_EQ(album->Stickers().GetStickersLeft(), NUMBEROFSTICKERGRAPHICS - 3);
        });
        RunAndCloseAlbum();
        EXPECT_EQ(BookFiles(), before);
    }

    // Whether the band between the panel's last row and Close holds lettering.
    bool PanelLettersBelowItsRows() const {
        const RECT first = GrownUpsPanel::PlaceOf(GrownUpsPanel::Row::Music);
        const LONG top = GrownUpsPanel::PlaceOf(GrownUpsPanel::Row::BringBack).bottom;
        const LONG bottom = GrownUpsPanel::PlaceOf(GrownUpsPanel::Row::Close).top;
        const uint32_t ink = kLetteringInk;
        for (LONG y = top; y < bottom; ++y) {
            for (LONG x = first.left; x < first.right; ++x) {
                if (machine.ScreenPixels().Pixel(kPanelCorner.x + x, kPanelCorner.y + y) == ink)
                    return true;
            }
        }
        return false;
    }

    const int32_t sticker = StickersOf(0)[0];
};

// The grown-up gesture is About held for three seconds, by the mouse (or a finger) or by
// its key I, however often the desktop repeats the key: it asks the sum, and only the
// right answer opens the panel. A shorter press shows About as ever.
TEST_F(GrownUps, HoldingAboutAsksTheSumAndOnlyTheRightAnswerOpensThePanel) {
    const struct {
        const char* gesture;
        std::function<void(DWORD)> hold;
    } gestures[] = {
        {"the About button held", [this](DWORD ms) { HoldButton(CommandButton(IDM_INFO), ms); }},
        {"the About key held", [this](DWORD ms) { HoldKey('I', ms); }},
    };
    StartBook();
    for (const auto& [gesture, hold] : gestures) {
        SCOPED_TRACE(gesture);
        hold(3000);
        ExpectQuestion(true);
        Answer(kWrongPlace);
        Then([] { EXPECT_EQ(GrownUpsPanel::OnShow(), nullptr) << "a wrong answer just closes"; });
        hold(3000);
        Answer(kRightPlace);
        Then([] { EXPECT_NE(GrownUpsPanel::OnShow(), nullptr); });
        PressKey(VK_ESCAPE);
        Then([] { EXPECT_EQ(GrownUpsPanel::OnShow(), nullptr); });
        hold(2900);
        ExpectQuestion(false);
        PressKey(VK_RETURN);  // closes About
    }
    // A row changes its setting at once, by a click, or by the arrows and Space.
    HoldKey('I', 3000);
    Answer(kRightPlace);
    PressRow(GrownUpsPanel::Row::Music);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_SPACE);
    Then([this] {
        const GrownUpSettings saved = SettingsFile(SettingsPath()).Read();
        EXPECT_FALSE(saved.musicOn);
        EXPECT_EQ(saved.musicVolume, GrownUpsPanel::kVolumeSteps.front());
        EXPECT_EQ(saved, album->Settings().Current());
    });
    PressKey(VK_ESCAPE);
    RunAndCloseAlbum();
    EXPECT_EQ(std::ranges::count(log.Messages(), std::string("IDM_INFO ")), 2)
        << "About for each short press, none for a long one";
}

// With the locks on, Clear All (key or button) and Quit (key, button or the window's
// close) first ask the sum: a wrong answer keeps them shut, the right one leads to the
// usual question or the ending screen. The end of the session is never held up.
TEST_F(GrownUps, LocksKeepClearAllAndQuitBehindTheSum) {
    GrownUpSettings locked;
    locked.clearAllAsksGrownUp = true;
    locked.quitAsksGrownUp = true;
    WriteSettings(locked);
    StartBook();
    Stick(sticker, true);
    for (const auto& open :
         {std::function<void()>([this] { PressKey('C'); }),
          std::function<void()>([this] { ClickButton(CommandButton(IDM_CLEARALL)); })}) {
        open();
        ExpectQuestion(true);
        Answer(kWrongPlace);
        Then([this] {
            EXPECT_EQ(album->Stickers().GetStickerUsed(sticker), SU_USED);
            EXPECT_EQ(SoundsPlayed().back(), "StickWAVE") << "neither question nor clearing";
        });
    }
    PressKey('C');
    Answer(kRightPlace);
    PressKey(VK_RETURN);  // Yes, clear all
    Then([this] { EXPECT_EQ(album->Stickers().GetStickerUsed(sticker), SU_NOT_USED); });
    Stick(sticker);
    for (const auto& quit :
         {std::function<void()>([this] { PressKey('Q'); }),
          std::function<void()>([this] { ClickButton(CommandButton(IDM_QUIT)); }),
          std::function<void()>([this] { machine.Close(); })}) {
        quit();
        ExpectQuestion(true);
        Answer(kWrongPlace);
        Then([] { EXPECT_TRUE(IsWindow(GetSharedWindowHandle())); });
    }
    machine.Close();
    Answer(kRightPlace);
    PressKey(VK_RETURN);  // Quit on the ending screen
    EXPECT_EQ(RunAlbum(), 0);
    EXPECT_EQ(StickersInPageFile(0), std::vector<int32_t>{sticker});

    ResetMachine();
    StartBook();
    machine.Close();
    ExpectQuestion(true);
    machine.EndSession();
    EXPECT_EQ(RunAlbum(), 0);
    EXPECT_EQ(StickersInPageFile(0), std::vector<int32_t>{sticker});
}

// The book a Clear All emptied comes back from the panel byte for byte, pages and record,
// and shows at once; it is the book after a restart too.
TEST_F(GrownUps, ABookClearedAndBroughtBackIsTheBookBeforeAlsoAcrossARestart) {
    const auto before = MakeABookAndClearIt();
    EXPECT_TRUE(StickersInRecord().empty());

    ResetMachine();
    StartBook();
    HoldButton(CommandButton(IDM_INFO), 3000);
    Answer(kRightPlace);
    Then([] {
        ASSERT_NE(GrownUpsPanel::OnShow(), nullptr);
        EXPECT_TRUE(GrownUpsPanel::OnShow()->Shows(GrownUpsPanel::Row::BringBack));
        EXPECT_TRUE(GrownUpsPanel::OnShow()
                        ->LabelOf(GrownUpsPanel::Row::BringBack)
                        .starts_with("Bring back the book cleared on "));
    });
    PressRow(GrownUpsPanel::Row::BringBack);
    PressKey(VK_ESCAPE);
    Then([this, &before] {
        EXPECT_TRUE(ShowsAtHome(sticker));
        EXPECT_EQ(album->Stickers().GetStickersLeft(), NUMBEROFSTICKERGRAPHICS - 3);
        EXPECT_EQ(BookFiles(), before);
    });
    RunAndCloseAlbum();
    EXPECT_EQ(BookFiles(), before);
    ExpectTheBookAfterARestart(before);
}

// A bring-back cut short (here at the second page, which may not be written, as if the
// album had ended there) is finished when the album next starts, before it reads the book.
TEST_F(GrownUps, ABringBackCutShortIsFinishedAtTheNextStart) {
    const auto before = MakeABookAndClearIt();

    const std::string secondPage = FileIn("save003/page02.sav");
    chmod(secondPage.c_str(), 0444);
    EXPECT_FALSE(ClearedBook::OfAlbum().BringBack("7 Dec 2026"));
    chmod(secondPage.c_str(), 0644);
    ASSERT_NE(BookFiles(), before);
    ExpectTheBookAfterARestart(before);
}

// Only a stick asks the machine to keep the saves; the panel says, below its rows, when
// the machine may still empty them without asking.
TEST_F(GrownUps, AStickAsksToKeepTheSavesAndThePanelTellsWhenTheyMayBeCleared) {
    StartBook();
    PickSticker(sticker, true);
    RightClick();
    Then([this] { EXPECT_EQ(machine.KeepSavesAsked(), 0) << "a sticker let go"; });
    Stick(sticker);
    Then([this] { EXPECT_EQ(machine.KeepSavesAsked(), 1); });
    for (const bool mayBeCleared : {false, true}) {
        Then([this, mayBeCleared] { machine.LetSavesBeCleared(mayBeCleared); });
        HoldKey('I', 3000);
        Answer(kRightPlace);
        Then([this, mayBeCleared] { EXPECT_EQ(PanelLettersBelowItsRows(), mayBeCleared); });
        PressKey(VK_ESCAPE);
    }
    RunAndCloseAlbum();
}
