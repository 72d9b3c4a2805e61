#include "catalogue/StickerNumbering.h"
#include "io/Initialization.h"
#include "tests/scenarios/AlbumScenario.h"

class Sticking : public AlbumScenario {
protected:
    // A sticker put back glides to its button meanwhile.
    static constexpr DWORD kWhileItGoesBack = 500;

    const int32_t sticker = StickersOf(0)[0];

    void StartOnItsSheet() {
        StartBook();
        ChooseSheetOf(sticker);
    }
    bool Used() const { return album->Stickers().GetStickerUsed(sticker) == SU_USED; }
    std::vector<uint32_t> ButtonFace() const {
        const ButtonRow& b = StickerButtonRows[static_cast<size_t>(sticker % kStickersPerSheet)];
        return ScreenBlock(RECT{b.x, b.y, b.x + b.width, b.y + b.height});
    }
    void RestartOnItsSheet() {
        RunAndCloseAlbum();
        ResetMachine();
        StartOnItsSheet();
    }
};

// A picked sticker shows the hint once; on the other page it is thrown away; near its
// home it snaps on, counts as used and stays (the snap distances are the snap test's).
TEST_F(Sticking, APickedStickerIsThrownAwayFarFromItsHomeAndSnapsOnNearIt) {
    std::vector<uint32_t> unusedFace;
    StartOnItsSheet();
    Then([&] { unusedFace = ButtonFace(); });
    PickSticker(sticker, true);
    Then([this] {
        EXPECT_EQ(SoundsPlayed(), (std::vector<std::string>{"PeelWAVE"}));
        EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, 0);
        EXPECT_EQ(FileBytes("options03.dta").back(), 0) << "the hint is off for good";
        EXPECT_FALSE(machine.CursorVisible());
        EXPECT_TRUE(album->View().IsDragging());
    });
    RightClick();  // thrown away; the next pick shows no hint
    PickSticker(sticker);
    Then([this] { EXPECT_TRUE(album->View().IsDragging()) << "no hint the second time"; });
    RestartOnItsSheet();
    PickSticker(sticker);
    Then([this] { EXPECT_TRUE(album->View().IsDragging()) << "nor after a restart"; });
    PressKey(VK_NEXT);
    PickSticker(sticker);
    DropStickerAt(sticker, HomeOf(sticker));
    Then([this] {
        EXPECT_FALSE(Used()) << "its home is on the other page";
        EXPECT_FALSE(album->View().IsDragging());
        EXPECT_TRUE(machine.CursorVisible());
    });
    machine.Pause(kWhileItGoesBack);
    PressKey(VK_PRIOR);
    PickSticker(sticker);
    DropStickerAt(sticker, POINT{HomeOf(sticker).x + 19, HomeOf(sticker).y - 19});
    Then([&] {
        EXPECT_TRUE(Used());
        EXPECT_EQ(album->Stickers().GetStickersLeft(), NUMBEROFSTICKERGRAPHICS - 1);
        EXPECT_EQ(SoundsPlayed(), (std::vector<std::string>{"PeelWAVE", "BoopWAVE", "PeelWAVE",
                                                            "BoopWAVE", "PeelWAVE", "StickWAVE"}));
        EXPECT_TRUE(machine.CursorVisible());
        EXPECT_TRUE(ShowsAtHome(sticker)) << "snapped exactly onto its home";
        EXPECT_NE(ButtonFace(), unusedFace) << "the used face";
        // On disk before the next input.
        EXPECT_EQ(StickersInPageFile(0), std::vector<int32_t>{sticker});
        EXPECT_EQ(StickersInRecord(), std::vector<int32_t>{sticker});
    });
    PressKey(VK_DOWN);
    Then([&] { EXPECT_FALSE(ShowsAtHome(sticker)) << "the other page"; });
    PressKey(VK_UP);
    Then([&] { EXPECT_TRUE(ShowsAtHome(sticker)) << "and back"; });
    PickSticker(sticker);
    Then([this] {
        EXPECT_FALSE(album->View().IsDragging()) << "a used sticker's button does nothing";
        EXPECT_EQ(SoundsPlayed().size(), 6u);
    });
    RestartOnItsSheet();
    Then([&] { EXPECT_TRUE(ShowsAtHome(sticker)) << "after a restart"; });
    RunAndCloseAlbum();
}
