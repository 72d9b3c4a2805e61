// Any bytes as a picture file read into a DIB section of whatever depth it claims: the
// reader refuses or reads, and what it read draws onto a screen-sized surface safely.

#include <cstddef>
#include <cstdint>

#include "fuzz/MemoryFile.h"
#include "gfx/DIBSection.h"
#include "platform/gdi/DeviceContext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFile file(data, size);
    CDIBSection section;
    if (!section.ReadSection(file, nullptr)) return 0;
    static Surface surface(160, 120);
    HDC dc = CreateSurfaceDC(&surface, POINT{0, 0}, surface.Bounds());
    section.Draw(dc, POINT{-3, 5}, nullptr);
    const RECT part{1, 2, section.GetWidth(), section.GetHeight()};
    section.Draw(dc, POINT{7, -2}, &part);
    ReleaseSurfaceDC(dc);
    return 0;
}
