#include "platform/gdi/BitmapObject.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

std::unique_ptr<BitmapObject> BitmapObject::MakeCompatible(LONG width, LONG height) {
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
        return nullptr;
    }
    std::unique_ptr<BitmapObject> bitmap(new BitmapObject);
    bitmap->m_surface.emplace(width, height);
    return bitmap;
}

std::unique_ptr<BitmapObject> BitmapObject::MakeSection(const BITMAPINFO* info) {
    if (info == nullptr || !IsSupportedDib(info->bmiHeader)) return nullptr;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    std::unique_ptr<BitmapObject> bitmap(new BitmapObject);
    const size_t tableBytes = DibColourCount(header) * sizeof(RGBQUAD);
    bitmap->m_infoBlock.resize(sizeof(BITMAPINFOHEADER) + std::max(tableBytes, sizeof(RGBQUAD)));
    std::memcpy(bitmap->m_infoBlock.data(), info, sizeof(BITMAPINFOHEADER) + tableBytes);
    bitmap->m_bits.assign(static_cast<size_t>(DibStride(header.biWidth, header.biBitCount)) *
                              static_cast<size_t>(std::abs(header.biHeight)),
                          0);
    return bitmap;
}

BitmapObject& BitmapObject::Stock() {
    static BitmapObject& stock = *MakeCompatible(1, 1).release();
    return stock;
}

DibLayout BitmapObject::Layout() const {
    // The block was filled by memcpy, which gives it a BITMAPINFO object to read.
    return DibLayout(reinterpret_cast<const BITMAPINFO*>(m_infoBlock.data()), m_bits.data());
}

RECT BitmapObject::Bounds() const {
    return m_surface ? m_surface->Bounds() : Layout().Bounds();
}
