#pragma once
// The book as it was just before the last Clear All (every page file and the record of
// used stickers), kept in the save folder so that a grown-up can bring it back.
//
// Two copy folders take turns ("book-copy-a", "book-copy-b"); the small text file
// "book-copy.txt" names the one that holds the whole copy, with its date. A new copy
// is written into the other folder, and only the rewrite of that text file, which
// replaces it whole (Serializer), makes it the copy: a copy cut short is never offered.
//
// Bringing a copy back puts the book it replaces into the other folder first, so that a
// mistaken bring-back can be taken back too. Then the text file notes the bring-back
// before a page is touched; a program ended halfway through finishes it at its next
// start (FinishInterruptedBringBack), copying the untouched copy again. Either way the
// book read afterwards is whole: the old one, or the one brought back.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

class ClearedBook {
public:
    enum class Reason { Cleared, Replaced };
    struct Copy {
        std::string date;
        // Cleared: the book a Clear All emptied; Replaced: the book a bring-back replaced.
        Reason reason;
    };

    // `saveFolder`: the full path of the folder holding the book's files.
    explicit ClearedBook(std::string saveFolder) : m_saveFolder(std::move(saveFolder)) {}
    // The copy of the album's own book, in its save folder.
    static ClearedBook OfAlbum();
    // Today's date as a copy is dated: "7 Dec 2026".
    static std::string Today();

    // The copy that can be brought back, when one is kept whole.
    std::optional<Copy> Kept() const;
    // Keeps the book as it is on disk now as the copy, dated `date`. False, with the
    // copy kept before still the one offered, when it cannot be written whole.
    bool Keep(const std::string& date, Reason reason);
    // Puts the copy in the book's place, byte for byte; the book it replaces becomes the
    // copy, dated `date`. False when there is no copy or it could not be done whole now.
    bool BringBack(const std::string& date);
    // Finishes a bring-back that an ended program left halfway. Runs before the book is
    // read; true when there was none or it is finished now.
    bool FinishInterruptedBringBack();

    // The one place every path of the book and its copies comes from: `entry` inside
    // the save folder.
    std::string PathOf(std::string_view entry) const;

private:
    struct Record {
        char folder;
        Copy copy;
        // The copy folder being brought back, while a bring-back is under way.
        std::optional<char> bringingBack;
    };

    std::optional<Record> ReadRecord() const;
    bool WriteRecord(const Record& record) const;
    // Copies every file of the book from one folder to the other; a file missing in
    // the source goes from the target too. An empty name is the book itself.
    bool CopyBook(const std::string& from, const std::string& to) const;
    bool CopyFile(const std::string& from, const std::string& to) const;
    bool FinishBringBack(const Record& record) const;
    static std::string CopyFolder(char folder);

    std::string m_saveFolder;
};
