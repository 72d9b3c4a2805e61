// Any bytes as the note naming the kept copy of the book: the reader offers a copy or
// none, finishes a bring-back or leaves the book alone, and never reads outside what it
// was given.

#include <cstddef>
#include <cstdint>
#include <string>

#include "album/ClearedBook.h"
#include "catalogue/PageTable.h"
#include "fuzz/FuzzAlbum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzAlbum::Base("quillory-book-copy-fuzz");
    FuzzAlbum::PutFile(std::string(kSaveFolder) + "\\book-copy.txt", data, size);
    ClearedBook book = ClearedBook::OfAlbum();
    book.Kept();
    book.FinishInterruptedBringBack();
    return 0;
}
