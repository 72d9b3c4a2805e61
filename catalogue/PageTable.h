#pragma once
// The pages of the book. Each page is one row of kAlbumPages: the page cursor wraps
// over its rows, the page reset clears each row's save file, the snap test maps a
// sticker's home page number to its row, and the page indicator shows its label
// tile. A bigger book is one more row here.

#include <array>
#include <cstddef>
#include <cstdint>

struct AlbumPage {
    // Position in kAlbumPages: the current page of the document.
    int32_t pageIndex;
    // The number the sticker home positions use for this page.
    int32_t pageNumber;
    const char* backgroundFile;
    const char* saveFile;
    // The tile of the page-label strip that names this page.
    int32_t labelTile;
};

inline constexpr std::array<AlbumPage, 25> kAlbumPages = {{
    {0, 1, "\\data003\\p0001.dat", "\\save003\\page01.sav", 0},
    {1, 2, "\\data003\\p0002.dat", "\\save003\\page02.sav", 1},
    {2, 3, "\\data003\\p0003.dat", "\\save003\\page03.sav", 2},
    {3, 4, "\\data003\\p0004.dat", "\\save003\\page04.sav", 3},
    {4, 5, "\\data003\\p0005.dat", "\\save003\\page05.sav", 4},
    {5, 6, "\\data003\\p0006.dat", "\\save003\\page06.sav", 5},
    {6, 7, "\\data003\\p0007.dat", "\\save003\\page07.sav", 6},
    {7, 8, "\\data003\\p0008.dat", "\\save003\\page08.sav", 7},
    {8, 9, "\\data003\\p0009.dat", "\\save003\\page09.sav", 8},
    {9, 10, "\\data003\\p0010.dat", "\\save003\\page10.sav", 9},
    {10, 11, "\\data003\\p0011.dat", "\\save003\\page11.sav", 10},
    {11, 12, "\\data003\\p0012.dat", "\\save003\\page12.sav", 11},
    {12, 13, "\\data003\\p0013.dat", "\\save003\\page13.sav", 12},
    {13, 14, "\\data003\\p0014.dat", "\\save003\\page14.sav", 13},
    {14, 15, "\\data003\\p0015.dat", "\\save003\\page15.sav", 14},
    {15, 16, "\\data003\\p0016.dat", "\\save003\\page16.sav", 15},
    {16, 17, "\\data003\\p0017.dat", "\\save003\\page17.sav", 16},
    {17, 18, "\\data003\\p0018.dat", "\\save003\\page18.sav", 17},
    {18, 19, "\\data003\\p0019.dat", "\\save003\\page19.sav", 18},
    {19, 20, "\\data003\\p0020.dat", "\\save003\\page20.sav", 19},
    {20, 21, "\\data003\\p0021.dat", "\\save003\\page21.sav", 20},
    {21, 22, "\\data003\\p0022.dat", "\\save003\\page22.sav", 21},
    {22, 23, "\\data003\\p0023.dat", "\\save003\\page23.sav", 22},
    {23, 24, "\\data003\\p0024.dat", "\\save003\\page24.sav", 23},
    {24, 25, "\\data003\\p0025.dat", "\\save003\\page25.sav", 24},
}};

constexpr int32_t kNumberOfPages = static_cast<int32_t>(kAlbumPages.size());

// The page index of a home page number that no page of the book has. It lies beyond
// every page index and every label of the 25-label strip.
constexpr int32_t kNoPageIndex = 26;
static_assert(kNumberOfPages < kNoPageIndex);

// The folder of the book's save files, inside the base directory.
constexpr const char* kSaveFolder = "\\save003";

// The used-sticker record is kept beside the page files, under a name no page uses.
constexpr const char* kStickersUsedFile = "\\save003\\page00.sav";

namespace page_table_detail {

template <typename Field>
constexpr auto Column(Field AlbumPage::*field) {
    std::array<Field, kAlbumPages.size()> column{};
    for (size_t i = 0; i < kAlbumPages.size(); ++i) column[i] = kAlbumPages[i].*field;
    return column;
}

constexpr auto SaveFilesAndRecord() {
    std::array<const char*, kAlbumPages.size() + 1> files{};
    const auto pages = Column(&AlbumPage::saveFile);
    for (size_t i = 0; i < pages.size(); ++i) files[i] = pages[i];
    files[pages.size()] = kStickersUsedFile;
    return files;
}

}  // namespace page_table_detail

// By page index. PageSaveFiles has one more entry after the last page: the record.
inline constexpr auto PageBackgroundFiles = page_table_detail::Column(&AlbumPage::backgroundFile);
inline constexpr auto PageSaveFiles = page_table_detail::SaveFilesAndRecord();

constexpr int32_t NextPageIndex(int32_t pageIndex) {
    return (pageIndex + 1) % kNumberOfPages;
}

constexpr int32_t PreviousPageIndex(int32_t pageIndex) {
    return (pageIndex + kNumberOfPages - 1) % kNumberOfPages;
}

// The page index of the page with home page number `pageNumber`, or kNoPageIndex.
constexpr int32_t PageIndexOfPageNumber(int32_t pageNumber) {
    for (const AlbumPage& page : kAlbumPages) {
        if (page.pageNumber == pageNumber) return page.pageIndex;
    }
    return kNoPageIndex;
}
