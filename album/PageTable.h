#pragma once
// The pages of the book. Each page is one row of AlbumPages: the page cursor wraps
// over its rows, the page reset clears each row's save file, the snap test maps a
// sticker's home page number to its row, and the page indicator shows its label
// tile. A bigger book is one more row here.

#include <array>
#include <cstddef>
#include <cstdint>

struct AlbumPage {
    // Position in AlbumPages: the current page of the document.
    int32_t pageIndex;
    // The number the sticker home positions use for this page.
    int32_t pageNumber;
    const char* backgroundFile;
    const char* saveFile;
    // The tile of the page-label strip that names this page.
    int32_t labelTile;
};

inline constexpr std::array<AlbumPage, 2> AlbumPages = {{
    {0, 2, "\\data003\\p0002.dat", "\\save003\\page02.sav", 0},
    {1, 14, "\\data003\\p0014.dat", "\\save003\\page14.sav", 1},
}};

constexpr int32_t NUMBEROFPAGES = static_cast<int32_t>(AlbumPages.size());

// The page index of a home page number that no page of the book has. It lies beyond
// every page index and every label of the 25-label strip.
constexpr int32_t NO_PAGE_INDEX = 26;
static_assert(NUMBEROFPAGES < NO_PAGE_INDEX);

// The used-sticker record is kept beside the page files, under a name no page uses.
constexpr const char* StickersUsedFile = "\\save003\\page00.sav";

namespace page_table_detail {

template <typename Field>
constexpr auto Column(Field AlbumPage::*field) {
    std::array<Field, AlbumPages.size()> column{};
    for (size_t i = 0; i < AlbumPages.size(); ++i) column[i] = AlbumPages[i].*field;
    return column;
}

constexpr auto SaveFilesAndRecord() {
    std::array<const char*, AlbumPages.size() + 1> files{};
    const auto pages = Column(&AlbumPage::saveFile);
    for (size_t i = 0; i < pages.size(); ++i) files[i] = pages[i];
    files[pages.size()] = StickersUsedFile;
    return files;
}

}  // namespace page_table_detail

// By page index. PageSaveFiles has one more entry after the last page: the record.
inline constexpr auto PageBackgroundFiles = page_table_detail::Column(&AlbumPage::backgroundFile);
inline constexpr auto PageSaveFiles = page_table_detail::SaveFilesAndRecord();

constexpr int32_t NextPageIndex(int32_t pageIndex) {
    return (pageIndex + 1) % NUMBEROFPAGES;
}

constexpr int32_t PreviousPageIndex(int32_t pageIndex) {
    return (pageIndex + NUMBEROFPAGES - 1) % NUMBEROFPAGES;
}

// The page index of the page with home page number `pageNumber`, or NO_PAGE_INDEX.
constexpr int32_t PageIndexOfPageNumber(int32_t pageNumber) {
    for (const AlbumPage& page : AlbumPages) {
        if (page.pageNumber == pageNumber) return page.pageIndex;
    }
    return NO_PAGE_INDEX;
}
