#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/DibLayout.h"

namespace {

// Where a context's pixels live: a 32-bit surface or the pixels of a DIB section.
class PixelTarget {
public:
    explicit PixelTarget(HDC dc) : m_surface(dc->surface) {
        if (m_surface == nullptr && dc->selected != nullptr) m_dib.emplace(dc->selected->Layout());
    }

    bool IsValid() const { return m_surface != nullptr || m_dib.has_value(); }

    void ReadRow(LONG x, LONG y, LONG count, uint32_t* out) const {
        if (m_surface != nullptr) {
            std::copy_n(m_surface->Row(y) + x, count, out);
        } else {
            m_dib->ReadRow(x, y, count, out);
        }
    }

    void WriteRow(LONG x, LONG y, LONG count, const uint32_t* in) const {
        if (m_surface != nullptr) {
            std::copy_n(in, count, m_surface->Row(y) + x);
        } else {
            m_dib->WriteRow(x, y, count, in);
        }
    }

private:
    Surface* m_surface;
    std::optional<DibLayout> m_dib;
};

// A rectangle in 64-bit numbers, so that no sum of coordinates given by a caller overflows.
struct Span {
    int64_t left, top, right, bottom;

    static Span Of(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
    Span Intersect(const Span& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    Span Offset(int64_t dx, int64_t dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    LONG Width() const { return static_cast<LONG>(right - left); }
    LONG Height() const { return static_cast<LONG>(bottom - top); }
    // Only for spans already cut to a surface, whose sides fit in a LONG.
    RECT ToRect() const {
        return RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                    static_cast<LONG>(bottom)};
    }
};

void AttachBitmap(HDC dc, BitmapObject& bitmap) {
    ++bitmap.m_selections;
    dc->selected = &bitmap;
    dc->surface = bitmap.GetSurface();
    dc->origin = POINT{0, 0};
    dc->clip = bitmap.Bounds();
}

// The source position of destination offset `i` of `count` when `sourceCount` pixels are
// stretched over them (nearest pixel).
int64_t StretchedIndex(int64_t i, int64_t count, int64_t sourceCount) {
    return i * sourceCount / count;
}

}  // namespace

HDC CreateCompatibleDC(HDC) {
    HDC dc = new DeviceContext{nullptr, POINT{0, 0}, RECT{}};
    AttachBitmap(dc, BitmapObject::Stock());
    return dc;
}

BOOL DeleteDC(HDC dc) {
    if (dc == nullptr) return FALSE;
    if (dc->release != nullptr) {
        dc->release(dc);
        return TRUE;
    }
    if (dc->selected != nullptr) --dc->selected->m_selections;
    delete dc;
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    return BitmapObject::MakeCompatible(width, height).release();
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT, void** bits, HANDLE, DWORD) {
    BitmapObject* bitmap = BitmapObject::MakeSection(info).release();
    if (bits != nullptr) *bits = bitmap != nullptr ? bitmap->Bits() : nullptr;
    return bitmap;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    // Bitmaps are the only objects, and only memory contexts hold one.
    auto* bitmap = static_cast<BitmapObject*>(object);
    if (dc == nullptr || bitmap == nullptr || dc->selected == nullptr) return nullptr;
    if (bitmap == dc->selected) return bitmap;
    if (bitmap->m_selections > 0 && !bitmap->IsStock()) return nullptr;
    BitmapObject* previous = dc->selected;
    --previous->m_selections;
    AttachBitmap(dc, *bitmap);
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    auto* bitmap = static_cast<BitmapObject*>(object);
    if (bitmap == nullptr || bitmap->IsStock() || bitmap->m_selections > 0) return FALSE;
    delete bitmap;
    return TRUE;
}

int SetStretchBltMode(HDC dc, int mode) {
    if (dc == nullptr) return 0;
    const int previous = dc->stretchMode;
    dc->stretchMode = mode;
    return previous;
}

int GetDeviceCaps(HDC dc, int index) {
    if (dc == nullptr) return 0;
    const RECT bounds = dc->surface != nullptr    ? dc->surface->Bounds()
                        : dc->selected != nullptr ? dc->selected->Bounds()
                                                  : RECT{};
    switch (index) {
        case HORZRES:
            return bounds.right;
        case VERTRES:
            return bounds.bottom;
        case BITSPIXEL:
            return 32;
        default:
            return 0;
    }
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    if (dest == nullptr || source == nullptr || rop != SRCCOPY) return FALSE;
    const PixelTarget to(dest);
    const PixelTarget from(source);
    if (!to.IsValid() || !from.IsValid()) return FALSE;
    if (width <= 0 || height <= 0) return TRUE;

    // The block in the destination's surface, cut to its clip and to what the source holds.
    const Span wanted =
        Span{x, y, int64_t{x} + width, int64_t{y} + height}.Offset(dest->origin.x, dest->origin.y);
    const int64_t dx = int64_t{sourceX} + source->origin.x - (int64_t{x} + dest->origin.x);
    const int64_t dy = int64_t{sourceY} + source->origin.y - (int64_t{y} + dest->origin.y);
    const Span block =
        wanted.Intersect(Span::Of(dest->clip)).Intersect(Span::Of(source->clip).Offset(-dx, -dy));
    if (block.IsEmpty()) return TRUE;

    // Read the whole block first so that a copy within one surface never reads pixels
    // it has already overwritten.
    const LONG w = block.Width();
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(block.Height()));
    for (LONG row = 0; row < block.Height(); ++row) {
        from.ReadRow(static_cast<LONG>(block.left + dx), static_cast<LONG>(block.top + dy + row), w,
                     pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(w));
    }
    for (LONG row = 0; row < block.Height(); ++row) {
        to.WriteRow(static_cast<LONG>(block.left), static_cast<LONG>(block.top + row), w,
                    pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(w));
    }
    MarkDrawn(dest, block.ToRect());
    return TRUE;
}

int StretchDIBits(HDC dest, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info, UINT,
                  DWORD rop) {
    if (dest == nullptr || bits == nullptr || info == nullptr || rop != SRCCOPY) return 0;
    if (!IsSupportedDib(info->bmiHeader)) return 0;
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return 0;
    const PixelTarget to(dest);
    if (!to.IsValid()) return 0;
    const DibLayout dib(info, bits);

    // Source rows of a bottom-up DIB are counted from its bottom row.
    const int64_t sourceTop = info->bmiHeader.biHeight > 0
                                  ? int64_t{dib.Height()} - sourceY - sourceHeight
                                  : int64_t{sourceY};
    const Span wanted =
        Span{x, y, int64_t{x} + width, int64_t{y} + height}.Offset(dest->origin.x, dest->origin.y);
    const Span block = wanted.Intersect(Span::Of(dest->clip));
    if (block.IsEmpty()) return height;

    std::vector<uint32_t> sourceRow(static_cast<size_t>(dib.Width()));
    std::vector<uint32_t> row(static_cast<size_t>(block.Width()));
    for (int64_t destY = block.top; destY < block.bottom; ++destY) {
        const int64_t fromY = sourceTop + StretchedIndex(destY - wanted.top, height, sourceHeight);
        if (fromY < 0 || fromY >= dib.Height()) continue;
        dib.ReadRow(0, static_cast<LONG>(fromY), dib.Width(), sourceRow.data());
        // Destination pixels whose source lies outside the DIB are left as they are.
        int64_t first = block.right;
        int64_t last = block.left;
        for (int64_t destX = block.left; destX < block.right; ++destX) {
            const int64_t fromX = sourceX + StretchedIndex(destX - wanted.left, width, sourceWidth);
            if (fromX < 0 || fromX >= dib.Width()) continue;
            first = std::min(first, destX);
            last = destX + 1;
            row[static_cast<size_t>(destX - block.left)] = sourceRow[static_cast<size_t>(fromX)];
        }
        if (first < last) {
            to.WriteRow(static_cast<LONG>(first), static_cast<LONG>(destY),
                        static_cast<LONG>(last - first), row.data() + (first - block.left));
        }
    }
    MarkDrawn(dest, block.ToRect());
    return height;
}
