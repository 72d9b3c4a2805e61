#include "catalogue/CommandIds.h"
#include "catalogue/PageGeometry.h"
#include "tests/scenarios/AlbumScenario.h"

using Pixels = std::vector<uint32_t>;

class Minimize : public AlbumScenario {
protected:
    // Long enough for a stick's sparkle, or a sticker going back to its button, to end.
    static constexpr DWORD kWhileEffectsRun = 1000;

    const int32_t sticker = StickersOf(1)[0];

    // The whole screen but the next-page button's first column: a page turn draws the
    // page label over it, where a full repaint draws the button over the label.
    Pixels Screen() const {
        Pixels pixels = ScreenBlock(RECT{0, 0, 1024, 768});
        const ButtonRow& next = CommandButtonRows[static_cast<size_t>(IDM_NEXTPAGE - IDM_QUIT)];
        for (LONG y = next.y; y < next.y + next.height; ++y)
            pixels[static_cast<size_t>(y * 1024 + next.x)] = 0;
        return pixels;
    }

    // Hidden by the desktop and shown again: in between the album is inactive and silent.
    void MinimizeAndRestore() {
        machine.Minimize();
        Then([this] {
            EXPECT_EQ(Messages().IsActive(), 0);
            EXPECT_EQ(multimedia.RunningTimers(), 0u) << "silent while hidden";
        });
        machine.Restore();
    }
    // The screen is as it was, and the album active and playing its song again.
    void ExpectScreen(const Pixels& before) {
        Then([this, &before] {
            EXPECT_TRUE(Screen() == before) << "the album as it was";
            EXPECT_EQ(Messages().IsActive(), 1);
            EXPECT_EQ(multimedia.RunningTimers(), 1u) << "the song again";
        });
    }
};

// On the second page, another sheet, one sticker fewer: minimised and restored, the
// album shows all of it again, also with About open over it, whose Enter still answers.
// A sticker carried when the album is minimised, or another program takes over, is let
// go as a right click lets it go: the pointer shows, the button is up, nothing is stuck,
// and the album shows as before the pick once it is back.
TEST_F(Minimize, TheAlbumComesBackAsItWasWithADialogOrACarriedStickerLetGo) {
    Pixels playing, withAbout;
    const std::pair<std::function<void()>, std::function<void()>> ways[] = {
        {[this] { machine.Minimize(); }, [this] { machine.Restore(); }},
        {[this] { machine.Activate(false); }, [this] { machine.Activate(true); }}};
    machine.Activate(true);
    StartBook();
    PressKey(VK_NEXT);
    Stick(sticker, true);
    machine.Pause(kWhileEffectsRun);
    Then([&] { playing = Screen(); });
    MinimizeAndRestore();
    ExpectScreen(playing);
    PressKey('I');
    Then([&] { withAbout = Screen(); });
    MinimizeAndRestore();
    ExpectScreen(withAbout);
    PressKey(VK_RETURN);
    ExpectScreen(playing);
    for (const auto& [leave, comeBack] : ways) {
        PickSticker(sticker + 1);  // another button of the sheet on show
        machine.MovePointer(POINT{kPageLeft + 200, kPageTop + 200});
        Then([this] {
            ASSERT_TRUE(album->View().IsDragging());
            EXPECT_FALSE(machine.CursorVisible());
        });
        leave();
        Then([this] {
            EXPECT_FALSE(album->View().IsDragging());
            EXPECT_TRUE(machine.CursorVisible());
            EXPECT_EQ(album->Selection().GetStkrBtnPressed(), kNoButton) << "the button is let go";
        });
        comeBack();
        machine.Pause(kWhileEffectsRun);
        ExpectScreen(playing);
    }
    EXPECT_EQ(RunAndCloseAlbum(), 0);
    EXPECT_EQ(StickersInRecord(), std::vector<int32_t>{sticker});
}
