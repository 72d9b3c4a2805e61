#pragma once
// A picture of any uncompressed bit depth held in a DIB section, read from a picture
// file and drawn onto a device context. The tiled pictures of the buttons build on it.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/gdi/Gdi.h"
#include "platform/kernel/WinTypes.h"

class CFileBase;

class CDIBSection {
public:
    CDIBSection();
    virtual ~CDIBSection();
    CDIBSection(const CDIBSection&) = delete;
    CDIBSection& operator=(const CDIBSection&) = delete;

    // Reads a picture file, honouring its pixel-data offset. Refuses (false, with a log
    // line) anything whose header, colour table or pixels do not fit the file.
    virtual bool ReadSection(CFileBase& file, HWND window);
    // Draws the picture, or the part `source` names as left, top, width and height, with
    // its top-left corner at `dest`. False when there is no picture.
    virtual bool Draw(HDC dc, POINT dest, const RECT* source) const;
    virtual void Release();

    bool ComputeMetrics();

    HBITMAP GetBitmap() const { return m_bitmap; }
    void* GetPixels() const { return m_pixels; }
    const BITMAPINFO* GetInfo() const { return m_info.get(); }
    uint32_t GetImageSize() const { return m_imageSize; }
    LONG GetWidth() const;
    LONG GetHeight() const;

private:
    struct FreeBlock {
        void operator()(void* block) const { std::free(block); }
    };

    bool ReadInfoBlock(CFileBase& file, uint32_t pixelOffset);
    bool CreateSection(HWND window);

    HBITMAP m_bitmap = nullptr;
    void* m_pixels = nullptr;
    std::unique_ptr<BITMAPINFO, FreeBlock> m_info;
    uint32_t m_imageSize = 0;
};
