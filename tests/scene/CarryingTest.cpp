#include <gtest/gtest.h>

#include "catalogue/PageGeometry.h"
#include "platform/user/User.h"
#include "scene/ChildWindow.h"
#include "scene/CursorSet.h"
#include "tests/gfx/FreshMachine.h"
#include "tests/scene/DocumentFixture.h"

// The cursor display counter as it stands, read without changing it.
static int CursorCounter() {
    ShowCursor(TRUE);
    return ShowCursor(FALSE);
}

// The page window over a main window, with the view of a stand-in page.
class CarryingTest : public DocumentFixture, protected FreshMachine {
protected:
    CarryingTest() {
        main = CreateWindowExA(0, "button", "", WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth,
                               kScreenHeight, nullptr, nullptr, ProgramInstance(), nullptr);
        page = std::make_unique<ChildWindow>(ProgramInstance(), main, &view);
        doc.LoadPage(page->GetHWnd(), PageBackgroundFiles[0], &kPageCorners);
        HeadlessBackend::RunUntilIdle();
    }
    ~CarryingTest() override {
        if (view.IsDragging()) view.EndDrag(page->GetHWnd());
    }

    void Send(UINT message, LONG x, LONG y) {
        SendMessageA(page->GetHWnd(), message, 0, PointToLParam(POINT{x, y}));
    }

    HWND main = nullptr;
    std::unique_ptr<ChildWindow> page;
};

// The sticker follows the mouse; past any edge of the page the pointer is then put back on
// that edge, on the page (the far edges included) it is left where it is.
TEST_F(CarryingTest, ACarriedStickerFollowsTheMouseWithThePointerHeldOnThePage) {
    RECT place{};
    GetWindowRect(page->GetHWnd(), &place);
    EXPECT_EQ(place, (RECT{kPageLeft, kPageTop, kPageRight, kPageBottom}));
    EXPECT_EQ(GetParent(page->GetHWnd()), main);
    const int shown = CursorCounter();
    CSprite* sticker = Stick(84, 0, 0);
    view.BeginDrag(page->GetHWnd(), 30, 20, sticker);
    EXPECT_EQ(GetCapture(), page->GetHWnd());
    EXPECT_EQ(CursorCounter(), shown - 1) << "the sticker shows where the pointer is";

    const struct {
        POINT move;
        POINT held;  // on the screen; {0, 0}: not moved
    } rows[] = {
        {{-5, 300}, {kPageLeft, kPageTop + 300}},
        {{900, 300}, {kPageRight, kPageTop + 300}},
        {{300, -5}, {kPageLeft + 300, kPageTop}},
        {{300, 700}, {kPageLeft + 300, kPageBottom}},
        {{-5, -5}, {kPageLeft, kPageTop}},
        {{900, 700}, {kPageRight, kPageBottom}},
        {{0, 0}, {0, 0}},
        {{kPageWidth, kPageHeight}, {0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.move.x << "," << row.move.y);
        SetCursorPos(0, 0);
        Send(WM_MOUSEMOVE, row.move.x, row.move.y);
        POINT pointer{};
        GetCursorPos(&pointer);
        EXPECT_EQ(pointer, row.held);
        EXPECT_EQ((POINT{sticker->GetX(), sticker->GetY()}),
                  (POINT{row.move.x - BookFolder::kStickerWidth / 2,
                         row.move.y - BookFolder::kStickerHeight / 2}));
    }
}

// A right click, or a left click without an album to judge it, throws the carried
// sticker away and shows the cursor again; a right click on a stuck sticker leaves it.
TEST_F(CarryingTest, AClickWithoutAnAlbumThrowsTheCarriedStickerAwayAndShowsTheCursor) {
    const int shown = CursorCounter();
    const size_t corners = doc.GetSprites().GetCount();
    for (const UINT click : {WM_RBUTTONDOWN, WM_LBUTTONDOWN}) {
        view.BeginDrag(page->GetHWnd(), 30, 20, Stick(84, 0, 0));
        Send(click, 30, 20);
        EXPECT_FALSE(view.IsDragging());
        EXPECT_EQ(doc.GetSprites().GetCount(), corners);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(CursorCounter(), shown);
    }
    Stick(85, 5, 5);
    Send(WM_RBUTTONDOWN, 5, 5);
    EXPECT_EQ(doc.GetSprites().GetCount(), corners + 1);

    // Hiding the cursor lowers the counter once; the arrow raises it again.
    CCursorSet cursors;
    cursors.SetKind(CCursorSet::kHidden);
    cursors.SetKind(CCursorSet::kHidden);
    EXPECT_TRUE(cursors.IsHidden());
    EXPECT_EQ(CursorCounter(), shown - 1);

    cursors.SetKind(CCursorSet::kArrow);
    EXPECT_EQ(CursorCounter(), shown);
    cursors.SetKind(CCursorSet::kArrow);
    EXPECT_EQ(CursorCounter(), shown) << "the arrow twice raises nothing";

    cursors.SetKind(CCursorSet::kHidden);
    cursors.EndHiding();
    EXPECT_EQ(cursors.GetKind(), CCursorSet::kArrow);
    EXPECT_EQ(CursorCounter(), shown);
}
