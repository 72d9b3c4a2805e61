#pragma once
// A GDI bitmap: either a compatible bitmap (a 32-bit surface) or a DIB section (pixels
// in the layout of its header, written by the program directly). A bitmap selected
// into a memory context is what that context draws into.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/DibHeader.h"
#include "platform/gdi/DibLayout.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Surface.h"

class BitmapObject : public GdiObject {
public:
    static std::unique_ptr<BitmapObject> MakeCompatible(LONG width, LONG height);
    // Null when `info` is not a supported DIB.
    static std::unique_ptr<BitmapObject> MakeSection(const BITMAPINFO* info);
    // The 1 x 1 bitmap a memory context holds before anything is selected into it.
    static BitmapObject& Stock();

    bool IsStock() const { return this == &Stock(); }
    // The surface of a compatible bitmap; null for a DIB section.
    Surface* GetSurface() { return m_surface ? &*m_surface : nullptr; }
    // The pixels of a DIB section; null for a compatible bitmap.
    void* Bits() { return m_surface ? nullptr : m_bits.data(); }
    DibLayout Layout() const;
    RECT Bounds() const;

    int32_t m_selections = 0;

private:
    BitmapObject() = default;

    std::optional<Surface> m_surface;
    std::vector<uint8_t> m_infoBlock;  // header and colour table of a DIB section
    std::vector<uint8_t> m_bits;
};
