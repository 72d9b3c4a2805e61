// Any bytes as a picture file read into a 24-bit picture: the reader refuses or reads,
// and the picture it keeps can be addressed, copied and mirrored without reading or
// writing outside either picture.

#include <cstddef>
#include <cstdint>

#include "fuzz/MemoryFile.h"
#include "gfx/DIB.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFile file(data, size);
    CDIB picture(32, 32);
    picture.Read(file);
    CDIB page(64, 48);
    const LONG shift = size > 0 ? static_cast<LONG>(data[0]) - 128 : 0;
    picture.CopyTo(&page, shift, shift / 2, picture.GetWidth(), picture.GetHeight(), -shift / 3, 0,
                   0xFF00FF);
    picture.CopyMirroredTo(&page, shift / 2, shift, picture.GetWidth(), picture.GetHeight(), 0,
                           shift, CDIB::kNoKey);
    COLORREF colour = 0;
    picture.GetMirroredPixel(picture.GetWidth() - 1, picture.GetHeight() - 1, colour);
    return 0;
}
