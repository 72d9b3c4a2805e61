#pragma once
// Cursor pictures and the registry of cursor resources that LoadImageA of a cursor
// looks up. The embedded resources fill the registry at start; tests fill it directly.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/WinTypes.h"

struct CursorImage {
    LONG width;
    LONG height;
    POINT hotSpot;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, rows top-down
};

// What an HCURSOR points at: its own copy of the picture.
struct CursorObject {
    CursorImage image;
};

// Makes `image` the cursor resource called `name` (found later without regard to case).
void RegisterCursorResource(std::string_view name, CursorImage image);
// The registered cursor called `name`, or null.
const CursorImage* FindCursorResource(std::string_view name);
void ForgetCursorResources();
