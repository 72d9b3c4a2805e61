#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "album/ClearedBook.h"
#include "album/DeleteAll.h"
#include "catalogue/StickerNumbering.h"
#include "tests/album/AlbumFiles.h"

namespace fs = std::filesystem;

// Every file of the book by its name in the save folder; a missing file has no bytes.
using Book = std::map<std::string, std::optional<Bytes>>;

class ClearedBookTest : public testing::Test {
protected:
    fs::path SaveFolder() const { return album.folder.Path() / "save003"; }

    Book ReadBook() const {
        Book files;
        for (const char* relative : PageSaveFiles) {
            const fs::path file = album.folder.Path() / ToHostPath(relative + 1);
            files[file.filename().string()] =
                fs::exists(file) ? std::optional(ReadBytes(file.string())) : std::nullopt;
        }
        return files;
    }

    // A book with stickers on its first and fourth pages, and its last page never shown.
    void WriteFirstBook() const {
        album.WritePage(0, AlbumFolder::PageWith({3, 5}));
        album.WritePage(3, AlbumFolder::PageWith({90}));
        for (const int32_t page : {1, 2}) album.WritePage(page, AlbumFolder::EmptyPage());
        std::vector<int32_t> entries(NUMBEROFSTICKERGRAPHICS, 0);
        entries[3] = entries[5] = entries[90] = 1;
        WriteBytes(album.SaveFile("page00.sav"), AlbumFolder::RecordOf(entries));
    }

    // What Clear All leaves, and a first sticker of a new book.
    void ClearAndStartAgain() const {
        DeleteAll deleteAll;
        deleteAll.ClearPageFiles();
        std::vector<int32_t> entries(NUMBEROFSTICKERGRAPHICS, 0);
        entries[40] = 1;
        WriteBytes(album.SaveFile("page00.sav"), AlbumFolder::RecordOf(entries));
        album.WritePage(1, AlbumFolder::PageWith({40}));
    }

    // A file that may not be written: the copy or bring-back stops there, as if the
    // program had ended at that moment.
    void Block(const fs::path& file) const {
        fs::create_directories(file.parent_path());
        if (!fs::exists(file)) WriteBytes(file.string(), {});
        chmod(file.string().c_str(), 0444);
    }
    static void Unblock(const fs::path& file) { chmod(file.string().c_str(), 0644); }

    AlbumFolder album;
    ClearedBook book = ClearedBook::OfAlbum();
};

// A kept book comes back byte for byte, pages never shown staying absent; the book it
// replaces becomes the copy, so that bringing back again undoes it. A later Clear All
// replaces the copy. There is nothing to bring back before the first Clear All.
TEST_F(ClearedBookTest, AKeptBookComesBackByteForByteAndTheBookItReplacesBecomesTheCopy) {
    EXPECT_FALSE(book.Kept());
    EXPECT_FALSE(book.BringBack("1 May 2026"));
    WriteFirstBook();
    const Book first = ReadBook();
    ASSERT_FALSE(first.at("page25.sav"));
    ASSERT_TRUE(book.Keep("1 May 2026", ClearedBook::Reason::Cleared));
    ClearAndStartAgain();
    const Book second = ReadBook();
    ASSERT_NE(first, second);

    ASSERT_TRUE(book.BringBack("2 May 2026"));
    EXPECT_EQ(ReadBook(), first);
    const auto kept = book.Kept();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->date, "2 May 2026");
    EXPECT_EQ(kept->reason, ClearedBook::Reason::Replaced);
    ASSERT_TRUE(book.BringBack("3 May 2026"));
    EXPECT_EQ(ReadBook(), second);

    ASSERT_TRUE(book.Keep("4 May 2026", ClearedBook::Reason::Cleared));
    ClearAndStartAgain();
    ASSERT_TRUE(book.BringBack("5 May 2026"));
    EXPECT_EQ(ReadBook(), second) << "the latest Clear All's book comes back";
}

// However a keep or a bring-back is cut short (each stop is a file that cannot be
// written, which ends the work there as the end of the program would), the book is
// whole: the old one, or, once the next start has finished the bring-back, the one
// brought back. A copy cut short is never offered.
TEST_F(ClearedBookTest, AKeepOrBringBackCutShortLeavesAWholeBook) {
    const struct {
        const char* stop;
        bool whileBringingBack;
        std::string blocked;  // inside the save folder
        bool broughtBackAtNextStart;
    } stops[] = {
        {"keeping: the first page's copy", false, "book-copy-b/page01.sav", false},
        {"keeping: the record's copy", false, "book-copy-b/page00.sav", false},
        {"keeping: the note naming the copy", false, "book-copy.txt", false},
        {"putting the book aside", true, "book-copy-b/page13.sav", false},
        {"noting the bring-back", true, "book-copy.txt", false},
        {"bringing back the first page", true, "page01.sav", true},
        {"bringing back the second page", true, "page02.sav", true},
        {"bringing back the record", true, "page00.sav", true},
    };
    for (const auto& [stop, whileBringingBack, blocked, broughtBackAtNextStart] : stops) {
        SCOPED_TRACE(stop);
        fs::remove_all(SaveFolder());
        fs::create_directory(SaveFolder());
        WriteFirstBook();
        const Book first = ReadBook();
        ASSERT_TRUE(book.Keep("1 May 2026", ClearedBook::Reason::Cleared));
        ClearAndStartAgain();
        const Book second = ReadBook();

        Block(SaveFolder() / blocked);
        const bool done = whileBringingBack ? book.BringBack("2 May 2026")
                                            : book.Keep("2 May 2026", ClearedBook::Reason::Cleared);
        EXPECT_FALSE(done);
        Unblock(SaveFolder() / blocked);
        if (broughtBackAtNextStart) {
            EXPECT_FALSE(book.Kept()) << "nothing to offer while a bring-back is under way";
            EXPECT_TRUE(book.FinishInterruptedBringBack());
            EXPECT_EQ(ReadBook(), first);
            ASSERT_TRUE(book.BringBack("3 May 2026"));
            EXPECT_EQ(ReadBook(), second) << "the book replaced was put aside whole";
            continue;
        }
        EXPECT_TRUE(book.FinishInterruptedBringBack());
        EXPECT_EQ(ReadBook(), second);
        const auto kept = book.Kept();
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->date, "1 May 2026");
        ASSERT_TRUE(book.BringBack("3 May 2026"));
        EXPECT_EQ(ReadBook(), first);
    }
}
