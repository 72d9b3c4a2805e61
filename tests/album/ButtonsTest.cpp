#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "album/Album.h"
#include "album/ButtonBitmap.h"
#include "catalogue/TileTables.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/user/User.h"
#include "platform/user/WindowManager.h"
#include "tests/album/AlbumFiles.h"
#include "tests/album/ScreenPictures.h"
#include "tests/support/LogCapture.h"

namespace {

const TiledBitmapInfo kStickerFaces{5, kStickerButtonTiles.data(), "\\data003\\faces5.dat"};
const TiledBitmapInfo kTwoFaces{2, kSheetButtonTiles.data(), "\\data003\\faces2.dat"};

class ButtonBitmapTest : public ::testing::Test {
protected:
    ButtonBitmapTest() {
        WriteTiledPicture(kStickerFaces, 5);
        WriteTiledPicture(kTwoFaces, 2);
    }

    // Requests `state` of `picture`, drawn at (10, 10), and answers the face on the surface.
    COLORREF Request(ButtonBitmap& picture, int32_t state) {
        HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
        const POINT offset{10, 10};
        picture.SetState(dc, state, &offset);
        ReleaseSurfaceDC(dc);
        return SurfaceColour(surface.Pixel(10, 10));
    }

    AlbumFolder album;
    Surface surface{100, 100};
};

TEST_F(ButtonBitmapTest, PickedIsHeldUntilUsedOrResetAndEachStateShowsItsFace) {
    // Without a picture the state is still kept and nothing is drawn.
    ButtonBitmap bare;
    EXPECT_EQ(bare.GetState(), kButtonStateReset);
    EXPECT_EQ(bare.GetTile(), 0);
    EXPECT_EQ(Request(bare, 2), 0u);
    EXPECT_EQ(bare.GetState(), 2);
    const struct {
        int32_t current, requested, next;
    } rows[] = {{0, 6, 0}, {3, 6, 0}, {3, 4, 4}, {3, 0, 3}, {3, 1, 3}, {3, 2, 3},
                {0, 3, 3}, {4, 0, 0}, {4, 2, 2}, {1, 2, 2}, {2, 1, 1}, {6, 4, 4}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.current << " asked " << row.requested);
        ButtonBitmap picture;
        picture.SetTiledInfo(&kStickerFaces);
        picture.Load(nullptr);
        if (row.current != kButtonStateReset) Request(picture, row.current);
        ASSERT_TRUE(row.current != kButtonStatePicked || picture.GetState() == row.current);
        Request(picture, row.requested);
        EXPECT_EQ(picture.GetState(), row.next);
    }
    // Each request in turn and the face it shows: a two-face picture changes face only for
    // normal and pressed; the state it keeps is still the one asked for.
    const std::pair<const TiledBitmapInfo*, std::vector<std::pair<int32_t, int32_t>>> runs[] = {
        {&kStickerFaces, {{0, 0}, {1, 1}, {2, 2}, {4, 4}, {0, 0}, {3, 3}, {6, 0}}},
        {&kTwoFaces, {{2, 1}, {1, 1}, {0, 0}, {3, 0}, {4, 0}, {6, 0}}}};
    for (const auto& [info, requests] : runs) {
        ButtonBitmap picture;
        picture.SetTiledInfo(info);
        ASSERT_TRUE(picture.Load(nullptr));
        for (const auto& [state, face] : requests) {
            EXPECT_EQ(Request(picture, state), TileColour(info->tileCount, face))
                << info->tileCount << " faces, state " << state;
        }
    }
}

// The keyboard's ring lies over the face's edge, rounded at the corners, the same all
// round, and leaves the rest of the face as it is; the state rule is the same with it.
TEST_F(ButtonBitmapTest, TheRingLiesOverTheFacesEdgeAndLeavesTheRestOfTheFace) {
    ButtonBitmap picture;
    picture.SetTiledInfo(&kStickerFaces);
    ASSERT_TRUE(picture.Load(nullptr));
    const COLORREF face = Request(picture, kButtonStatePicked);
    HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
    const POINT offset{10, 10};
    picture.SetState(dc, kButtonStateNormal, &offset, Ring::Around);
    ReleaseSurfaceDC(dc);
    EXPECT_EQ(picture.GetState(), kButtonStatePicked);
    const LONG w = kStickerButtonTiles[3].width, h = kStickerButtonTiles[3].height;
    const struct {
        const char* where;
        LONG x, y;
        bool ringed;
    } rows[] = {{"the corner, outside the curve", 0, 0, false},
                {"the left edge", 0, h / 2, true},
                {"the band", 3, h / 2, true},
                {"the right edge", w - 1, h / 2, true},
                {"the bottom edge", w / 2, h - 1, true},
                {"the last line of the ring", 5, h / 2, true},
                {"just inside the ring", 6, h / 2, false},
                {"the middle", w / 2, h / 2, false}};
    for (const auto& row : rows) {
        const std::optional<COLORREF> ring = ButtonBitmap::RingColour(row.x, row.y, w, h);
        EXPECT_EQ(ring.has_value(), row.ringed) << row.where;
        EXPECT_EQ(SurfaceColour(surface.Pixel(10 + row.x, 10 + row.y)), ring.value_or(face))
            << row.where;
    }
    for (LONG y = 0; y < h; ++y)
        for (LONG x = 0; x < w; ++x) {
            const std::optional<COLORREF> ring = ButtonBitmap::RingColour(x, y, w, h);
            ASSERT_EQ(ring, ButtonBitmap::RingColour(w - 1 - x, y, w, h)) << x << "," << y;
            ASSERT_EQ(ring, ButtonBitmap::RingColour(x, h - 1 - y, w, h)) << x << "," << y;
        }
}

std::vector<int> g_commands;

// The main window's part in drawing buttons: requests below the sticker buttons go to
// the screen on show of the album in the window's user data, sticker buttons draw
// themselves through their hook.
LRESULT MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        auto* book = reinterpret_cast<Album*>(GetWindowLongPtrA(window, GWL_USERDATA));
        if (static_cast<int32_t>(wParam) < IDM_STICKER1)
            book->Phase().Current()->DrawItem(item, static_cast<int32_t>(wParam));
        else
            SendMessageA(item->hwndItem, WM_DRAWITEM, wParam, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND) g_commands.push_back(LOWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

class PlayingButtonsTest : public ::testing::Test {
protected:
    PlayingButtonsTest() {
        WindowManager::Instance().Reset();
        machine.Reset();
        machine.SetVirtualClock(0);
        g_commands.clear();
        FillPlayingButtonInfos();
        for (int32_t n = 0; n < kNumberOfCommandButtons; ++n)
            WriteTiledPicture(CommandButtonInfos[static_cast<size_t>(n)], 100 + n);
        for (int32_t n = 0; n < kNumberOfSheets; ++n)
            WriteTiledPicture(SheetButtonInfos[static_cast<size_t>(n)], 200 + n);
        for (int32_t n = 0; n < 2 * kStickersPerSheet; ++n)
            WriteTiledPicture(StickerButtonInfos[static_cast<size_t>(n)], n);
        book.Stickers().ReadStickersUsed();
        WNDCLASSEXA mainClass{sizeof(WNDCLASSEXA), 0,       MainProc, 0,       0,
                              ProgramInstance(),   nullptr, nullptr,  nullptr, nullptr,
                              "ButtonsTestMain",   nullptr};
        RegisterClassExA(&mainClass);
        main = CreateWindowExA(0, "ButtonsTestMain", "", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768,
                               nullptr, nullptr, ProgramInstance(), nullptr);
        SetWindowLongPtrA(main, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&book));
        book.Phase().MakeCurrent(&phase);
        phase.PrepareButtons(main);
        phase.Start(main);
        HeadlessBackend::RunUntilIdle();
    }

    ~PlayingButtonsTest() override {
        book.ButtonFamilies().commands.UnsubclassAll();
        book.ButtonFamilies().sheets.UnsubclassAll();
        book.ButtonFamilies().stickers.UnsubclassAll();
        machine.Reset();
        WindowManager::Instance().Reset();
    }

    static POINT Inside(const ButtonRow& row, LONG dx = 5, LONG dy = 5) {
        return POINT{row.x + dx, row.y + dy};
    }
    static const ButtonRow& Sticker(int32_t slot) {
        return StickerButtonRows[static_cast<size_t>(slot)];
    }
    static COLORREF FaceOf(const ButtonRow& row) { return ScreenColour(row.x + 5, row.y + 5); }
    static COLORREF FaceOf(int32_t slot) { return FaceOf(Sticker(slot)); }
    HWND StickerWindow(int32_t slot) { return book.ButtonFamilies().stickers.GetWindow(slot); }
    int MouseState(int32_t slot) {
        return StickerButtonSubclass::Find(StickerWindow(slot))->GetMouseState();
    }

    void Run() { HeadlessBackend::RunUntilIdle(); }
    void Move(POINT at) { machine.MovePointer(at), Run(); }
    void Press(POINT at) { machine.MovePointer(at), machine.PressButton(at), Run(); }
    void Release(POINT at) { machine.ReleaseButton(at), Run(); }
    // Clicks the sticker slot; the pick makes the button current and gives the focus
    // back to the main window.
    void Pick(int32_t slot) {
        machine.Click(Inside(Sticker(slot)));
        Run();
        selection.SetStkrBtnPressed(IDM_STICKER1 + slot);
        SetFocus(main);
    }

    AlbumFolder album;
    LogCapture log;
    HeadlessBackend& machine = HeadlessBackend::Instance();
    Album book;
    PlayingPhase& phase = book.Playing();
    StickerSelection& selection = book.Selection();
    HWND main{};
};

TEST_F(PlayingButtonsTest, EveryButtonIsAHookedOwnerDrawnChildAtItsRowTheTitlesToo) {
    ButtonSets& sets = book.ButtonFamilies();
    const std::pair<const ButtonSet*, const ButtonRow*> firsts[] = {
        {&sets.commands, &CommandButtonRows[0]},
        {&sets.sheets, &SheetButtonRows[0]},
        {&sets.stickers, &StickerButtonRows[0]}};
    for (const auto& [set, row] : firsts) {
        EXPECT_EQ(GetParent(set->GetWindow(0)), main);
        EXPECT_EQ(GetDlgCtrlID(set->GetWindow(0)), row->id);
    }
    EXPECT_NE(StickerButtonSubclass::Find(StickerWindow(27)), nullptr);
    EXPECT_NE(CommandButtonSubclass::Find(sets.commands.GetWindow(5)), nullptr);
    EXPECT_EQ(CommandButtonSubclass::Find(StickerWindow(0)), nullptr);
    // The first paint: normal sticker faces, the current sheet's down face, the others up.
    EXPECT_EQ(FaceOf(0), TileColour(0, 0));
    EXPECT_EQ(FaceOf(SheetButtonRows[0]), TileColour(200, 1));
    EXPECT_EQ(FaceOf(SheetButtonRows[1]), TileColour(201, 0));
    EXPECT_EQ(FaceOf(CommandButtonRows[0]), TileColour(100, 0));
    // A command button shows its down face while the program presses it.
    for (BOOL pressed : {TRUE, FALSE}) {
        SendMessageA(sets.commands.GetWindow(1), BM_SETSTATE, static_cast<WPARAM>(pressed), 0);
        Run();
        EXPECT_EQ(FaceOf(CommandButtonRows[1]), TileColour(101, pressed));
    }
    // Buttons show the arrow; unhooking gives the standard procedure back.
    CursorObject arrow{CursorImage{1, 1, POINT{0, 0}, {0xFF00FF00}}};
    ButtonSubclass::SetArrowCursor(&arrow);
    EXPECT_EQ(
        SendMessageA(StickerWindow(0), WM_SETCURSOR, reinterpret_cast<WPARAM>(StickerWindow(0)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
        0);
    ButtonSubclass::SetArrowCursor(nullptr);
    book.ButtonFamilies().stickers.UnsubclassAll();
    EXPECT_EQ(StickerButtonSubclass::Find(StickerWindow(0)), nullptr);
    EXPECT_EQ(book.ButtonFamilies().stickers.GetSubclass(0).GetWindow(), nullptr);
    // The title's button lives from the title's start to its stop.
    WriteTiledPicture(TiledBitmapInfo{2, kStartButtonTiles.data(), kStartButtonFile}, 300);
    TitlePhase& title = book.Title();
    book.Phase().MakeCurrent(&title);
    title.Start(main);
    Run();
    const HWND start = sets.start.GetWindow(0);
    EXPECT_EQ(FaceOf(StartButtonRows[0]), TileColour(300, 0));
    EXPECT_NE(StartButtonSubclass::Find(start), nullptr);
    title.Stop();
    EXPECT_EQ(sets.start.GetWindow(0), nullptr);
    EXPECT_FALSE(IsWindow(start));
    EXPECT_EQ(StartButtonSubclass::Find(start), nullptr);
    EXPECT_EQ(title.DrawSticker(nullptr, IDM_STICKER1, 0), 0);
}

TEST_F(PlayingButtonsTest, StickerButtonsFollowThePointerKeepPickedAndUsedFacesDragOffIsNoClick) {
    Move(Inside(Sticker(3)));
    EXPECT_EQ(FaceOf(3), TileColour(3, 1));
    // Moves within the button after the leave request change nothing.
    EXPECT_NE(StickerButtonSubclass::Find(StickerWindow(3))->GetTracking(), 0);
    Move(Inside(Sticker(3), 20, 20));
    EXPECT_EQ(MouseState(3), ButtonSubclass::kMouseOver);
    Pick(3);
    EXPECT_EQ(g_commands, std::vector<int>{IDM_STICKER1 + 3});
    EXPECT_EQ(FaceOf(3), TileColour(3, 3));
    Move(POINT{500, 400});
    EXPECT_EQ(MouseState(3), ButtonSubclass::kMouseAway);
    EXPECT_EQ(FaceOf(3), TileColour(3, 3));
    phase.ReleaseStickerButton();
    Run();
    EXPECT_EQ(selection.GetStkrBtnPressed(), kNoButton);
    EXPECT_EQ(FaceOf(3), TileColour(3, 0));
    // A stuck sticker keeps its used face whatever the mouse does.
    Pick(5);
    book.Stickers().SetStickerUsed(5);
    phase.ReleaseStickerButton();
    Run();
    EXPECT_EQ(FaceOf(5), TileColour(5, 4));
    Press(Inside(Sticker(5)));
    EXPECT_EQ(FaceOf(5), TileColour(5, 4));
    machine.ReleaseButton(Inside(Sticker(5)));
    Move(POINT{500, 400});
    EXPECT_EQ(FaceOf(5), TileColour(5, 4));
    g_commands.clear();
    // A press dragged off the button is no click and leaves the normal face.
    Press(Inside(Sticker(7)));
    EXPECT_EQ(FaceOf(7), TileColour(7, 2));
    Move(POINT{500, 400});
    EXPECT_EQ(MouseState(7), ButtonSubclass::kMouseAway);
    Release(POINT{500, 400});
    EXPECT_TRUE(g_commands.empty());
    EXPECT_EQ(FaceOf(7), TileColour(7, 0));
}

TEST_F(PlayingButtonsTest, SheetButtonsKnowThePressAndRedrawTheStickersAndOnlyRealOnesAreTaken) {
    const ButtonRow& sheet = SheetButtonRows[2];
    Press(Inside(sheet));
    EXPECT_EQ(selection.GetSheetPressed(), 1);
    EXPECT_EQ(phase.GetFocusedSheet(), sheet.id);
    EXPECT_EQ(FaceOf(sheet), TileColour(202, 1));
    Move(POINT{sheet.x + 60, sheet.y + 65});
    EXPECT_EQ(selection.GetSheetPressed(), 1) << "the face's last column and row";
    Move(POINT{sheet.x + 61, sheet.y + 5});
    EXPECT_EQ(selection.GetSheetPressed(), 0);
    EXPECT_EQ(FaceOf(sheet), TileColour(202, 0));
    Move(Inside(sheet));
    EXPECT_EQ(selection.GetSheetPressed(), 1);
    Release(Inside(sheet));
    EXPECT_EQ(g_commands, std::vector<int>{sheet.id});
    // Changing the sheet redraws the stickers of the new sheet.
    const int32_t usedOnSheetTwo = kStickersPerSheet + 10;
    book.Stickers().SetStickerUsed(usedOnSheetTwo);
    selection.SetCurrentSheet(IDM_SHEET1 + 1);
    for (int32_t slot = 0; slot < kStickersPerSheet; ++slot)
        for (BOOL state : {TRUE, FALSE, TRUE})
            SendMessageA(StickerWindow(slot), BM_SETSTATE, static_cast<WPARAM>(state), 0);
    Run();
    EXPECT_EQ(FaceOf(0), TileColour(kStickersPerSheet, 0));
    EXPECT_EQ(FaceOf(27), TileColour(kStickersPerSheet + 27, 0));
    EXPECT_EQ(FaceOf(10), TileColour(usedOnSheetTwo, 4));
    // The last sheet and sticker are taken, the ones past them refused.
    EXPECT_FALSE(selection.SetStkrBtnPressed(IDM_STICKER28 + 1));
    EXPECT_FALSE(selection.SetCurrentSheet(IDM_SHEET8 + 1));
    EXPECT_FALSE(selection.SetCurrentSheet(IDM_SHEET1 - 1));
    EXPECT_TRUE(selection.SetStkrBtnPressed(IDM_STICKER28));
    EXPECT_TRUE(selection.SetCurrentSheet(IDM_SHEET8));
}

// The sheet buttons' draw rules, one request after another on a fresh playing screen
// whose current sheet is the first.
TEST(SheetButtonRulesTest, TheCurrentSheetKeepsItsDownFaceAndAPressShowsWhileItIsIn) {
    const struct {
        int32_t id;
        UINT action, itemState;
        int32_t pressedIn, stateAfter;
    } requests[] = {
        {IDM_SHEET1 + 1, ODA_DRAWENTIRE, 0, 0, kButtonStateNormal},
        {IDM_SHEET1, ODA_DRAWENTIRE, 0, 0, kButtonStatePressed},
        {IDM_SHEET1 + 1, ODA_SELECT, ODS_SELECTED, 1, kButtonStateNormal},
        {IDM_SHEET1 + 1, ODA_FOCUS, ODS_FOCUS, 1, kButtonStatePressed},
        {IDM_SHEET1 + 1, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 0, kButtonStateNormal},
        {IDM_SHEET1 + 1, ODA_SELECT, ODS_SELECTED | ODS_FOCUS, 1, kButtonStatePressed},
        {IDM_SHEET1, ODA_SELECT, 0, 1, kButtonStatePressed},
        // Not current, not focused, not a whole draw: nothing is drawn.
        {IDM_SHEET1 + 2, ODA_SELECT, 0, 1, kButtonStateOver},
    };
    Album book;
    PlayingPhase& phase = book.Playing();
    SheetButtonSet& sheets = book.ButtonFamilies().sheets;
    Surface surface(70, 70);
    HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
    // A state no rule asks for, so that a request that draws nothing shows.
    sheets.DrawButton(dc, kButtonStateOver, 2, nullptr);
    for (const auto& r : requests) {
        SCOPED_TRACE(testing::Message()
                     << r.id << " action " << r.action << " state " << r.itemState);
        book.Selection().SetSheetPressed(r.pressedIn);
        const DRAWITEMSTRUCT item{
            ODT_BUTTON, static_cast<UINT>(r.id), 0, r.action, r.itemState, nullptr,
            dc,         RECT{0, 0, 60, 65},      0};
        const ButtonBitmap* picture = sheets.GetPicture(r.id - IDM_SHEET1);
        phase.DrawItem(&item, r.id);
        EXPECT_EQ(picture->GetState(), r.stateAfter);
    }
    EXPECT_EQ(phase.GetFocusedSheet(), IDM_SHEET1 + 1);
    ReleaseSurfaceDC(dc);
}

}  // namespace
