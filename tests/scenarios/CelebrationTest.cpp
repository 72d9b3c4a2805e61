#include <algorithm>
#include <filesystem>

#include "album/ButtonBitmap.h"
#include "catalogue/DataFiles.h"
#include "platform/user/WindowManager.h"
#include "tests/scenarios/AlbumScenario.h"

namespace {

// Long enough for every effect to end: a full page's stars take under two seconds.
constexpr DWORD kAllOver = 2000;
// The full-book screen opens once the last sticker's sparkle has been seen.
constexpr DWORD kBookScreenDue = 700;
constexpr POINT kOnPage{500, 400};

}  // namespace

class Celebration : public AlbumScenario {
protected:
    const PageEffects& Effects() const { return album->View().Effects(); }
    size_t Played(const std::string& name) const {
        return static_cast<size_t>(std::ranges::count(SoundsPlayed(), name));
    }
    // How often a run after a restart, left alone a while, plays the sound `name`.
    size_t PlayedAfterARestart(const std::string& name) {
        ResetMachine();
        StartBook();
        machine.Pause(kAllOver);
        RunAndCloseAlbum();
        return Played(name);
    }
    static size_t WindowsOnShow() { return WindowManager::Instance().TopLevelWindows().size(); }
    std::vector<uint32_t> ButtonFace(int32_t sticker) const {
        return ScreenBlock(
            AreaOf(StickerButtonRows[static_cast<size_t>(sticker % kStickersPerSheet)]));
    }
    static std::vector<uint32_t> Face(int32_t sticker, LONG state) {
        const LONG side = StickerButtonRows[0].width;
        return PictureBlock(StickerButtonFiles[static_cast<size_t>(sticker)],
                            RECT{side * state, 0, side * (state + 1), side});
    }
};

// A wrong drop, a right click and a command during a carry all put the sticker back
// the same way: a boop, the button let go at once, the sticker gliding off the page to
// its button, which winks as it arrives; then nothing runs, and the sticker is unused.
TEST_F(Celebration, EveryWayACarryIsPutBackGlidesTheStickerToItsButtonWithABoop) {
    const int32_t sticker = StickersOf(0)[0];
    const POINT home = HomeOf(sticker);
    const POINT away{home.x < 400 ? home.x + 300 : home.x - 300, home.y};
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"a left click away from its home", [&] { DropStickerAt(sticker, away); }},
        {"a right click", [&] { RightClick(); }},
        {"a page turned by its key",
         [&] {
             machine.MovePointer(kOnPage);  // carrying it over the page
             PressKey(VK_NEXT);
         }},
    };
    StartBook();
    ChooseSheetOf(sticker);
    for (const auto& [what, putBack] : ways) {
        PickSticker(sticker, what == ways.front().first);
        putBack();
        Then([&, what = what] {
            SCOPED_TRACE(what);
            EXPECT_EQ(SoundsPlayed().back(), "BoopWAVE");
            EXPECT_FALSE(album->View().IsDragging());
            EXPECT_EQ(album->Selection().GetStkrBtnPressed(), kNoButton) << "let go at once";
            EXPECT_EQ(Effects().GlidesUnderway(), 1u);
            EXPECT_EQ(ButtonFace(sticker), Face(sticker, kButtonStateNormal));
        });
        machine.Pause(PageEffects::kGlideTime + PageEffects::kFrameInterval);
        Then([&, what = what] {
            SCOPED_TRACE(what);
            EXPECT_EQ(Effects().GlidesUnderway(), 0u);
            EXPECT_EQ(ButtonFace(sticker), Face(sticker, kButtonStateOver)) << "the wink";
        });
        machine.Pause(kAllOver);
        Then([&, what = what] {
            SCOPED_TRACE(what);
            EXPECT_EQ(ButtonFace(sticker), Face(sticker, kButtonStateNormal));
            EXPECT_FALSE(Effects().IsRunning()) << "no timer runs at rest";
            EXPECT_EQ(album->Stickers().GetStickerUsed(sticker), SU_NOT_USED);
        });
    }
    // Picked again while it glides back: the button keeps its picked face, no wink.
    PickSticker(sticker);
    RightClick();
    PickSticker(sticker);
    Then([this] { EXPECT_TRUE(album->View().IsDragging()) << "picked again at once"; });
    machine.Pause(kAllOver);
    Then([&] { EXPECT_EQ(ButtonFace(sticker), Face(sticker, kButtonStatePicked)); });
    RunAndCloseAlbum();
    EXPECT_EQ(Played("BoopWAVE"), ways.size() + 2) << "closing the album puts it back too";
}

// The last sticker of a page sparkles, then the page twinkles and jingles, once: not
// on turning away and back, nor after a restart. The next pick need not wait for it.
TEST_F(Celebration, AFullPageTwinklesAndJinglesOnceAndTheNextPickNeedNotWait) {
    const std::vector<int32_t> page = StickersOf(0);
    const int32_t other = StickersOf(1)[0];
    StartBook();
    for (size_t i = 0; i + 1 < page.size(); ++i) Stick(page[i], i == 0);
    Then([this] {
        EXPECT_GT(Effects().StarsTwinkling(), 0u) << "a stick sparkles";
        EXPECT_EQ(SoundsPlayed().back(), "StickWAVE");
    });
    machine.Pause(kAllOver);
    Then([this] {
        EXPECT_EQ(Played("JingleWAVE"), 0u) << "the page is not full yet";
        EXPECT_FALSE(Effects().IsRunning());
    });
    Stick(page.back());
    size_t sparkle = 0;
    ChooseSheetOf(other);
    PickSticker(other);
    Then([&] {
        sparkle = Effects().StarsTwinkling();
        EXPECT_TRUE(album->View().IsDragging()) << "picked while the page twinkles";
        EXPECT_GT(sparkle, 8u) << "more than the sticker's own ring of stars";
    });
    RightClick();
    machine.Pause(kAllOver);
    Then([this] {
        EXPECT_EQ(Played("JingleWAVE"), 1u);
        EXPECT_FALSE(Effects().IsRunning());
    });
    PressKey(VK_NEXT);
    PressKey(VK_PRIOR);
    machine.Pause(kAllOver);
    RunAndCloseAlbum();
    EXPECT_EQ(Played("JingleWAVE"), 1u) << "not again on coming back to the page";
    EXPECT_EQ(PlayedAfterARestart("JingleWAVE"), 0u) << "nor after a restart";
}

// With every other sticker stuck, the last one brings the full-book screen with its
// fanfare, once; any key or click goes back to the book.
TEST_F(Celebration, TheLastStickerOfTheBookShowsItsScreenOnceAndAnyClickOrKeyClosesIt) {
    const int32_t last = StickersOf(0)[0];
    Bytes record = Concat({StringBytes("TV"), StringBytes("QUILRY03"), LongBytes(768)});
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker)
        record = Concat({record, LongBytes(sticker == last ? SU_NOT_USED : SU_USED)});
    const auto writeBookButOne = [&] {
        std::filesystem::remove_all(FileIn("save003"));
        std::filesystem::create_directories(FileIn("save003"));
        WriteBytes(FileIn("save003/page00.sav"), record);
        for (int32_t page = 0; page < kNumberOfPages; ++page) {
            std::vector<std::vector<int32_t>> stuck;
            for (const int32_t sticker : StickersOf(page))
                if (sticker != last)
                    stuck.push_back({sticker, HomeOf(sticker).x, HomeOf(sticker).y, 10, 0});
            WriteBytes(FileIn(ToHostPath(PageSaveFiles[static_cast<size_t>(page)] + 1)),
                       PageFileOf(stuck));
        }
    };
    const std::vector<std::pair<const char*, std::function<void()>>> closers{
        {"a key", [this] { PressKey('A'); }},
        {"a click", [this] { machine.Click(kOnPage); }},
    };
    for (const auto& [what, close] : closers) {
        SCOPED_TRACE(what);
        ResetMachine();
        writeBookButOne();
        StartBook();
        Stick(last, what == closers.front().first);
        Then([this] {
            EXPECT_EQ(album->Stickers().GetStickersLeft(), 0);
            EXPECT_EQ(WindowsOnShow(), 1u) << "the sticker's sparkle first";
        });
        machine.Pause(kBookScreenDue);
        Then([this] {
            EXPECT_EQ(WindowsOnShow(), 2u) << "the full-book screen";
            EXPECT_EQ(Played("FanfareWAVE"), 1u);
        });
        close();
        Then([this] { EXPECT_EQ(WindowsOnShow(), 1u) << "closed"; });
        machine.Pause(kAllOver);
        RunAndCloseAlbum();
        EXPECT_EQ(Played("FanfareWAVE"), 1u);
        EXPECT_EQ(Played("JingleWAVE"), 0u) << "the book's screen, not the page's jingle";
        EXPECT_EQ(PlayedAfterARestart("FanfareWAVE"), 0u) << "not again after a restart";
    }
}
