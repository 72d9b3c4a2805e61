#include "app/BitmapDialogs.h"
#include "platform/gdi/DeviceContext.h"
#include "tests/platform/user/WindowFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/TempDirectory.h"

namespace {

// A picture resource drawn alone, to compare with what the dialogs show.
Surface ResourceFace(const char* name, LONG width, LONG height) {
    Surface surface(width, height);
    HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
    DrawBitmapResource(dc, name, 0, 0);
    ReleaseSurfaceDC(dc);
    return surface;
}

class BitmapDialogsTest : public WindowFixture {
protected:
    void SetUp() override { RunUntilIdle(); }

    static uint32_t Screen(LONG x, LONG y) { return ScreenPixels().Pixel(x, y); }

    // Input comes before painting, so a look at a running dialog first paints it: the
    // dialog holds the focus on one of its buttons.
    static void PaintDialogNow() {
        const HWND dialog = GetParent(GetFocus());
        UpdateWindow(dialog);
        for (int id : {IDOK, IDCANCEL}) UpdateWindow(GetDlgItem(dialog, id));
    }

    TempDirectory folder;
    LogCapture log;
    const HWND main = MakeWindow("main", {0, 0, 1024, 768});
};

TEST_F(BitmapDialogsTest, TheQuestionIsYesForEnterOnlyAndNoWhenItCannotBeShown) {
    struct Row {
        UINT key;
        const char* picture;
        bool shown, yes;
    };
    for (const Row& row :
         {Row{VK_RETURN, "ClearAllDialogBkg", true, true},
          Row{VK_ESCAPE, "ClearAllDialogBkg", true, false},
          Row{VK_RETURN, "NoSuchPicture", false, false}, Row{VK_RETURN, nullptr, false, false}}) {
        SCOPED_TRACE(row.picture != nullptr ? row.picture : "no picture");
        bool ownerDisabled = false;
        machine.Then([&] { ownerDisabled = !IsWindowEnabled(main); });
        machine.PressKey(row.key);
        EXPECT_EQ(AskYesNo(main, row.picture), row.yes);
        EXPECT_TRUE(IsWindowEnabled(main));
        RunUntilIdle();
        EXPECT_EQ(ownerDisabled, row.shown) << "the owner is disabled only while a dialog runs";
    }
    EXPECT_EQ(ShowBitmapDialog(main, kDialogYesNo, YesNoDialogProc, "NoSuchPicture"), -1);
    machine.Then([&] { DestroyWindow(main); });
    EXPECT_EQ(ShowBitmapDialog(main, kDialogYesNo, YesNoDialogProc, "ClearAllDialogBkg"), -1)
        << "an owner destroyed while the dialog runs ends it";
}

TEST_F(BitmapDialogsTest, TheQuestionIsItsPictureCentredWithItsButtons) {
    const Surface background = ResourceFace("ClearAllDialogBkg", 360, 360);
    const Surface yes = ResourceFace("YESButtonUp", 128, 50);
    const Surface no = ResourceFace("NOButtonUp", 128, 50);
    bool checked = false;
    machine.Then([&] {
        PaintDialogNow();
        // 360 x 360 centred on 1024 x 768; YES at (38, 288) and NO at (196, 288) inside.
        EXPECT_EQ(Screen(332 + 5, 204 + 5), background.Pixel(5, 5));
        EXPECT_EQ(Screen(332 + 359, 204 + 359), background.Pixel(359, 359));
        EXPECT_EQ(Screen(332 + 38 + 60, 204 + 288 + 20), yes.Pixel(60, 20));
        EXPECT_EQ(Screen(332 + 196 + 60, 204 + 288 + 20), no.Pixel(60, 20));
        checked = true;
    });
    // NO by its button.
    machine.Click(POINT{332 + 196 + 60, 204 + 288 + 20});
    EXPECT_EQ(ShowBitmapDialog(main, kDialogYesNo, YesNoDialogProc, "ClearAllDialogBkg"), 2);
    EXPECT_TRUE(checked);
    RunUntilIdle();
    EXPECT_NE(Screen(332 + 5, 204 + 5), background.Pixel(5, 5)) << "its place is repainted after";
}

TEST_F(BitmapDialogsTest, AButtonShowsItsDownPictureWhileHeld) {
    // OK lies at (114, 296) inside the 360 x 360 dialog at (332, 204).
    const POINT onOk{332 + 114 + 64, 204 + 296 + 25};
    uint32_t held = 0, released = 0;
    machine.MovePointer(onOk);
    machine.PressButton(onOk);
    machine.Then([&] {
        PaintDialogNow();
        held = Screen(onOk.x, onOk.y);
    });
    machine.MovePointer(POINT{10, 10});
    machine.Then([&] {
        PaintDialogNow();
        released = Screen(onOk.x, onOk.y);
    });
    machine.ReleaseButton(POINT{10, 10});
    machine.PressKey(VK_ESCAPE);
    EXPECT_EQ(ShowBitmapDialog(main, kDialogOk, OkDialogProc, "AboutDialogBkg"), 2);
    EXPECT_EQ(held, ResourceFace("OKButtonDown", 128, 50).Pixel(64, 25));
    EXPECT_EQ(released, ResourceFace("OKButtonUp", 128, 50).Pixel(64, 25));
}

TEST_F(BitmapDialogsTest, TheEndingScreenCoversTheScreenAndIgnoresEscape) {
    const Surface ending = ResourceFace("EndingScrnDialogBkg", 1024, 768);
    bool escapeSurvived = false;
    machine.PressKey(VK_ESCAPE);
    machine.Then([&] {
        escapeSurvived = true;
        PaintDialogNow();
        EXPECT_EQ(Screen(0, 0), ending.Pixel(0, 0));
        EXPECT_EQ(Screen(1023, 767), ending.Pixel(1023, 767));
    });
    // Quit at (450, 696), 124 x 52.
    machine.Click(POINT{450 + 60, 696 + 26});
    EXPECT_EQ(ShowBitmapDialog(main, kDialogEnding, QuitDialogProc, "EndingScrnDialogBkg"), 1);
    EXPECT_TRUE(escapeSurvived);
}

// The celebration covers the screen and closes at any button press or key, but not at
// the release of a button pressed before it opened.
TEST_F(BitmapDialogsTest, TheCelebrationClosesAtAnyPressOrKeyButNotAtARelease) {
    const Surface face = ResourceFace("BookFullDialogBkg", 1024, 768);
    const std::vector<std::pair<const char*, std::function<void()>>> closers{
        {"a left click",
         [this] {
             machine.Click(POINT{300, 300});
         }},
        {"a right click",
         [this] {
             machine.PressButton(POINT{300, 300}, InputEvent::Button::Right);
         }},
        {"a letter", [this] { machine.PressKey('A'); }},
        {"Escape", [this] { machine.PressKey(VK_ESCAPE); }},
    };
    for (const auto& [what, close] : closers) {
        SCOPED_TRACE(what);
        bool releaseSurvived = false;
        machine.ReleaseButton(POINT{300, 300});
        machine.Then([&] {
            releaseSurvived = true;
            UpdateWindow(GetFocus());
            EXPECT_EQ(Screen(512, 600), face.Pixel(512, 600));
        });
        close();
        EXPECT_NE(
            ShowBitmapDialog(main, kDialogCelebration, CelebrationDialogProc, "BookFullDialogBkg"),
            0);
        EXPECT_TRUE(releaseSurvived);
        RunUntilIdle();
    }
}

TEST_F(BitmapDialogsTest, AnUnknownKindShowsNothingAndAMissingPictureDrawsNothing) {
    for (const int kind : {kNumberOfDialogKinds, -1})
        EXPECT_EQ(ShowBitmapDialog(main, kind, OkDialogProc, "AboutDialogBkg"), 0) << kind;
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
    Surface surface(4, 4);
    HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
    EXPECT_EQ(DrawBitmapResource(dc, "NoSuchPicture", 0, 0), 1);
    EXPECT_EQ(DrawBitmapResource(dc, nullptr, 0, 0), 1);
    ReleaseSurfaceDC(dc);
    EXPECT_EQ(surface.Pixel(0, 0), 0u);
}

}  // namespace
