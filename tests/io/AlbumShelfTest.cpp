#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/AlbumShelf.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

// The albums there are: the album without a name once it has a record, then the named
// albums in the order they were made. A list a hand or a fault has spoiled gives only
// the names that can be albums' and whose folders are there, each once: nothing in it
// can name a folder outside the albums' own.
TEST(AlbumShelfTest, ListsTheAlbumsThereAreInTheOrderTheyWereMade) {
    TempDirectory folder;
    EXPECT_EQ(AlbumShelf::Albums(), Names{});
    fs::create_directories(folder.Path() / "save003/albums");
    for (const char* name : {"Ben", "Ann", "Class 2"}) {
        fs::create_directory(folder.Path() / "save003/albums" / name);
        AlbumShelf::Remember(name);
    }
    AlbumShelf::Remember("Ben");
    EXPECT_EQ(AlbumShelf::Albums(), (Names{"Ben", "Ann", "Class 2"}));
    EXPECT_EQ(ReadText(folder / "save003/albums/albums.txt"), "Ben\nAnn\nClass 2\n");

    WriteBytes(folder / "save003/page00.sav", {0});
    fs::create_directories(folder.Path() / "save003/albums/../../escaped");
    const std::string spoiled = "Ann\n../../escaped\n\nAnn\nGone\n/tmp\nBen\n\xff\xfe\nClass 2";
    WriteBytes(folder / "save003/albums/albums.txt", Bytes(spoiled.begin(), spoiled.end()));
    EXPECT_EQ(AlbumShelf::Albums(), (Names{"", "Ann", "Ben", "Class 2"}));
}
