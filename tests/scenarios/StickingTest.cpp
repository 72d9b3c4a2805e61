#include "album/AlbumView.h"
#include "album/StickersUsed.h"
#include "catalogue/StickerNumbering.h"
#include "io/Initialization.h"
#include "scene/Sprite.h"
#include "tests/scenarios/AlbumScenario.h"

namespace {

POINT Offset(POINT point, LONG dx, LONG dy) {
    return POINT{point.x + dx, point.y + dy};
}

}  // namespace

class Sticking : public AlbumScenario {
protected:
    // The first sticker that lives on the first page.
    const int32_t sticker = StickerOnPage(0);
    const ButtonRow& button = ButtonOf(sticker);

    void StartOnItsSheet() {
        StartBook();
        ChooseSheetOf(sticker);
    }

    bool Used() const { return GetStickersUsed()->GetStickerUsed(sticker) == SU_USED; }
    // The pixels of the sticker's button, to compare its faces.
    std::vector<uint32_t> ButtonFace() const {
        std::vector<uint32_t> face;
        for (LONG y = button.y; y < button.y + button.height; y += 3) {
            for (LONG x = button.x; x < button.x + button.width; x += 3)
                face.push_back(ScreenPixel(x, y));
        }
        return face;
    }
};

TEST_F(Sticking, APickedStickerPeelsShowsTheHintOnceAndHangsUnderTheHiddenPointer) {
    StartOnItsSheet();
    PickSticker(sticker, true);
    Then([this] {
        EXPECT_EQ(SoundsPlayed(), (std::vector<std::string>{"PeelWAVE"}));
        EXPECT_EQ(CInitialization::ms_ShowNewStickerDialog, 0);
        EXPECT_EQ(FileBytes("options03.dta").back(), 0) << "the hint is off for good";
        EXPECT_FALSE(machine.CursorVisible());
        EXPECT_TRUE(GetAlbumView().IsDragging());
    });
    machine.MovePointer(POINT{300, 300});
    Then([] {
        const CSprite* carried = GetAlbumView().GetCapturedSprite();
        ASSERT_NE(carried, nullptr);
        EXPECT_EQ(carried->GetX() + carried->GetWidth() / 2, 300 - 90);
    });
    PressKey(VK_ESCAPE);  // nothing for the album; the next pick shows no hint
    machine.PressButton(POINT{300, 300}, InputEvent::Button::Right);
    machine.ReleaseButton(POINT{300, 300}, InputEvent::Button::Right);
    PickSticker(sticker);
    Then([this] {
        EXPECT_FALSE(machine.CursorVisible()) << "carrying at once: no hint the second time";
        EXPECT_TRUE(GetAlbumView().IsDragging());
    });
    CloseAlbum();
    RunAlbum();

    ResetMachine();
    StartOnItsSheet();
    PickSticker(sticker);
    Then([this] { EXPECT_TRUE(GetAlbumView().IsDragging()) << "nor after a restart"; });
    CloseAlbum();
    RunAlbum();
}

TEST_F(Sticking, DroppedNearItsHomeTheStickerSnapsOnCountsAsUsedAndItsButtonIsDone) {
    std::vector<uint32_t> unusedFace;
    int32_t leftBefore = 0;
    StartOnItsSheet();
    Then([&] {
        unusedFace = ButtonFace();
        leftBefore = StickersUsed::ms_StickersLeft;
    });
    PickSticker(sticker, true);
    DropStickerAt(sticker, Offset(HomeOf(sticker), 19, -19));
    Then([&] {
        EXPECT_TRUE(Used());
        EXPECT_EQ(StickersUsed::ms_StickersLeft, leftBefore - 1);
        EXPECT_EQ(SoundsPlayed(), (std::vector<std::string>{"PeelWAVE", "StickWAVE"}));
        EXPECT_TRUE(machine.CursorVisible());
        uint32_t colour = 0;
        const POINT inside = OpaquePointOfStickerAtHome(sticker, colour);
        EXPECT_EQ(ScreenPixel(inside.x, inside.y), colour) << "snapped exactly onto its home";
        EXPECT_NE(ButtonFace(), unusedFace) << "the used face";
    });
    PickSticker(sticker);
    Then([this] {
        EXPECT_FALSE(GetAlbumView().IsDragging()) << "a used sticker's button does nothing";
        EXPECT_EQ(SoundsPlayed().size(), 2u);
    });
    CloseAlbum();
    RunAlbum();
    EXPECT_EQ(FileBytes(PageFileName(0)).size(), 16u + 20u) << "one sticker record on the page";
}

TEST_F(Sticking, TooFarOffOrOnTheOtherPageTheStickerIsThrownAwayAndCanBePickedAgain) {
    StartOnItsSheet();
    PickSticker(sticker, true);
    DropStickerAt(sticker, Offset(HomeOf(sticker), 20, 0));
    Then([this] {
        EXPECT_FALSE(Used());
        EXPECT_FALSE(GetAlbumView().IsDragging());
        EXPECT_TRUE(machine.CursorVisible());
    });
    PressKey(VK_NEXT);
    PickSticker(sticker);
    DropStickerAt(sticker, HomeOf(sticker));
    Then([this] { EXPECT_FALSE(Used()) << "its home is on the other page"; });
    PressKey(VK_PRIOR);
    PickSticker(sticker);
    DropStickerAt(sticker, HomeOf(sticker));
    Then([this] { EXPECT_TRUE(Used()); });
    CloseAlbum();
    RunAlbum();
    EXPECT_EQ(SoundsPlayed(),
              (std::vector<std::string>{"PeelWAVE", "PeelWAVE", "PeelWAVE", "StickWAVE"}));
}

TEST_F(Sticking, StuckStickersStayAfterTurningThePagesAndAfterARestart) {
    uint32_t colour = 0;
    POINT inside{};
    StartOnItsSheet();
    PickSticker(sticker, true);
    DropStickerAt(sticker, HomeOf(sticker));
    Then([&] { inside = OpaquePointOfStickerAtHome(sticker, colour); });
    PressKey(VK_DOWN);
    Then([&] { EXPECT_NE(ScreenPixel(inside.x, inside.y), colour) << "the other page"; });
    PressKey(VK_UP);
    Then([&] { EXPECT_EQ(ScreenPixel(inside.x, inside.y), colour) << "and back"; });
    CloseAlbum();
    RunAlbum();

    ResetMachine();
    StartOnItsSheet();
    Then([&] { EXPECT_EQ(ScreenPixel(inside.x, inside.y), colour); });
    CloseAlbum();
    RunAlbum();
}
