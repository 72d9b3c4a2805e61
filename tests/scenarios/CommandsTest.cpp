#include <algorithm>
#include <utility>

#include "album/AlbumView.h"
#include "album/PlayingPhase.h"
#include "album/StickersUsed.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerNumbering.h"
#include "platform/Kernel.h"
#include "scene/AnimDoc.h"
#include "tests/scenarios/AlbumScenario.h"

namespace {

constexpr size_t kEmptyPageBytes = 16;
constexpr LONG kPrintFrameWidth = 848;
constexpr LONG kPrintFrameHeight = 592;
constexpr uint32_t kWhite = 0xFFFFFF;

// A file name of the program's (\save003\page02.sav) as a path in the folder.
std::string ProgramFile(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name.substr(1);
}

// The pixels of a block of the screen, to compare what it shows.
std::vector<uint32_t> Block(const Surface& screen, RECT area) {
    std::vector<uint32_t> pixels;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) pixels.push_back(screen.Pixel(x, y));
    }
    return pixels;
}

}  // namespace

class Commands : public AlbumScenario {
protected:
    const int32_t sticker = StickerOnPage(0);

    void StartOnItsSheet() {
        StartBook();
        ChooseSheetOf(sticker);
    }

    void StickOne(bool hint = true) {
        PickSticker(sticker, hint);
        DropStickerAt(sticker, HomeOf(sticker));
    }
    std::vector<uint32_t> Counter() const {
        return Block(machine.ScreenPixels(), RECT{418, 50, 606, 78});
    }
    std::vector<uint32_t> Indicator() const {
        return Block(machine.ScreenPixels(), RECT{414, 705, 470, 740});
    }
};

TEST_F(Commands, ClearAllIsRefusedWithNothingStuckAndNoOrEscapeChangeNothing) {
    StartOnItsSheet();
    PressKey('C');
    PressKey(VK_ESCAPE);  // would answer a dialog; the album takes it as a key it ignores
    Then([this] { EXPECT_TRUE(SoundsPlayed().empty()); });
    StickOne();
    PressKey('C');
    PressKey(VK_ESCAPE);
    Then([this] {
        EXPECT_EQ(GetStickersUsed()->GetStickerUsed(sticker), SU_USED);
        EXPECT_EQ(SoundsPlayed().back(), "StickWAVE") << "no clear sound";
    });
    CloseAlbum();
    RunAlbum();
    EXPECT_EQ(FileBytes(PageFileName(0)).size(), kEmptyPageBytes + 20u);
}

// A sticker on every page, the first page on show: Clear All empties the pages not on
// show as well as the one that is.
TEST_F(Commands, ClearAllConfirmedEmptiesEveryPageResetsTheRecordAndShows224) {
    Bytes freshRecord;
    std::vector<uint32_t> freshCounter;
    StartOnItsSheet();
    Then([&] {
        freshRecord = FileBytes("save003/page00.sav");
        freshCounter = Counter();
    });
    StickOne();
    for (int32_t page = 1; page < NUMBEROFPAGES; ++page) {
        PressKey(VK_NEXT);
        const int32_t other = StickerOnPage(page);
        ChooseSheetOf(other);
        PickSticker(other);
        DropStickerAt(other, HomeOf(other));
    }
    PressKey(VK_NEXT);
    Then([&] {
        EXPECT_EQ(GetAlbumDocument().GetCurrentPage(), 0);
        EXPECT_EQ(StickersUsed::ms_StickersLeft, NUMBEROFSTICKERGRAPHICS - NUMBEROFPAGES);
        EXPECT_NE(Counter(), freshCounter);
    });
    PressKey('C');
    PressKey(VK_RETURN);  // YES
    Then([&] {
        EXPECT_EQ(SoundsPlayed().back(), "ClearWAVE");
        for (const AlbumPage& page : kAlbumPages) {
            SCOPED_TRACE(page.saveFile);
            EXPECT_EQ(FileBytes(ProgramFile(page.saveFile)).size(), kEmptyPageBytes);
        }
        EXPECT_EQ(FileBytes("save003/page00.sav"), freshRecord);
        EXPECT_EQ(StickersUsed::ms_StickersLeft, NUMBEROFSTICKERGRAPHICS);
        EXPECT_EQ(Counter(), freshCounter);
    });
    CloseAlbum();
    RunAlbum();
    EXPECT_EQ(FileBytes(PageFileName(0)).size(), kEmptyPageBytes);
}

TEST_F(Commands, WithoutAPrinterPrintingSaysWhatToDoAndCancellingPrintsNothing) {
    machine.InstallPrinter(std::nullopt);
    StartBook();
    PressKey('P');
    Then([this] {
        EXPECT_TRUE(machine.PrintedPages().empty());
        machine.InstallPrinter(PrinterDescription{"Paper", 2400, 3200});
        machine.ScriptPrinterAnswers({HeadlessBackend::PrinterAnswer::Cancel});
    });
    PressKey('P');
    CloseAlbum();
    RunAlbum();
    EXPECT_TRUE(machine.PrintedPages().empty());
    EXPECT_EQ(machine.MessageBoxesShown().size(), 1u)
        << "one message for the missing printer, none for cancelling";
    EXPECT_TRUE(log.Contains("IDM_PRINT end"));
}

TEST_F(Commands, APrintedPageIsFramedLandscapeThreeQuartersWideAndCentred) {
    machine.InstallPrinter(PrinterDescription{"Paper", 2400, 3200});
    machine.ScriptPrinterAnswers({HeadlessBackend::PrinterAnswer::Confirm});
    StartBook();
    PressKey('P');
    CloseAlbum();
    RunAlbum();
    ASSERT_EQ(machine.PrintedPages().size(), 1u);
    EXPECT_TRUE(machine.LastPrintAskedLandscape());
    const Surface& paper = machine.PrintedPages()[0];
    ASSERT_EQ(paper.Width(), 3200);
    const LONG width = 3200 * 3 / 4;
    const LONG height = width * kPrintFrameHeight / kPrintFrameWidth;
    const LONG left = (3200 - width) / 2;
    const LONG top = (paper.Height() - height) / 2;
    const LONG middle = top + height / 2;
    LONG firstInk = 0;
    while (firstInk < paper.Width() && paper.Pixel(firstInk, middle) == kWhite) ++firstInk;
    EXPECT_NEAR(firstInk, left, 2);
    LONG lastInk = paper.Width() - 1;
    while (lastInk > 0 && paper.Pixel(lastInk, middle) == kWhite) --lastInk;
    EXPECT_NEAR(lastInk + 1, left + width, 2);
    EXPECT_EQ(paper.Pixel(firstInk + 1, middle), 0u) << "the black frame";
    LONG firstRow = 0;
    while (firstRow < paper.Height() && paper.Pixel(left + width / 2, firstRow) == kWhite)
        ++firstRow;
    EXPECT_NEAR(firstRow, top, 2);
}

// Page Up from the first page shows the last; printing then prints that page, with the
// sticker just stuck on it.
TEST_F(Commands, PrintingPrintsThePageOnScreen) {
    const int32_t onLastPage = StickerOnPage(NUMBEROFPAGES - 1);
    machine.InstallPrinter(PrinterDescription{"Paper", 2400, 3200});
    machine.ScriptPrinterAnswers({HeadlessBackend::PrinterAnswer::Confirm});
    StartBook();
    PressKey(VK_PRIOR);
    ChooseSheetOf(onLastPage);
    PickSticker(onLastPage, true);
    DropStickerAt(onLastPage, HomeOf(onLastPage));
    PressKey('P');
    CloseAlbum();
    RunAlbum();
    ASSERT_EQ(machine.PrintedPages().size(), 1u);
    const Surface& paper = machine.PrintedPages()[0];
    uint32_t colour = 0;
    const POINT inside = OpaquePointOfStickerAtHome(onLastPage, colour);
    // The page lies 2 pixels inside the printed frame, which is 3/4 of the paper wide.
    const LONG width = 3200 * 3 / 4;
    const LONG height = width * kPrintFrameHeight / kPrintFrameWidth;
    const POINT printed{
        (3200 - width) / 2 + (inside.x - 90 + 2) * width / kPrintFrameWidth,
        (paper.Height() - height) / 2 + (inside.y - 90 + 2) * height / kPrintFrameHeight};
    bool found = false;
    for (LONG dy = -4; dy <= 4; ++dy) {
        for (LONG dx = -4; dx <= 4; ++dx)
            found = found || paper.Pixel(printed.x + dx, printed.y + dy) == colour;
    }
    EXPECT_TRUE(found) << "the sticker of the last page is on the paper";
}

TEST_F(Commands, AKeyPressesItsButtonFor125MillisecondsThenActs) {
    DWORD pressed = 0;
    StartBook();
    Then([&] { pressed = timeGetTime(); });
    PressKey('I');
    Then([&] { EXPECT_GE(timeGetTime() - pressed, 125u) << "About is up after the press"; });
    PressKey(VK_RETURN);
    CloseAlbum();
    RunAlbum();
    EXPECT_TRUE(log.Contains("IDM_INFO "));
}

TEST_F(Commands, ACommandKeyWhileCarryingEndsTheCarryFirst) {
    StartOnItsSheet();
    PickSticker(sticker, true);
    PressKey(VK_NEXT);
    Then([this] {
        EXPECT_FALSE(GetAlbumView().IsDragging());
        EXPECT_TRUE(machine.CursorVisible());
        EXPECT_EQ(GetAlbumDocument().GetCurrentPage(), 1);
        EXPECT_EQ(GetStickersUsed()->GetStickerUsed(sticker), SU_NOT_USED);
    });
    PressKey(VK_PRIOR);
    StickOne(false);
    Then([this] {
        EXPECT_EQ(GetStickersUsed()->GetStickerUsed(sticker), SU_USED) << "picked again";
    });
    CloseAlbum();
    RunAlbum();
}

TEST_F(Commands, PageTurnsWrapAroundAndShowTheirIndicator) {
    // Each key from the page before, and the page it shows: Page Up on the first page
    // goes to the last.
    const std::pair<UINT, int32_t> turns[] = {{VK_NEXT, 1},
                                              {VK_PRIOR, 0},
                                              {VK_PRIOR, NUMBEROFPAGES - 1},
                                              {VK_NEXT, 0},
                                              {VK_UP, NUMBEROFPAGES - 1}};
    const auto labelOf = [](int32_t page) {
        const LONG top = 40 * (page + 1);
        return PictureBlock(kPageLabelsFile, RECT{0, top, 56, top + 35});
    };
    StartBook();
    Then([&] { EXPECT_EQ(Indicator(), labelOf(0)) << "the book opens on its first page"; });
    for (const auto& [key, page] : turns) {
        PressKey(key);
        Then([&, page = page] {
            EXPECT_EQ(GetAlbumDocument().GetCurrentPage(), page);
            EXPECT_EQ(Indicator(), labelOf(page)) << page;
        });
    }
    CloseAlbum();
    RunAlbum();
}

// Every sheet button shows its sheet, the last included, and every button of the last
// sheet picks its sticker, the 28th included.
TEST_F(Commands, EverySheetButtonShowsItsSheetAndEveryStickerButtonPicks) {
    StartBook();
    for (int32_t sheet = kNumberOfSheets - 1; sheet >= 0; --sheet) {
        ClickButton(SheetButtonRows[static_cast<size_t>(sheet)]);
        Then([sheet] {
            EXPECT_EQ(GetPlayingPhase().GetCurrentSheet(), IDM_SHEET1 + sheet) << "sheet " << sheet;
        });
    }
    ClickButton(SheetButtonRows.back());
    for (int32_t button = 0; button < STICKERSPERSHEET; ++button) {
        PickSticker((kNumberOfSheets - 1) * STICKERSPERSHEET + button, button == 0);
        Then([button] { EXPECT_TRUE(GetAlbumView().IsDragging()) << "button " << button; });
        machine.PressButton(POINT{300, 300}, InputEvent::Button::Right);
        machine.ReleaseButton(POINT{300, 300}, InputEvent::Button::Right);
    }
    CloseAlbum();
    RunAlbum();
}

TEST_F(Commands, ChangingSheetRedrawsTheStickerButtonsAndTheCurrentSheetDoesNothing) {
    const ButtonRow& stickerButton = StickerButtonRows[0];
    const RECT face{stickerButton.x, stickerButton.y, stickerButton.x + stickerButton.width,
                    stickerButton.y + stickerButton.height};
    std::vector<uint32_t> sheetOneFace;
    StartBook();
    Then([&] { sheetOneFace = Block(machine.ScreenPixels(), face); });
    std::vector<uint32_t> sheetTwoFace;
    ClickButton(SheetButtonRows[0]);
    Then([this] { EXPECT_FALSE(SelectSoundPlayed()) << "the sheet already shown"; });
    ClickButton(SheetButtonRows[1]);
    Then([&] {
        EXPECT_TRUE(SelectSoundPlayed());
        sheetTwoFace = Block(machine.ScreenPixels(), face);
        EXPECT_NE(sheetTwoFace, sheetOneFace);
    });
    ClickButton(SheetButtonRows[0]);
    Then([&] { EXPECT_NE(Block(machine.ScreenPixels(), face), sheetTwoFace); });
    CloseAlbum();
    RunAlbum();
}
