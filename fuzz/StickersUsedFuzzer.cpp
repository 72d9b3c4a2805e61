// Any bytes as the used-sticker record: the reader takes the record or resets it and
// the pages, and never reads outside what it was given.

#include <cstddef>
#include <cstdint>

#include "album/StickersUsed.h"
#include "catalogue/PageTable.h"
#include "fuzz/FuzzAlbum.h"
#include "fuzz/QuietMachine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzAlbum::Base("quillory-record-fuzz");
    // Entries that are neither used nor unused raise a check.
    QuietMachine::Install();
    FuzzAlbum::PutFile(kStickersUsedFile, data, size);
    StickersUsed record;
    record.ReadStickersUsed();
    return 0;
}
