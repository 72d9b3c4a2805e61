#include "gfx/DIBSection.h"

#include <algorithm>
#include <cstring>

#include "diag/Log.h"
#include "gfx/PictureFormat.h"
#include "io/FileBase.h"
#include "platform/user/User.h"

namespace {

// Room for the largest colour table, so that a header of any depth can be inspected
// before it is known to fit the file.
constexpr size_t kLargestInfoBlock = kInfoHeaderSize + 256 * sizeof(RGBQUAD);

bool ReadExactly(CFileBase& file, void* buffer, uint32_t count) {
    uint32_t done = 0;
    file.Read(buffer, count, &done);
    return done == count;
}

uint32_t RemainingBytes(const CFileBase& file) {
    return file.GetLength() - static_cast<uint32_t>(file.GetPosition());
}

}  // namespace

CDIBSection::CDIBSection() = default;

CDIBSection::~CDIBSection() {
    Release();
}

LONG CDIBSection::GetWidth() const {
    return m_info ? m_info->bmiHeader.biWidth : 0;
}

LONG CDIBSection::GetHeight() const {
    return m_info ? std::abs(m_info->bmiHeader.biHeight) : 0;
}

void CDIBSection::Release() {
    if (m_bitmap != nullptr) DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_pixels = nullptr;
    m_info.reset();
    m_imageSize = 0;
}

bool CDIBSection::ReadInfoBlock(CFileBase& file, uint32_t pixelOffset) {
    // The block must at least hold the header's size field, and lie inside the file.
    const uint32_t blockSize = pixelOffset - kFileHeaderSize;
    if (pixelOffset < kFileHeaderSize + sizeof(DWORD) || blockSize > RemainingBytes(file)) {
        WriteLog("CDIBSection::ReadSection: Bad file read.");
        return false;
    }
    // calloc gives the block its BITMAPINFO object; bytes the file does not supply read as 0.
    m_info.reset(
        static_cast<BITMAPINFO*>(std::calloc(1, std::max<size_t>(blockSize, kLargestInfoBlock))));
    if (!m_info || !ReadExactly(file, m_info.get(), blockSize)) {
        WriteLog("CDIBSection::ReadSection: Bad file read.");
        return false;
    }
    return true;
}

bool CDIBSection::ReadSection(CFileBase& file, HWND window) {
    Release();
    uint8_t fileHeader[kFileHeaderSize] = {};
    if (!ReadExactly(file, fileHeader, kFileHeaderSize)) {
        WriteLog("CDIBSection::ReadSection: Bad file read.");
        return false;
    }
    const PictureFileHeader parsed = PictureFileHeader::Parse(fileHeader);
    if (parsed.type != kPictureFileType) {
        WriteLog("CDIBSection::ReadSection: Not the correct file type.");
        return false;
    }
    if (!ReadInfoBlock(file, parsed.pixelOffset)) return false;

    BITMAPINFOHEADER& header = m_info->bmiHeader;
    header.biXPelsPerMeter = 0;
    header.biYPelsPerMeter = 0;
    header.biClrUsed = 0;
    header.biClrImportant = 0;
    if (header.biCompression != BI_RGB) {
        WriteLog("CDIBSection::ReadSection: Not an uncompressed format.");
        return false;
    }
    if (!ComputeMetrics()) {
        WriteLog("CDIBSection::ReadSection: BITMAPINFOHEADER size problem.");
        return false;
    }
    const uint32_t tableBytes = DibColourCount(header) * static_cast<uint32_t>(sizeof(RGBQUAD));
    if (parsed.pixelOffset - kFileHeaderSize < kInfoHeaderSize + tableBytes) {
        WriteLog("CDIBSection::ReadSection: Colour table does not fit before the pixels.");
        return false;
    }
    if (m_imageSize > RemainingBytes(file)) {
        WriteLog("CDIBSection::ReadSection: Bad bitmap image read.");
        return false;
    }
    if (!CreateSection(window)) return false;
    if (!ReadExactly(file, m_pixels, m_imageSize)) {
        WriteLog("CDIBSection::ReadSection: Bad bitmap image read.");
        Release();
        return false;
    }
    return true;
}

bool CDIBSection::CreateSection(HWND window) {
    HDC dc = GetDC(window);
    m_bitmap = CreateDIBSection(dc, m_info.get(), DIB_RGB_COLORS, &m_pixels, nullptr, 0);
    ReleaseDC(window, dc);
    if (m_pixels == nullptr) {
        WriteLog("CDIBSection::ReadSection: CreateDIBSection failed.");
        return false;
    }
    return true;
}

bool CDIBSection::ComputeMetrics() {
    const BITMAPINFOHEADER& header = m_info->bmiHeader;
    if (header.biSize != kInfoHeaderSize) {
        WriteLog(
            "CDIBSection::ComputeMetrics: Not a valid Windows bitmap -- probably an OS/2 bitmap\n");
        return false;
    }
    if (!IsSupportedDib(header)) {
        WriteLog("CDIBSection::ComputeMetrics: Unsupported size or bit depth.");
        return false;
    }
    m_imageSize = DibStride(header.biWidth, header.biBitCount) *
                  static_cast<uint32_t>(std::abs(header.biHeight));
    return true;
}

bool CDIBSection::Draw(HDC dc, POINT dest, const RECT* source) const {
    if (m_bitmap == nullptr || m_pixels == nullptr) {
        WriteLog("CDIBSection::Draw: No image to draw.");
        return false;
    }
    const RECT part = source != nullptr ? *source : RECT{0, 0, GetWidth(), GetHeight()};
    SetStretchBltMode(dc, COLORONCOLOR);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, m_bitmap);
    BitBlt(dc, dest.x, dest.y, part.right, part.bottom, memory, part.left, part.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return true;
}
