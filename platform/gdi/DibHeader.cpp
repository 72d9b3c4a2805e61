#include "platform/gdi/DibHeader.h"

bool IsSupportedDib(const BITMAPINFOHEADER& header) {
    const WORD depth = header.biBitCount;
    const bool knownDepth =
        depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
    const LONG height = header.biHeight;
    return header.biSize == sizeof(BITMAPINFOHEADER) && header.biCompression == BI_RGB &&
           knownDepth && header.biWidth > 0 && header.biWidth <= kMaxBitmapSide && height != 0 &&
           height >= -kMaxBitmapSide && height <= kMaxBitmapSide;
}
