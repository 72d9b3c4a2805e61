#include <filesystem>
#include <vector>

#include "catalogue/DataFiles.h"
#include "scene/AnimDocCorners.h"
#include "tests/scenarios/AlbumScenario.h"

namespace {

const ButtonRow& kNextPageButton = CommandButtonRows[5];

}  // namespace

class WholeBook : public AlbumScenario {
protected:
    std::vector<uint32_t> Counter() const { return ScreenBlock(RECT{417, 52, 607, 76}); }
    static std::vector<uint32_t> CaptionTile(LONG tile) {
        return PictureBlock(kStickersLeftCaptionFile, RECT{0, 24 * tile, 190, 24 * (tile + 1)});
    }
    // Each of the stickers shows at its home, below those after it; nothing else is on the page.
    void ExpectShown(const std::vector<int32_t>& stickers) const {
        for (auto it = stickers.begin(); it != stickers.end(); ++it)
            EXPECT_TRUE(ShowsAtHome(*it, std::vector<int32_t>(it + 1, stickers.end())))
                << "sticker " << *it;
        EXPECT_EQ(album->Document().GetSprites().GetCount(), kPageCorners.size() + stickers.size());
    }
};

// Clear All, with the first page on show, empties the pages not on show too. The
// positions in the page files show when they are read back after the restart.
TEST_F(WholeBook, EveryStickerSticksOnItsPageStaysAfterARestartAndClearAllEmptiesTheBook) {
    const ButtonRow& firstSlot = StickerButtonRows[0];
    const RECT firstFace{firstSlot.x, firstSlot.y, firstSlot.x + firstSlot.width,
                         firstSlot.y + firstSlot.height};
    std::vector<uint32_t> unusedFace;
    StartBook();
    Then([&] { unusedFace = ScreenBlock(firstFace); });
    for (int32_t page = 0; page < kNumberOfPages; ++page) {
        Then([this, page] { ASSERT_EQ(album->Document().GetCurrentPage(), page); });
        for (int32_t sticker : StickersOf(page)) Stick(sticker, sticker == StickersOf(0)[0]);
        ClickButton(kNextPageButton);
    }
    Then([this] {
        EXPECT_EQ(album->Stickers().GetStickersLeft(), 0);
        EXPECT_EQ(Counter(), CaptionTile(4)) << "the all-stuck picture";
        EXPECT_EQ(album->Document().GetCurrentPage(), 0) << "round the whole book";
    });
    RunAndCloseAlbum();
    for (int32_t page = 0; page < kNumberOfPages; ++page)
        EXPECT_EQ(StickersInPageFile(page), StickersOf(page)) << page;
    ResetMachine();
    StartBook();
    for (int32_t page = 0; page < kNumberOfPages; ++page) {
        Then([this, page] { ExpectShown(StickersOf(page)); });
        ClickButton(kNextPageButton);
    }
    PressKey('C');
    PressKey(VK_RETURN);  // yes, clear everything
    Then([&] {
        EXPECT_EQ(SoundsPlayed().back(), "ClearWAVE");
        for (int32_t page = 0; page < kNumberOfPages; ++page)
            EXPECT_EQ(PageFileBytes(page).size(), 16u) << page;
        EXPECT_TRUE(StickersInRecord().empty());
        EXPECT_EQ(album->Stickers().GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
        EXPECT_EQ(Counter(), CaptionTile(0));
        EXPECT_EQ(ScreenBlock(firstFace), unusedFace) << "the sticker buttons show their stickers";
        ExpectShown({});
    });
    RunAndCloseAlbum();
    EXPECT_EQ(PageFileBytes(0).size(), 16u);
}

// The two-page book kept the farm (page number 2) in page02.sav, the sea (page number
// 14) in page14.sav and the record in page00.sav; the 25-page book keeps those names.
TEST_F(WholeBook, ASaveFolderOfTheTwoPageBookOpensWithItsStickersOnTheirPages) {
    const Bytes farm = PageFileOf({{84, 594, 199, 12, 0}, {85, 259, 147, 11, 0}});
    const Bytes sea = PageFileOf({{88, 444, 197, 11, 0}});
    Bytes record = Concat({StringBytes("TV"), StringBytes("QUILRY03"), LongBytes(768)});
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        const bool used = sticker == 84 || sticker == 85 || sticker == 88;
        record = Concat({record, LongBytes(used ? SU_USED : SU_NOT_USED)});
    }
    std::filesystem::create_directory(FileIn("save003"));
    WriteBytes(FileIn("save003/page00.sav"), record);
    WriteBytes(FileIn("save003/page02.sav"), farm);
    WriteBytes(FileIn("save003/page14.sav"), sea);
    StartBook();
    Then([this] { EXPECT_EQ(album->Stickers().GetStickersLeft(), NUMBEROFSTICKERGRAPHICS - 3); });
    for (int32_t page = 0; page < kNumberOfPages; ++page) {
        Then([this, page] {
            ExpectShown(page == 1    ? std::vector<int32_t>{84, 85}
                        : page == 13 ? std::vector<int32_t>{88}
                                     : std::vector<int32_t>{});
        });
        ClickButton(kNextPageButton);
    }
    RunAndCloseAlbum();
    EXPECT_EQ(FileBytes("save003/page00.sav"), record) << "the counter is unchanged";
    EXPECT_EQ(FileBytes("save003/page02.sav"), farm);
    EXPECT_EQ(FileBytes("save003/page14.sav"), sea);
}
