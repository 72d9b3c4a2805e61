// The whole book as a child fills it: every sticker of every page stuck through the
// buttons and the pointer, kept across a restart, and cleared again; and a save folder
// of the earlier two-page book opened by the 25-page one.

#include <array>
#include <filesystem>
#include <vector>

#include "album/AlbumView.h"
#include "album/StickersUsed.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/StickerNumbering.h"
#include "scene/AnimDoc.h"
#include "scene/AnimDocCorners.h"
#include "tests/scenarios/AlbumScenario.h"

namespace {

constexpr size_t kEmptyPageBytes = 16;
constexpr size_t kRecordBytes = 20;
constexpr RECT kCounterCaption{417, 52, 607, 76};
const ButtonRow& kNextPageButton = CommandButtonRows[5];

// One page file record without its stacking priority: sticker, x, y, flipped.
using Placement = std::array<int32_t, 4>;

// The stickers whose home is on the page, in sticker order.
std::vector<int32_t> StickersOf(int32_t pageIndex) {
    std::vector<int32_t> stickers;
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        const int32_t home = StickerHomePositions[static_cast<size_t>(sticker)].pageNumber;
        if (PageIndexOfPageNumber(home) == pageIndex) stickers.push_back(sticker);
    }
    return stickers;
}

std::vector<Placement> AtHome(const std::vector<int32_t>& stickers) {
    std::vector<Placement> placements;
    for (int32_t sticker : stickers) {
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(sticker)];
        placements.push_back({sticker, home.x, home.y, 0});
    }
    return placements;
}

int32_t LongAt(const Bytes& bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes.at(offset + i)) << (8 * i);
    return static_cast<int32_t>(value);
}

// The records of a page file after its 16-byte head, bottom-most first.
std::vector<Placement> PlacementsIn(const Bytes& page) {
    std::vector<Placement> placements;
    for (size_t at = kEmptyPageBytes; at + kRecordBytes <= page.size(); at += kRecordBytes) {
        placements.push_back(
            {LongAt(page, at), LongAt(page, at + 4), LongAt(page, at + 8), LongAt(page, at + 16)});
    }
    return placements;
}

Bytes PageFileOf(const std::vector<std::array<int32_t, 5>>& records) {
    Bytes page = Concat({StringBytes("QUILRY03"), LongBytes(768)});
    for (const auto& record : records) {
        for (int32_t value : record) page = Concat({page, LongBytes(value)});
    }
    return page;
}

}  // namespace

class WholeBook : public AlbumScenario {
protected:
    std::vector<uint32_t> Counter() const {
        std::vector<uint32_t> pixels;
        for (LONG y = kCounterCaption.top; y < kCounterCaption.bottom; ++y) {
            for (LONG x = kCounterCaption.left; x < kCounterCaption.right; ++x)
                pixels.push_back(ScreenPixel(x, y));
        }
        return pixels;
    }
    static std::vector<uint32_t> CaptionTile(LONG tile) {
        return PictureBlock(kStickersLeftCaptionFile, RECT{0, 24 * tile, 190, 24 * (tile + 1)});
    }

    // Every sticker of the page shows at its home, each below those stuck after it.
    void ExpectEveryStickerShown(int32_t pageIndex) {
        const std::vector<int32_t> stickers = StickersOf(pageIndex);
        for (size_t i = 0; i < stickers.size(); ++i) {
            uint32_t colour = 0;
            const std::vector<int32_t> above(stickers.begin() + static_cast<long>(i) + 1,
                                             stickers.end());
            const POINT inside = OpaquePointOfStickerAtHome(stickers[i], colour, above);
            EXPECT_EQ(ScreenPixel(inside.x, inside.y), colour) << "sticker " << stickers[i];
        }
    }
};

TEST_F(WholeBook, EveryStickerSticksOnItsPageStaysAfterARestartAndClearAllEmptiesTheBook) {
    StartBook();
    bool first = true;
    for (int32_t page = 0; page < NUMBEROFPAGES; ++page) {
        Then([page] { ASSERT_EQ(GetAlbumDocument().GetCurrentPage(), page); });
        for (int32_t sticker : StickersOf(page)) {
            ChooseSheetOf(sticker);
            PickSticker(sticker, first);
            DropStickerAt(sticker, HomeOf(sticker));
            first = false;
        }
        ClickButton(kNextPageButton);
    }
    Then([this] {
        EXPECT_EQ(StickersUsed::ms_StickersLeft, 0);
        EXPECT_EQ(Counter(), CaptionTile(4)) << "the all-stuck picture";
        EXPECT_EQ(GetAlbumDocument().GetCurrentPage(), 0) << "round the whole book";
    });
    CloseAlbum();
    RunAlbum();
    for (int32_t page = 0; page < NUMBEROFPAGES; ++page) {
        EXPECT_EQ(PlacementsIn(FileBytes(PageFileName(page))), AtHome(StickersOf(page))) << page;
    }

    ResetMachine();
    StartBook();
    for (int32_t page = 0; page < NUMBEROFPAGES; ++page) {
        Then([this, page] { ExpectEveryStickerShown(page); });
        ClickButton(kNextPageButton);
    }
    PressKey('C');
    PressKey(VK_RETURN);  // yes, clear everything
    Then([this] {
        EXPECT_EQ(StickersUsed::ms_StickersLeft, NUMBEROFSTICKERGRAPHICS);
        EXPECT_EQ(Counter(), CaptionTile(0));
    });
    CloseAlbum();
    RunAlbum();
    for (int32_t page = 0; page < NUMBEROFPAGES; ++page) {
        EXPECT_EQ(FileBytes(PageFileName(page)).size(), kEmptyPageBytes) << page;
    }
}

// The two-page book kept the farm (page number 2) in page02.sav, the sea (page number
// 14) in page14.sav and the record in page00.sav; the 25-page book keeps those names.
TEST_F(WholeBook, ASaveFolderOfTheTwoPageBookOpensWithItsStickersOnTheirPages) {
    const std::vector<std::array<int32_t, 5>> farm = {{84, 594, 199, 12, 0}, {85, 259, 147, 11, 0}};
    const std::vector<std::array<int32_t, 5>> sea = {{88, 444, 197, 11, 0}};
    std::vector<int32_t> entries(NUMBEROFSTICKERGRAPHICS, SU_NOT_USED);
    for (int32_t used : {84, 85, 88}) entries[static_cast<size_t>(used)] = SU_USED;
    Bytes record = Concat({StringBytes("TV"), StringBytes("QUILRY03"), LongBytes(768)});
    for (int32_t entry : entries) record = Concat({record, LongBytes(entry)});
    std::filesystem::create_directory(FileIn("save003"));
    WriteBytes(FileIn("save003/page00.sav"), record);
    WriteBytes(FileIn("save003/page02.sav"), PageFileOf(farm));
    WriteBytes(FileIn("save003/page14.sav"), PageFileOf(sea));

    StartBook();
    Then([] { EXPECT_EQ(StickersUsed::ms_StickersLeft, NUMBEROFSTICKERGRAPHICS - 3); });
    for (int32_t page = 0; page < NUMBEROFPAGES; ++page) {
        Then([this, page] {
            const std::vector<int32_t> shown = page == 1    ? std::vector<int32_t>{84, 85}
                                               : page == 13 ? std::vector<int32_t>{88}
                                                            : std::vector<int32_t>{};
            for (size_t i = 0; i < shown.size(); ++i) {
                uint32_t colour = 0;
                const std::vector<int32_t> above(shown.begin() + static_cast<long>(i) + 1,
                                                 shown.end());
                const POINT inside = OpaquePointOfStickerAtHome(shown[i], colour, above);
                EXPECT_EQ(ScreenPixel(inside.x, inside.y), colour) << "sticker " << shown[i];
            }
            EXPECT_EQ(GetAlbumDocument().GetSprites().GetCount(),
                      kPageCorners.size() + shown.size())
                << page;
        });
        ClickButton(kNextPageButton);
    }
    CloseAlbum();
    RunAlbum();
    EXPECT_EQ(FileBytes("save003/page00.sav"), record) << "the counter is unchanged";
    EXPECT_EQ(FileBytes("save003/page02.sav"), PageFileOf(farm));
    EXPECT_EQ(FileBytes("save003/page14.sav"), PageFileOf(sea));
}
