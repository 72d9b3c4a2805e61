#pragma once
// The drawing services the program uses, with the Windows names and values: memory
// contexts, compatible bitmaps, DIB sections of the uncompressed bit depths, BitBlt,
// StretchDIBits and the stretch mode. Rectangles exclude their right and bottom edges.
//
// Every context draws into a 32-bit surface, or, for a memory context holding a DIB
// section, straight into the section's pixels in the section's own format.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DibHeader.h"
#include "platform/gdi/GdiObject.h"
#include "platform/kernel/WinTypes.h"

constexpr UINT DIB_RGB_COLORS = 0;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int BLACKONWHITE = 1;
constexpr int COLORONCOLOR = 3;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;

HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC reference, int width, int height);
// A bitmap whose pixels the program writes directly through *bits, in the layout that
// `info` describes (its colour table is copied). Null, with *bits null, when `info` is
// not a supported uncompressed bitmap.
HBITMAP CreateDIBSection(HDC reference, const BITMAPINFO* info, UINT usage, void** bits,
                         HANDLE section, DWORD offset);
// Selects a bitmap into a memory context; answers the bitmap it replaces, or null.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Frees a bitmap; refused (FALSE) while it is selected into a context.
BOOL DeleteObject(HGDIOBJ object);
int SetStretchBltMode(HDC dc, int mode);
int GetDeviceCaps(HDC dc, int index);

// Copies a width x height block; only SRCCOPY is supported.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);
// Copies a block of DIB pixels, stretched to the destination size. As on Windows, the
// source y of a bottom-up DIB counts from its bottom row. Answers the lines drawn.
int StretchDIBits(HDC dest, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info,
                  UINT usage, DWORD rop);
