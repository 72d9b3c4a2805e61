#include "gfx/DIB.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "diag/Log.h"
#include "gfx/OpaqueRuns.h"
#include "gfx/PictureFormat.h"
#include "io/FileManager.h"

namespace {

constexpr WORD kBitsPerPixel = 24;
constexpr uint32_t kBytesPerPixel = 3;

bool IsPictureSize(LONG width, LONG height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

uint32_t StrideOf(LONG width) {
    return DibStride(width, kBitsPerPixel);
}

// The header every CDIB keeps: 24 bits, uncompressed, bottom-up, no colour table.
BITMAPINFOHEADER PictureHeader(LONG width, LONG height) {
    BITMAPINFOHEADER header{};
    header.biSize = kInfoHeaderSize;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = kBitsPerPixel;
    header.biCompression = BI_RGB;
    return header;
}

// Compares pixels with the colour key byte by byte, in the stored order blue, green, red.
class KeyTest {
public:
    explicit KeyTest(COLORREF key)
        : m_active(key <= 0xFFFFFF),
          m_blue(static_cast<uint8_t>(key >> 16)),
          m_green(static_cast<uint8_t>(key >> 8)),
          m_red(static_cast<uint8_t>(key)) {}

    bool HasKey() const { return m_active; }
    bool IsTransparent(const uint8_t* pixel) const {
        return m_active && pixel[0] == m_blue && pixel[1] == m_green && pixel[2] == m_red;
    }

private:
    bool m_active;
    uint8_t m_blue;
    uint8_t m_green;
    uint8_t m_red;
};

// Copies one row, finding runs of opaque pixels and moving each run in one piece.
void CopyKeyedRow(uint8_t* to, const uint8_t* from, LONG width, const KeyTest& key) {
    const uint8_t* const end = from + static_cast<size_t>(width) * kBytesPerPixel;
    const uint8_t* pixel = from;
    while (pixel < end) {
        while (pixel < end && key.IsTransparent(pixel)) pixel += kBytesPerPixel;
        const uint8_t* run = pixel;
        while (pixel < end && !key.IsTransparent(pixel)) pixel += kBytesPerPixel;
        std::memcpy(to + (run - from), run, static_cast<size_t>(pixel - run));
    }
}

// Copies one row read right to left from `fromRight`, the source pixel of the row's
// first destination pixel.
void CopyMirroredRow(uint8_t* to, const uint8_t* fromRight, LONG width, const KeyTest& key) {
    for (LONG i = 0; i < width; ++i, to += kBytesPerPixel, fromRight -= kBytesPerPixel) {
        if (key.IsTransparent(fromRight)) continue;
        to[0] = fromRight[0];
        to[1] = fromRight[1];
        to[2] = fromRight[2];
    }
}

}  // namespace

// A block copy's positions and size, in 64 bits so that clipping never overflows.
struct CDIB::Block {
    int64_t destX, destY, width, height, srcX, srcY;
};

CDIB::CDIB(LONG width, LONG height) {
    Create(width, height);
}

CDIB::~CDIB() = default;

LONG CDIB::GetHeight() const {
    return m_info.bmiHeader.biHeight;
}
LONG CDIB::GetWidth() const {
    return m_info.bmiHeader.biWidth;
}
void CDIB::GetRect(RECT& out) const {
    out = RECT{0, 0, GetWidth(), GetHeight()};
}
uint32_t CDIB::GetStride() const {
    return StrideOf(GetWidth());
}

void CDIB::TakeOwnedPixels(const BITMAPINFOHEADER& header, std::vector<uint8_t>&& pixels) {
    m_info = BITMAPINFO{};
    m_info.bmiHeader = header;
    m_ownedPixels = std::move(pixels);
    m_pixels = m_ownedPixels.data();
    m_imageSize = static_cast<uint32_t>(m_ownedPixels.size());
}

bool CDIB::Create(LONG width, LONG height) {
    if (!IsPictureSize(width, height)) return false;
    try {
        std::vector<uint8_t> pixels(static_cast<size_t>(StrideOf(width)) *
                                    static_cast<size_t>(height));
        TakeOwnedPixels(PictureHeader(width, height), std::move(pixels));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CDIB::Attach(const BITMAPINFO* info, void* pixels) {
    if (info == nullptr || pixels == nullptr) return false;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biBitCount != kBitsPerPixel || header.biCompression != BI_RGB ||
        !IsPictureSize(header.biWidth, header.biHeight)) {
        return false;
    }
    m_info = *info;
    m_ownedPixels = std::vector<uint8_t>();
    m_pixels = static_cast<uint8_t*>(pixels);
    m_imageSize = StrideOf(header.biWidth) * static_cast<uint32_t>(header.biHeight);
    return true;
}

bool CDIB::ReadInfoHeader(CFileBase& file, BITMAPINFOHEADER& header) {
    uint32_t done = 0;
    file.Read(&header, kInfoHeaderSize, &done);
    if (done != kInfoHeaderSize || !IsPictureSize(header.biWidth, header.biHeight)) {
        WriteLog("Bad bitmap header");
        return false;
    }
    return true;
}

bool CDIB::Read(CFileBase& file) {
    uint8_t fileHeader[kFileHeaderSize] = {};
    uint32_t done = 0;
    file.Read(fileHeader, kFileHeaderSize, &done);
    if (done != kFileHeaderSize || PictureFileHeader::Parse(fileHeader).type != kPictureFileType) {
        WriteLog("Not a bitmap file");
        return false;
    }
    BITMAPINFOHEADER header{};
    if (!ReadInfoHeader(file, header)) return false;

    // Pixels always follow the info header as 24-bit rows, whatever the header says, so
    // the kept header says so too.
    const size_t imageSize =
        static_cast<size_t>(StrideOf(header.biWidth)) * static_cast<size_t>(header.biHeight);
    const size_t available = file.GetLength() - static_cast<uint32_t>(file.GetPosition());
    if (imageSize > available) {
        WriteLog("Bitmap pixel data too short");
        return false;
    }
    std::vector<uint8_t> pixels(imageSize);
    file.Read(pixels.data(), static_cast<uint32_t>(imageSize), &done);
    if (done != imageSize) {
        WriteLog("Bitmap pixel data too short");
        return false;
    }
    TakeOwnedPixels(PictureHeader(header.biWidth, header.biHeight), std::move(pixels));
    return true;
}

bool CDIB::Load(const char* path) {
    CFileManager file(true);
    if (file.OpenForRead(path) == nullptr) {
        WriteLog("Failed to open file");
        file.Close();
        return false;
    }
    const bool result = Read(file);
    if (!result) WriteLog("Failed to load file");
    file.Close();
    return result;
}

uint8_t* CDIB::PixelAddress(LONG x, LONG y) const {
    if (m_pixels == nullptr || x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight())
        return nullptr;
    const auto row = static_cast<size_t>(GetHeight() - 1 - y);
    return m_pixels + row * GetStride() + static_cast<size_t>(x) * kBytesPerPixel;
}

uint8_t* CDIB::MirroredPixelAddress(LONG x, LONG y) const {
    if (x < 0 || x >= GetWidth()) return nullptr;
    return PixelAddress(GetWidth() - 1 - x, y);
}

bool CDIB::GetColour(const uint8_t* pixel, COLORREF& out) const {
    out = 0;
    if (pixel == nullptr) {
        WriteLog("Out of range pixel coords");
        return false;
    }
    out = static_cast<COLORREF>(pixel[2] | pixel[1] << 8 | pixel[0] << 16);
    return true;
}

bool CDIB::GetPixel(LONG x, LONG y, COLORREF& out) const {
    return GetColour(PixelAddress(x, y), out);
}

bool CDIB::GetMirroredPixel(LONG x, LONG y, COLORREF& out) const {
    return GetColour(MirroredPixelAddress(x, y), out);
}

bool CDIB::ClipBlock(const CDIB& dest, Block& b) const {
    const auto clipStart = [](int64_t& src, int64_t& dst, int64_t& length) {
        const int64_t cut = std::max({int64_t{0}, -src, -dst});
        src += cut;
        dst += cut;
        length -= cut;
    };
    clipStart(b.srcX, b.destX, b.width);
    clipStart(b.srcY, b.destY, b.height);
    b.width = std::min({b.width, GetWidth() - b.srcX, dest.GetWidth() - b.destX});
    b.height = std::min({b.height, GetHeight() - b.srcY, dest.GetHeight() - b.destY});
    return b.width > 0 && b.height > 0 && m_pixels != nullptr && dest.m_pixels != nullptr;
}

void CDIB::CopyBlock(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX,
                     LONG srcY, COLORREF key, bool mirrored, const OpaqueRuns* runs) const {
    if (dest == nullptr || width <= 0 || height <= 0) return;
    Block b{destX, destY, width, height, srcX, srcY};
    if (!ClipBlock(*dest, b)) return;

    const KeyTest keyTest(key);
    const bool useRuns = !mirrored && keyTest.HasKey() && runs != nullptr &&
                         runs->Describe(GetPixels(), GetWidth(), GetHeight(), key);
    const auto w = static_cast<LONG>(b.width);
    const auto x = static_cast<LONG>(b.srcX);
    const size_t rowBytes = static_cast<size_t>(w) * kBytesPerPixel;
    // From the block's bottom row up, as the rows are stored: each row up is one stride on.
    const auto bottom = static_cast<LONG>(b.height - 1);
    uint8_t* to =
        dest->PixelAddress(static_cast<LONG>(b.destX), static_cast<LONG>(b.destY) + bottom);
    const uint8_t* from = PixelAddress(0, static_cast<LONG>(b.srcY) + bottom);
    const size_t toStride = dest->GetStride();
    const size_t fromStride = GetStride();
    // Whole rows of pictures of one width, as when a full page is composed: the block is
    // one piece of memory, starting at its bottom row.
    if (!mirrored && !keyTest.HasKey() && w == GetWidth() && w == dest->GetWidth()) {
        std::memmove(to, from, static_cast<size_t>(bottom) * fromStride + rowBytes);
        return;
    }
    const auto mirroredStart = static_cast<size_t>(GetWidth() - 1 - x) * kBytesPerPixel;
    for (LONG row = bottom; row >= 0; --row, to += toStride, from += fromStride) {
        if (mirrored) {
            CopyMirroredRow(to, from + mirroredStart, w, keyTest);
        } else if (useRuns) {
            runs->CopyRow(to, from, static_cast<LONG>(b.srcY) + row, x, w);
        } else if (keyTest.HasKey()) {
            CopyKeyedRow(to, from + static_cast<size_t>(x) * kBytesPerPixel, w, keyTest);
        } else {
            std::memmove(to, from + static_cast<size_t>(x) * kBytesPerPixel, rowBytes);
        }
    }
}

void CDIB::CopyTo(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX, LONG srcY,
                  COLORREF key) const {
    CopyBlock(dest, destX, destY, width, height, srcX, srcY, key, false, nullptr);
}

OpaqueRuns CDIB::FindOpaqueRuns(COLORREF key) const {
    return OpaqueRuns(GetPixels(), GetWidth(), GetHeight(), GetStride(), key);
}

void CDIB::CopyOpaqueRunsTo(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX,
                            LONG srcY, COLORREF key, const OpaqueRuns& runs) const {
    CopyBlock(dest, destX, destY, width, height, srcX, srcY, key, false, &runs);
}

void CDIB::CopyMirroredTo(CDIB* dest, LONG destX, LONG destY, LONG width, LONG height, LONG srcX,
                          LONG srcY, COLORREF key) const {
    CopyBlock(dest, destX, destY, width, height, srcX, srcY, key, true, nullptr);
}
