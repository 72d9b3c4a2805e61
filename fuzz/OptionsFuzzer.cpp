// Any bytes as the options file: the reader recovers or keeps the setting, and never
// reads outside what it was given.

#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzAlbum.h"
#include "io/Initialization.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& base = FuzzAlbum::Base("quillory-options-fuzz");
    FuzzAlbum::PutFile(CInitialization::kRelativeFileName, data, size);
    CInitialization options(base);
    return 0;
}
