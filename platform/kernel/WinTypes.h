#pragma once
// The fixed-width Windows types and handle kinds that the program is written against.
// Every width matches the 32-bit program, whatever the host's long or pointer size.

#include <cstdint>

using BYTE = uint8_t;
using WORD = uint16_t;
using SHORT = int16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using BOOL = int32_t;
using UINT_PTR = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct KernelObject;
using HANDLE = KernelObject*;

struct WindowObject;
using HWND = WindowObject*;

struct DeviceContext;
using HDC = DeviceContext*;

// Colours as Windows keeps them: red | green << 8 | blue << 16.
using COLORREF = DWORD;

// Rectangles exclude their right and bottom edges, everywhere.
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
    friend bool operator==(const RECT&, const RECT&) = default;
};

struct POINT {
    LONG x;
    LONG y;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    LONG cx;
    LONG cy;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

// CreateFileA's failure value: all bits set, as on Windows.
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~uintptr_t{0});
