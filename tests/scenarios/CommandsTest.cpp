#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/StickerNumbering.h"
#include "tests/scenarios/AlbumScenario.h"

class Commands : public AlbumScenario {
protected:
    const int32_t sticker = StickersOf(0)[0];

    int32_t StateOfSticker() const { return album->Stickers().GetStickerUsed(sticker); }
};

// A key presses its button for 125 ms, then acts; it ends a carry first. Clear All is
// refused with nothing stuck and changes nothing when answered No. Page turns wrap around
// and show their indicator; printing prints the page on show, framed, with the sticker
// just stuck on it (the printer's fitting is checked on its own).
TEST_F(Commands, KeysPressTheirButtonsTurnPagesRoundTheBookAndPrintThePageOnShow) {
    constexpr LONG kPrintFrameWidth = 848, kPrintFrameHeight = 592, kPaperWidth = 3200;
    const int32_t onLastPage = StickersOf(kNumberOfPages - 1)[0];
    machine.InstallPrinter(PrinterDescription{"Paper", 2400, kPaperWidth});
    machine.ScriptPrinterAnswers({HeadlessBackend::PrinterAnswer::Confirm});
    DWORD pressed = 0;
    StartBook();
    PressKey('C');
    PressKey(VK_ESCAPE);  // would answer a dialog; the album takes it as a key it ignores
    Then([&] {
        EXPECT_TRUE(SoundsPlayed().empty()) << "nothing to clear";
        pressed = timeGetTime();
    });
    PressKey('I');
    Then([&] { EXPECT_GE(timeGetTime() - pressed, 125u) << "About is up after the press"; });
    PressKey(VK_RETURN);
    // A command key while carrying ends the carry first.
    ChooseSheetOf(sticker);
    PickSticker(sticker, true);
    PressKey(VK_NEXT);
    Then([this] {
        EXPECT_FALSE(album->View().IsDragging());
        EXPECT_TRUE(machine.CursorVisible());
        EXPECT_EQ(album->Document().GetCurrentPage(), 1);
        EXPECT_EQ(StateOfSticker(), SU_NOT_USED);
    });
    PressKey(VK_PRIOR);
    Stick(sticker);
    PressKey('C');
    PressKey(VK_ESCAPE);
    Then([this] {
        EXPECT_EQ(StateOfSticker(), SU_USED) << "picked again";
        EXPECT_EQ(SoundsPlayed().back(), "StickWAVE") << "no clear sound";
    });
    // Each key and the page it shows: Page Up on the first page goes to the last.
    const std::pair<UINT, int32_t> turns[] = {{0, 0},        {VK_NEXT, 1},
                                              {VK_PRIOR, 0}, {VK_PRIOR, kNumberOfPages - 1},
                                              {VK_NEXT, 0},  {VK_UP, kNumberOfPages - 1}};
    for (const auto& [key, page] : turns) {
        if (key != 0) PressKey(key);
        Then([this, page = page] {
            EXPECT_EQ(album->Document().GetCurrentPage(), page);
            EXPECT_TRUE(ShowsPage(page)) << page;
        });
    }
    Stick(onLastPage);
    // Printing while carrying: the sticker goes back, and is not printed on its way.
    const POINT carriedAt{420, 60};
    PickSticker(onLastPage ^ 1);  // another of the same sheet
    machine.MovePointer(POINT{kPageLeft + carriedAt.x, kPageTop + carriedAt.y});
    PressKey('P');
    RunAndCloseAlbum();
    EXPECT_TRUE(log.Contains("IDM_INFO "));
    EXPECT_EQ(StickersInPageFile(0), std::vector<int32_t>{sticker});
    ASSERT_EQ(machine.PrintedPages().size(), 1u);
    EXPECT_TRUE(machine.LastPrintAskedLandscape());
    const Surface& paper = machine.PrintedPages()[0];
    ASSERT_EQ(paper.Width(), kPaperWidth);
    const LONG width = kPaperWidth * 3 / 4;
    const LONG height = width * kPrintFrameHeight / kPrintFrameWidth;
    const LONG left = (kPaperWidth - width) / 2;
    const LONG top = (paper.Height() - height) / 2;
    EXPECT_EQ(paper.Pixel(left + 2, top + height / 2), 0u) << "the black frame";
    EXPECT_EQ(paper.Pixel(left - 2, top + height / 2), 0xFFFFFFu) << "white paper";
    uint32_t colour = 0;
    const POINT inside = OpaquePointOfStickerAtHome(onLastPage, colour);
    // The page lies 2 pixels inside the printed frame.
    const POINT printed{left + (inside.x - 90 + 2) * width / kPrintFrameWidth,
                        top + (inside.y - 90 + 2) * height / kPrintFrameHeight};
    bool found = false;
    for (LONG dy = -4; dy <= 4; ++dy)
        for (LONG dx = -4; dx <= 4; ++dx)
            found = found || paper.Pixel(printed.x + dx, printed.y + dy) == colour;
    EXPECT_TRUE(found) << "the sticker of the last page is on the paper";
    const uint32_t background =
        PictureBlock(PageBackgroundFiles[kNumberOfPages - 1],
                     RECT{carriedAt.x, carriedAt.y, carriedAt.x + 1, carriedAt.y + 1})[0];
    const POINT underCarried{left + (carriedAt.x + 2) * width / kPrintFrameWidth,
                             top + (carriedAt.y + 2) * height / kPrintFrameHeight};
    EXPECT_EQ(paper.Pixel(underCarried.x, underCarried.y), background)
        << "the page where the carried sticker was";
}

// Every sheet button shows its sheet, the last included, with its own stickers' faces
// and the select sound (the sheet already shown does nothing); every button of the
// last sheet picks its sticker, the 28th included.
TEST_F(Commands, EverySheetButtonShowsItsSheetAndEveryStickerButtonPicks) {
    const ButtonRow& slot = StickerButtonRows[0];
    const RECT face{slot.x, slot.y, slot.x + slot.width, slot.y + slot.height};
    std::vector<uint32_t> shownFace;
    StartBook();
    ClickButton(SheetButtonRows[0]);
    Then([&] {
        EXPECT_FALSE(SelectSoundPlayed()) << "the sheet already shown";
        shownFace = ScreenBlock(face);
    });
    for (int32_t sheet = kNumberOfSheets - 1; sheet >= 0; --sheet) {
        ClickButton(SheetButtonRows[static_cast<size_t>(sheet)]);
        Then([&, sheet] {
            EXPECT_EQ(album->Selection().GetCurrentSheet(), IDM_SHEET1 + sheet) << sheet;
            EXPECT_TRUE(SelectSoundPlayed());
            EXPECT_NE(ScreenBlock(face), shownFace) << "sheet " << sheet;
            shownFace = ScreenBlock(face);
        });
    }
    ClickButton(SheetButtonRows.back());
    for (int32_t button = 0; button < kStickersPerSheet; ++button) {
        PickSticker((kNumberOfSheets - 1) * kStickersPerSheet + button, button == 0);
        Then([this, button] { EXPECT_TRUE(album->View().IsDragging()) << "button " << button; });
        RightClick();
    }
    RunAndCloseAlbum();
}
