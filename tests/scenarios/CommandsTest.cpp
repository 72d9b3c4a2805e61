#include "album/StickerNumbering.h"
#include "album/StickersUsed.h"
#include "app/AlbumView.h"
#include "platform/Kernel.h"
#include "scene/AnimDoc.h"
#include "tests/scenarios/AlbumScenario.h"

namespace {

constexpr size_t kEmptyPageBytes = 16;
constexpr LONG kPrintFrameWidth = 848;
constexpr LONG kPrintFrameHeight = 592;
constexpr uint32_t kWhite = 0xFFFFFF;

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
    std::vector<uint32_t> Counter() const { return Block(machine.ScreenPixels(), RECT{418, 50, 606, 78}); }
    std::vector<uint32_t> Indicator() const { return Block(machine.ScreenPixels(), RECT{414, 705, 470, 740}); }
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
    EXPECT_EQ(FileBytes("save003/page02.sav").size(), kEmptyPageBytes + 20u);
}

TEST_F(Commands, ClearAllConfirmedEmptiesBothPagesResetsTheRecordAndShows224) {
    Bytes freshRecord;
    std::vector<uint32_t> freshCounter;
    StartOnItsSheet();
    Then([&] {
        freshRecord = FileBytes("save003/page00.sav");
        freshCounter = Counter();
    });
    StickOne();
    PressKey(VK_NEXT);
    PressKey(VK_PRIOR);
    Then([&] { EXPECT_NE(Counter(), freshCounter); });
    PressKey('C');
    PressKey(VK_RETURN);  // YES
    Then([&] {
        EXPECT_EQ(SoundsPlayed().back(), "ClearWAVE");
        EXPECT_EQ(FileBytes("save003/page02.sav").size(), kEmptyPageBytes);
        EXPECT_EQ(FileBytes("save003/page14.sav").size(), kEmptyPageBytes);
        EXPECT_EQ(FileBytes("save003/page00.sav"), freshRecord);
        EXPECT_EQ(StickersUsed::ms_StickersLeft, NUMBEROFSTICKERGRAPHICS);
        EXPECT_EQ(Counter(), freshCounter);
    });
    CloseAlbum();
    RunAlbum();
    EXPECT_EQ(FileBytes("save003/page02.sav").size(), kEmptyPageBytes);
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
    EXPECT_EQ(machine.MessageBoxesShown().size(), 1u) << "one message for the missing printer, none for cancelling";
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
    while (firstRow < paper.Height() && paper.Pixel(left + width / 2, firstRow) == kWhite) ++firstRow;
    EXPECT_NEAR(firstRow, top, 2);
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
    PressKey(VK_NEXT);
    StickOne(false);
    Then([this] { EXPECT_EQ(GetStickersUsed()->GetStickerUsed(sticker), SU_USED) << "picked again"; });
    CloseAlbum();
    RunAlbum();
}

TEST_F(Commands, PageTurnsWrapAroundAndShowTheirIndicator) {
    std::vector<uint32_t> first;
    StartBook();
    Then([&] { first = Indicator(); });
    PressKey(VK_NEXT);
    Then([&] { EXPECT_NE(Indicator(), first); });
    PressKey(VK_NEXT);
    Then([&] { EXPECT_EQ(Indicator(), first); });
    PressKey(VK_PRIOR);
    Then([&] { EXPECT_EQ(GetAlbumDocument().GetCurrentPage(), 1); });
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
