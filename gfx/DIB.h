#pragma once
// A 24-bit bottom-up picture in memory, with pixel access and colour-keyed block copies
// into another picture. Sprites, the page background and the off-screen image are all
// CDIBs. Pixels are owned, or borrowed from a DIB section (Attach).

#include <cstdint>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/kernel/WinTypes.h"

class CFileBase;
class OpaqueRuns;

class CDIB {
public:
    // A key that matches no pixel: every pixel is copied.
    static constexpr COLORREF kNoKey = 0xFFFFFFFF;

    CDIB(LONG width, LONG height);
    virtual ~CDIB();
    CDIB(const CDIB&) = delete;
    CDIB& operator=(const CDIB&) = delete;

    virtual LONG GetHeight() const;
    virtual LONG GetWidth() const;
    virtual void GetRect(RECT& out) const;

    // A new picture of the given size with owned pixels; false (old picture kept) for a
    // size that is not positive or too large, or when memory runs out.
    bool Create(LONG width, LONG height);
    // Draws into `pixels`, laid out as the 24-bit bottom-up `info` describes; the pixels
    // stay their owner's. False for null pointers or a header of another layout.
    bool Attach(const BITMAPINFO* info, void* pixels);
    // Reads a picture file; on any failure the old picture is kept.
    bool Read(CFileBase& file);
    // Reads the picture file at a program path (relative to the base directory).
    bool Load(const char* path);

    const BITMAPINFO* GetInfo() const { return &m_info; }
    uint8_t* GetPixels() const { return m_pixels; }
    uint32_t GetImageSize() const { return m_imageSize; }
    uint32_t GetStride() const;

    // The address of pixel (x, y), y counted from the top; null outside the picture.
    uint8_t* PixelAddress(LONG x, LONG y) const;
    // The same for the picture mirrored left to right.
    uint8_t* MirroredPixelAddress(LONG x, LONG y) const;
    bool GetPixel(LONG x, LONG y, COLORREF& out) const;
    bool GetMirroredPixel(LONG x, LONG y, COLORREF& out) const;

    // Copies a width x height block from (srcX, srcY) here to (destX, destY) in `dest`,
    // leaving destination pixels alone where the source equals `key`. The block is clipped
    // to both pictures.
    void CopyTo(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX, LONG srcY,
                COLORREF key) const;
    // The runs of this picture's pixels that differ from `key`, for CopyOpaqueRunsTo.
    OpaqueRuns FindOpaqueRuns(COLORREF key) const;
    // CopyTo with the key's opaque runs found beforehand in this picture; runs found in
    // another picture, or for another key, are ignored and the pixels compared instead.
    void CopyOpaqueRunsTo(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX,
                          LONG srcY, COLORREF key, const OpaqueRuns& runs) const;
    // The same from the picture mirrored left to right.
    void CopyMirroredTo(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX,
                        LONG srcY, COLORREF key) const;

protected:
    // No picture yet (0 x 0, no pixels), for a picture that is read at once.
    CDIB() = default;

private:
    struct Block;
    bool ClipBlock(const CDIB& dest, Block& block) const;
    void CopyBlock(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX,
                   LONG srcY, COLORREF key, bool mirrored, const OpaqueRuns* runs) const;
    void TakeOwnedPixels(const BITMAPINFOHEADER& header, std::vector<uint8_t>&& pixels);
    bool ReadInfoHeader(CFileBase& file, BITMAPINFOHEADER& header);
    bool GetColour(const uint8_t* pixel, COLORREF& out) const;

    BITMAPINFO m_info{};
    uint8_t* m_pixels = nullptr;
    uint32_t m_imageSize = 0;
    std::vector<uint8_t> m_ownedPixels;
};
