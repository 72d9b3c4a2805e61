#include "catalogue/DataFiles.h"

#include <cstddef>

#include "catalogue/PageTable.h"

namespace {

// "\data003\" + family letter + "0" + sheet digit + two sticker digits + ".dat" + NUL.
using StickerFileName = std::array<char, 19>;
using StickerFileNames = std::array<StickerFileName, NUMBEROFSTICKERGRAPHICS>;

constexpr char Digit(int32_t value) {
    return static_cast<char>('0' + value);
}

constexpr StickerFileName StickerFile(char family, int32_t index) {
    const int32_t sheet = index / kStickersPerSheet + 1;
    const int32_t sticker = index % kStickersPerSheet + 1;
    StickerFileName name{};
    const char pattern[] = "\\data003\\?0???.dat";
    for (size_t i = 0; i < name.size(); ++i) name[i] = pattern[i];
    name[9] = family;
    name[11] = Digit(sheet);
    name[12] = Digit(sticker / 10);
    name[13] = Digit(sticker % 10);
    return name;
}

constexpr StickerFileNames StickerFiles(char family) {
    StickerFileNames names{};
    for (int32_t index = 0; index < NUMBEROFSTICKERGRAPHICS; ++index) {
        names[static_cast<size_t>(index)] = StickerFile(family, index);
    }
    return names;
}

constexpr std::array<const char*, NUMBEROFSTICKERGRAPHICS> NamesOf(const StickerFileNames& names) {
    std::array<const char*, NUMBEROFSTICKERGRAPHICS> pointers{};
    for (size_t i = 0; i < names.size(); ++i) pointers[i] = names[i].data();
    return pointers;
}

constexpr StickerFileNames kStickerButtonNames = StickerFiles('b');
constexpr StickerFileNames kStickerPictureNames = StickerFiles('s');

template <typename Names>
void Append(std::vector<const char*>& list, const Names& names) {
    // One at a time: GCC 12 at -O3 takes a range insert for an overflow.
    for (const char* name : names) list.push_back(name);
}

}  // namespace

constinit const std::array<const char*, NUMBEROFSTICKERGRAPHICS> StickerButtonFiles =
    NamesOf(kStickerButtonNames);
constinit const std::array<const char*, NUMBEROFSTICKERGRAPHICS> StickerPictureFiles =
    NamesOf(kStickerPictureNames);

constinit const std::array<const char*, kNumberOfSheets> SheetButtonFiles = {
    "\\data003\\b0004.dat", "\\data003\\b0005.dat", "\\data003\\b0006.dat", "\\data003\\b0007.dat",
    "\\data003\\b0008.dat", "\\data003\\b0009.dat", "\\data003\\b0010.dat", "\\data003\\b0011.dat"};

constinit const std::array<const char*, kNumberOfCommandButtons> CommandButtonFiles = {
    "\\data003\\b0015.dat",  // quit
    "\\data003\\b0014.dat",  // print
    "\\data003\\b0001.dat",  // clear all
    "\\data003\\b0012.dat",  // about
    "\\data003\\b0018.dat",  // previous page
    "\\data003\\b0002.dat",  // next page
};

std::vector<const char*> DataFilesToCheck() {
    std::vector<const char*> files;
    Append(files, StickerPictureFiles);
    Append(files, PageBackgroundFiles);
    Append(files, CommandButtonFiles);
    Append(files, SheetButtonFiles);
    Append(files, StickerButtonFiles);
    Append(files,
           std::array{kTopBottomBarsFile, kLeftRightBarsFile, kTitlePictureFile,
                      kTitleBackgroundFile, kPageLabelsFile, kPageCornersFile, kStartButtonFile});
    return files;
}
